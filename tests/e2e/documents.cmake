# The commissioning documents of the command line: the report read back with
# pdftotext, the command list out and in. Debian's interpreter by its full
# path, as the other suites call it. A build without the report's render
# library has no `report` command.
if(TARGET brenmoor_report)
    add_test(NAME e2e.documents
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/documents/documents_e2e.py
                     $<TARGET_FILE:brenmoor-cli> ${CMAKE_CURRENT_LIST_DIR}/documents
                     ${CMAKE_CURRENT_BINARY_DIR}/e2e-documents)
endif()
