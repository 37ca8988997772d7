# The command line against the simulated gateway on a pseudo-terminal.
if(TARGET brenmoor-gateway-sim AND TARGET brenmoor_port)
    foreach(case roundtrip loaded_gateway timeout_third_command negative_detail_3 wrong_device_type
                 device_type_5 faults_on_the_line conflict_question ports
                 open_failures)
        add_test(NAME e2e.serial.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/serial/serial_e2e.py
                         $<TARGET_FILE:brenmoor-cli> $<TARGET_FILE:brenmoor-gateway-sim> ${case}
                         ${CMAKE_CURRENT_BINARY_DIR}/e2e-serial/${case})
        set_tests_properties(e2e.serial.${case} PROPERTIES TIMEOUT 120 LABELS "e2e;serial")
    endforeach()
    # Its timing figures mean most on a quiet machine.
    set_tests_properties(e2e.serial.roundtrip PROPERTIES RUN_SERIAL TRUE)
endif()
