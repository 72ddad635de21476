# Regenerates data/dic.dat from the installed ibus-table-wubi table into the build directory and
# compares it byte for byte with the committed file.
#
# Included by tests/CMakeLists.txt it adds the test; run with -P it is the test.
if(NOT CMAKE_SCRIPT_MODE_FILE)
    add_test(NAME dic_dat_regenerates
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/dic_regen/dic.dat
                     -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(dic_dat_regenerates PROPERTIES LABELS "regen" TIMEOUT 300)
    return()
endif()

# The generator needs only Python's standard library; Debian's python3 has sqlite3 built in.
find_program(PYTHON3 NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(PYTHON3 NAMES python3)
if(NOT PYTHON3)
    message(FATAL_ERROR "python3 is needed to regenerate dic.dat (tools/setup)")
endif()
set(table /usr/share/ibus-table/tables/wubi-jidian86.db)
if(NOT EXISTS ${table})
    message(FATAL_ERROR "${table} is missing: install the Debian package ibus-table-wubi")
endif()

get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
execute_process(
    COMMAND ${PYTHON3} ${SOURCE_DIR}/tools/gen_dic.py --table ${table} --output ${OUTPUT}
    RESULT_VARIABLE gen_result)
if(NOT gen_result EQUAL 0)
    message(FATAL_ERROR "tools/gen_dic.py failed (${gen_result})")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE_DIR}/data/dic.dat
    RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "data/dic.dat differs from what tools/gen_dic.py makes of ${table}; "
                        "compare it with ${OUTPUT}")
endif()
message(STATUS "data/dic.dat regenerates byte for byte")
