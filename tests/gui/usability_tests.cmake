# Qt Test suite of the window as an engineer uses it all day: keyboard,
# small screens, dark themes, tooltips, status bar, accessible names, help.
if(TARGET brenmoor_gui)
    add_executable(gui_usability_tests
        ${CMAKE_CURRENT_LIST_DIR}/usability_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h
        ${CMAKE_CURRENT_LIST_DIR}/dark_palette.h)
    target_link_libraries(gui_usability_tests PRIVATE brenmoor_gui Qt6::Test)
    target_include_directories(gui_usability_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    add_test(NAME gui.usability COMMAND gui_usability_tests)
    set_tests_properties(gui.usability PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()

# Picture helper of scripts/screenshots: the window under a dark palette.
if(TARGET brenmoor_gui)
    add_executable(dark_shot ${CMAKE_CURRENT_LIST_DIR}/dark_shot.cpp)
    target_link_libraries(dark_shot PRIVATE brenmoor_gui)
    target_include_directories(dark_shot PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()

# The window from outside, as a screen reader sees it through AT-SPI: the
# real program in a private X server and D-Bus session.
if(TARGET brenmoor)
    add_test(NAME gui.accessibility
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-accessibility ${CMAKE_BINARY_DIR})
    set_tests_properties(gui.accessibility PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
endif()
