# brenmoor-cli monitor against the simulated gateway on a pseudo-terminal.
if(TARGET brenmoor-gateway-sim AND TARGET brenmoor_port)
    foreach(case example_records default_cycle save_file send send_failures refused_send stops device_gone
                 auto_mode)
        add_test(NAME e2e.monitor.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/monitor/monitor_e2e.py
                         $<TARGET_FILE:brenmoor-cli> $<TARGET_FILE:brenmoor-gateway-sim> ${case}
                         ${CMAKE_CURRENT_BINARY_DIR}/e2e-monitor/${case})
        set_tests_properties(e2e.monitor.${case} PROPERTIES TIMEOUT 120 LABELS "e2e;monitor")
    endforeach()
endif()

# The monitor's log and statistics against what the simulator sent.
if(TARGET brenmoor-gateway-sim AND TARGET brenmoor_port)
    foreach(case log_matches_simulator diagnostic_failures)
        add_test(NAME e2e.monitor.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/monitor/diagnostics_e2e.py
                         $<TARGET_FILE:brenmoor-cli> $<TARGET_FILE:brenmoor-gateway-sim> ${case}
                         ${CMAKE_CURRENT_BINARY_DIR}/e2e-monitor/${case})
        set_tests_properties(e2e.monitor.${case} PROPERTIES TIMEOUT 120 LABELS "e2e;monitor")
    endforeach()
endif()
