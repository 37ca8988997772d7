# Qt Test suite of Undo, Redo and the comparison window, run headless.
if(TARGET brenmoor_gui)
    add_executable(gui_history_tests
        ${CMAKE_CURRENT_LIST_DIR}/history_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_history_tests PRIVATE brenmoor_gui brenmoor_test_support Qt6::Test)
    target_include_directories(gui_history_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.history COMMAND gui_history_tests)
    set_tests_properties(gui.history PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()
