add_test(NAME e2e.model.cli
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/model/cli_test.sh
                 $<TARGET_FILE:brenmoor-cli> ${CMAKE_CURRENT_SOURCE_DIR}/data)
