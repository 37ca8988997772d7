# End-to-end tests of `brenmoor-cli edit`.
foreach(case build usage limits)
    add_test(NAME e2e.edit.${case}
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/edit/run_edit_tests.sh
                     $<TARGET_FILE:brenmoor-cli> ${case})
endforeach()
