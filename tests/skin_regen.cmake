# Regenerates the program's skin image with tools/gen_skin.py into the build directory and
# compares it byte for byte with the committed skin/mozhou.skin.
#
# Included by tests/CMakeLists.txt it adds the test; run with -P it is the test.
if(NOT CMAKE_SCRIPT_MODE_FILE)
    add_test(NAME skin_image_regenerates
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/skin_regen/mozhou.skin
                     -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(skin_image_regenerates PROPERTIES LABELS "regen" TIMEOUT 60)
    return()
endif()

find_program(PYTHON3 NAMES python3 REQUIRED)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PYTHON3} ${SOURCE_DIR}/tools/gen_skin.py --output ${OUTPUT}
                RESULT_VARIABLE gen_result)
if(NOT gen_result EQUAL 0)
    message(FATAL_ERROR "tools/gen_skin.py failed (${gen_result})")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${SOURCE_DIR}/skin/mozhou.skin
                RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "skin/mozhou.skin differs from what tools/gen_skin.py makes; "
                        "compare it with ${OUTPUT}")
endif()
message(STATUS "skin/mozhou.skin regenerates byte for byte")
