# Regenerates the program's icon with tools/gen_icon.py into the build directory and
# compares it byte for byte with the committed app/mozhou.ico.
#
# Included by tests/CMakeLists.txt it adds the test; run with -P it is the test.
if(NOT CMAKE_SCRIPT_MODE_FILE)
    add_test(NAME icon_regenerates
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/icon_regen/mozhou.ico
                     -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(icon_regenerates PROPERTIES LABELS "regen" TIMEOUT 120)
    return()
endif()

find_program(PYTHON3 NAMES python3 REQUIRED)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PYTHON3} ${SOURCE_DIR}/tools/gen_icon.py --output ${OUTPUT}
                RESULT_VARIABLE gen_result)
if(NOT gen_result EQUAL 0)
    message(FATAL_ERROR "tools/gen_icon.py failed (${gen_result})")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE_DIR}/app/mozhou.ico
                RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "app/mozhou.ico differs from what tools/gen_icon.py makes; "
                        "compare it with ${OUTPUT}")
endif()
message(STATUS "app/mozhou.ico regenerates byte for byte")
