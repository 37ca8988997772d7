# The simulator's monitor side needs the simulator library, which the
# generic rule for tests/core does not link.
if(TARGET core_simmonitor_tests AND TARGET brenmoor_sim)
    target_link_libraries(core_simmonitor_tests PRIVATE brenmoor_sim)
endif()

# brenmoor-cli monitor against the simulated gateway on a pseudo-terminal.
if(TARGET brenmoor-gateway-sim AND TARGET brenmoor_port)
    foreach(case example_records default_cycle save_file send send_failures refused_send stops auto_mode)
        add_test(NAME e2e.monitor.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/monitor/monitor_e2e.py
                         $<TARGET_FILE:brenmoor-cli> $<TARGET_FILE:brenmoor-gateway-sim> ${case}
                         ${CMAKE_CURRENT_BINARY_DIR}/e2e-monitor/${case})
        set_tests_properties(e2e.monitor.${case} PROPERTIES TIMEOUT 120 LABELS "e2e;monitor")
    endforeach()
endif()

# The record-script fuzz target reads the simulator's parser; its targets are
# made after this file is read, so the link is added once they exist.
function(brenmoor_link_monitor_script_fuzz)
    foreach(target fuzz_monitor_script fuzz_monitor_script_replay)
        if(TARGET ${target} AND TARGET brenmoor_sim)
            target_link_libraries(${target} PRIVATE brenmoor_sim)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER CALL brenmoor_link_monitor_script_fuzz)
