if(TARGET mozhou-cli)
    add_test(NAME cli_front_end COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli_test.sh $<TARGET_FILE:mozhou-cli>)
endif()
