# Reading a download back, and comparing configurations, from the command
# line against the simulated gateway.
if(TARGET brenmoor-gateway-sim AND TARGET brenmoor_port)
    foreach(case download_verify download_verify_miswrite verify_read_fails diff_files diff_port)
        add_test(NAME e2e.verify.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/verify/verify_e2e.py
                         $<TARGET_FILE:brenmoor-cli> $<TARGET_FILE:brenmoor-gateway-sim> ${case}
                         ${CMAKE_CURRENT_BINARY_DIR}/e2e-verify/${case})
        set_tests_properties(e2e.verify.${case} PROPERTIES TIMEOUT 120 LABELS "e2e;verify")
    endforeach()
endif()
