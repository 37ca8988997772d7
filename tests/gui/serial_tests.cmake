# Qt Test suite of the serial dialogs, against an in-process simulated gateway.
if(TARGET brenmoor_gui AND TARGET brenmoor_sim)
    add_executable(gui_serial_tests
        ${CMAKE_CURRENT_LIST_DIR}/serial_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/serial_test_support.h
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_serial_tests PRIVATE brenmoor_gui brenmoor_sim Qt6::Test)
    target_include_directories(gui_serial_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.serial COMMAND gui_serial_tests)
    # Real transfers over a pseudo-terminal take a few seconds each.
    set_tests_properties(gui.serial PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
        TIMEOUT 300
        # The upload waits only 50 ms for each reply: other suites running at
        # the same time could make the simulator answer too late.
        RUN_SERIAL TRUE)
endif()
