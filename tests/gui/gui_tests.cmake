# Qt Test suites of the desktop application, run headless.
if(TARGET brenmoor_gui)
    foreach(suite document view)
        add_executable(gui_${suite}_tests
            ${CMAKE_CURRENT_LIST_DIR}/${suite}_tests.cpp
            ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
        target_link_libraries(gui_${suite}_tests PRIVATE brenmoor_gui Qt6::Test)
        target_include_directories(gui_${suite}_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
        target_compile_definitions(gui_${suite}_tests PRIVATE
            BRENMOOR_TEST_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/../data")
        add_test(NAME gui.${suite} COMMAND gui_${suite}_tests)
        set_tests_properties(gui.${suite} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
    endforeach()
endif()
