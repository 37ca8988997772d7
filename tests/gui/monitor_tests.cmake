# Qt Test suites of the I/O monitor and Export Excel in the window, run
# headless. Export Excel reads its workbooks back with Debian's python3 and
# openpyxl; the scripted file dialogs keep them away from the desktop.
if(TARGET brenmoor_gui)
    foreach(suite monitor export)
        add_executable(gui_${suite}_tests
            ${CMAKE_CURRENT_LIST_DIR}/${suite}_tests.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
        target_link_libraries(gui_${suite}_tests PRIVATE brenmoor_gui brenmoor_test_support Qt6::Test)
        target_include_directories(gui_${suite}_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
        add_test(NAME gui.${suite} COMMAND gui_${suite}_tests)
        set_tests_properties(gui.${suite} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
    endforeach()
endif()

# Picture helpers of scripts/screenshots: the monitor with rows from a
# scripted port, and an exported workbook drawn as a spreadsheet shows it.
if(TARGET brenmoor_gui)
    add_executable(monitor_shot ${CMAKE_CURRENT_LIST_DIR}/monitor_shot.cpp)
    target_link_libraries(monitor_shot PRIVATE brenmoor_gui brenmoor_test_support)
endif()
if(TARGET brenmoor_gui)
    add_executable(export_render ${CMAKE_CURRENT_LIST_DIR}/export_render.cpp)
    target_link_libraries(export_render PRIVATE Qt6::Gui)
endif()
