# Regenerates data/pinyin_table_data.cpp from the pinned pinyin-pro in a scratch folder of the
# build directory and compares it byte for byte with the committed file. Fetches the package with
# npm, so it needs the npm registry.
#
# Included by tests/CMakeLists.txt it adds the test; run with -P it is the test.
if(NOT CMAKE_SCRIPT_MODE_FILE)
    add_test(NAME pinyin_table_regenerates
             COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                     -DSCRATCH_DIR=${CMAKE_CURRENT_BINARY_DIR}/pinyin_regen
                     -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(pinyin_table_regenerates PROPERTIES LABELS "regen;network" TIMEOUT 600)
    return()
endif()

find_program(NPM npm)
find_program(NODE node)
if(NOT NPM OR NOT NODE)
    message(FATAL_ERROR "node and npm are needed to regenerate the pinyin table (tools/setup)")
endif()

file(REMOVE_RECURSE ${SCRATCH_DIR})
file(MAKE_DIRECTORY ${SCRATCH_DIR})
file(COPY ${SOURCE_DIR}/tools/package.json ${SOURCE_DIR}/tools/package-lock.json
     DESTINATION ${SCRATCH_DIR})
# npm ci installs exactly what the lock file names and checks the package's integrity hash.
execute_process(
    COMMAND ${NPM} ci --ignore-scripts --no-audit --no-fund --loglevel=error
    WORKING_DIRECTORY ${SCRATCH_DIR}
    RESULT_VARIABLE npm_result)
if(NOT npm_result EQUAL 0)
    message(FATAL_ERROR "npm ci could not fetch the pinned pinyin-pro (${npm_result})")
endif()

set(generated ${SCRATCH_DIR}/pinyin_table_data.cpp)
execute_process(
    COMMAND ${NODE} ${SOURCE_DIR}/tools/gen_pinyin.mjs ${SCRATCH_DIR}/node_modules/pinyin-pro
            ${generated}
    RESULT_VARIABLE gen_result)
if(NOT gen_result EQUAL 0)
    message(FATAL_ERROR "tools/gen_pinyin.mjs failed (${gen_result})")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${generated} ${SOURCE_DIR}/data/pinyin_table_data.cpp
    RESULT_VARIABLE compare_result)
if(NOT compare_result EQUAL 0)
    message(FATAL_ERROR "data/pinyin_table_data.cpp differs from what tools/gen_pinyin.mjs makes "
                        "of the pinned package; compare it with ${generated}")
endif()
message(STATUS "data/pinyin_table_data.cpp regenerates byte for byte")
