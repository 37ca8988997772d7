# End-to-end cases of automap, conflicts and check: each imports a JSON
# configuration from e2e/mapping/ and compares the command's output and
# exit status (and, for automap, the saved addresses).
set(MAPPING_E2E_DIR ${CMAKE_CURRENT_LIST_DIR}/mapping)

function(add_mapping_case name source exit)
    cmake_parse_arguments(CASE "" "EXPECT;SAVED" "ARGS;ADDRESSES" ${ARGN})
    # Lists travel to the script joined with "|": add_test would split them.
    string(REPLACE ";" "|" CASE_ARGS "${CASE_ARGS}")
    string(REPLACE ";" "|" CASE_ADDRESSES "${CASE_ADDRESSES}")
    set(defs -DCLI=$<TARGET_FILE:brenmoor-cli> -DSOURCE=${MAPPING_E2E_DIR}/${source}
             -DWORK=${CMAKE_CURRENT_BINARY_DIR}/e2e_mapping/${name} -DEXPECT_EXIT=${exit}
             "-DARGS=${CASE_ARGS}")
    if(CASE_EXPECT)
        list(APPEND defs -DEXPECT_FILE=${MAPPING_E2E_DIR}/${CASE_EXPECT})
    endif()
    if(CASE_SAVED)
        list(APPEND defs -DSAVED=${CASE_SAVED} "-DADDRESSES=${CASE_ADDRESSES}")
    endif()
    add_test(NAME e2e.mapping.${name} COMMAND ${CMAKE_COMMAND} ${defs} -P ${MAPPING_E2E_DIR}/run_case.cmake)
endfunction()

add_mapping_case(automap_layout layout.json 0 ARGS automap IN --output OUT
                 EXPECT automap_question.txt SAVED OUT ADDRESSES 3 2 4001 4000)
add_mapping_case(automap_in_place layout.json 0 ARGS automap IN
                 EXPECT automap_question.txt SAVED IN ADDRESSES 3 2 4001 4000)
add_mapping_case(automap_overflow overflow.json 0 ARGS automap IN
                 EXPECT automap_overflow.txt SAVED IN ADDRESSES 2 2A 52)
add_mapping_case(conflicts_text conflicts.json 0 ARGS conflicts IN EXPECT conflicts.txt)
add_mapping_case(conflicts_json conflicts.json 0 ARGS conflicts IN --json EXPECT conflicts.json.txt)
add_mapping_case(conflicts_unmapped layout.json 0 ARGS conflicts IN --json EXPECT conflicts_unmapped.json.txt)
add_mapping_case(check_complete complete.json 0 ARGS check IN EXPECT empty.txt)
add_mapping_case(check_unfilled layout.json 1 ARGS check IN EXPECT check_unfilled.txt)
add_mapping_case(check_out_of_range out_of_range.json 1 ARGS check IN EXPECT check_out_of_range.txt)
add_mapping_case(check_buffer_pair buffer_pair.json 1 ARGS check IN EXPECT check_buffer_pair.txt)
add_mapping_case(check_missing_file layout.json 1 ARGS check ${CMAKE_CURRENT_BINARY_DIR}/no/such.chg)
