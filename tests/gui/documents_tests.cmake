# Qt Test suite of Print Preview and the command list import, run headless.
if(TARGET brenmoor_gui)
    add_executable(gui_documents_tests
        ${CMAKE_CURRENT_LIST_DIR}/documents_tests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/gui_test_support.h)
    target_link_libraries(gui_documents_tests PRIVATE brenmoor_gui Qt6::Test)
    target_include_directories(gui_documents_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_compile_definitions(gui_documents_tests PRIVATE
        BRENMOOR_TEST_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/../data")
    add_test(NAME gui.documents COMMAND gui_documents_tests)
    set_tests_properties(gui.documents PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endif()
