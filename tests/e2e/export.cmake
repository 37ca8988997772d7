# `brenmoor-cli export`, read back with openpyxl. Debian's interpreter is
# called by its full path: another python3 earlier on PATH cannot see
# Debian's python3-openpyxl.
add_test(NAME e2e.export
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/export/check_export.py
                 $<TARGET_FILE:brenmoor-cli> ${CMAKE_CURRENT_LIST_DIR}/export
                 ${CMAKE_CURRENT_BINARY_DIR}/e2e-export)
