# Qt Test suite of the Conflict Detection dialog, run headless.
if(TARGET brenmoor_gui)
    add_executable(gui_conflict_tests
        ${CMAKE_CURRENT_LIST_DIR}/conflict_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_conflict_tests PRIVATE brenmoor_gui Qt6::Test)
    target_include_directories(gui_conflict_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.conflict COMMAND gui_conflict_tests)
    set_tests_properties(gui.conflict PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()
