# The monitor's diagnostics panel in the window, headless.
if(TARGET brenmoor_gui)
    add_executable(gui_monitor_diagnostics_tests
        ${CMAKE_CURRENT_LIST_DIR}/monitor_diagnostics_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_monitor_diagnostics_tests PRIVATE brenmoor_gui brenmoor_test_support
                                                                Qt6::Test)
    target_include_directories(gui_monitor_diagnostics_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.monitor_diagnostics COMMAND gui_monitor_diagnostics_tests)
    set_tests_properties(gui.monitor_diagnostics PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()
