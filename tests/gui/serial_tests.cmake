# Qt Test suite of the serial dialogs, against simulated gateways in this
# process and on a fake clock: no real waits, so it may run beside anything.
if(TARGET brenmoor_gui AND TARGET brenmoor_sim)
    add_executable(gui_serial_tests
        ${CMAKE_CURRENT_LIST_DIR}/serial_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/serial_test_support.h
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_serial_tests PRIVATE brenmoor_gui brenmoor_sim brenmoor_test_support
                                                   Qt6::Test)
    target_include_directories(gui_serial_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.serial COMMAND gui_serial_tests)
    set_tests_properties(gui.serial PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
        TIMEOUT 60)

    # brenmoor --simulate end to end: the gateway on a pseudo-terminal, in
    # real time. A download waits up to 300 ms for each reply.
    add_executable(gui_simulate_tests
        ${CMAKE_CURRENT_LIST_DIR}/simulate_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/serial_test_support.h
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_simulate_tests PRIVATE brenmoor_gui brenmoor_sim
                                                     brenmoor_test_support Qt6::Test)
    target_include_directories(gui_simulate_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.simulate COMMAND gui_simulate_tests)
    set_tests_properties(gui.simulate PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
        TIMEOUT 120)

    # The longest stall of the window's event loop during a 48-command
    # download, Compare with Gateway and monitor Send against the simulated
    # gateway on a pseudo-terminal, in real time. A measuring tool, not a
    # test: `build/bin/stall_probe [rounds]`.
    add_executable(stall_probe ${CMAKE_CURRENT_LIST_DIR}/stall_probe.cpp)
    target_link_libraries(stall_probe PRIVATE brenmoor_gui brenmoor_sim brenmoor_test_support
                                              Qt6::Test)
    target_include_directories(stall_probe PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()
