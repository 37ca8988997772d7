# One end-to-end case of the mapping commands, run with cmake -P:
#   CLI          brenmoor-cli
#   SOURCE       JSON configuration, imported into WORK/in.chg first
#   WORK         scratch folder of this case
#   ARGS         the command's arguments, separated by "|"; IN and OUT stand for WORK/in.chg and WORK/out.chg
#   EXPECT_EXIT  exit status the command must end with
#   EXPECT_FILE  (optional) the exact standard output
#   SAVED        (optional) file whose commands' mapAddress texts, in order, must be ADDRESSES ("|"-separated)
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" ARGS "${ARGS}")
string(REPLACE "|" ";" ADDRESSES "${ADDRESSES}")

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(in "${WORK}/in.chg")
set(out "${WORK}/out.chg")

execute_process(COMMAND "${CLI}" import "${SOURCE}" --output "${in}" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "import of ${SOURCE} failed (${rc}): ${err}")
endif()

set(args "")
foreach(arg IN LISTS ARGS)
    if(arg STREQUAL "IN")
        list(APPEND args "${in}")
    elseif(arg STREQUAL "OUT")
        list(APPEND args "${out}")
    else()
        list(APPEND args "${arg}")
    endif()
endforeach()

execute_process(COMMAND "${CLI}" ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
if(NOT rc STREQUAL "${EXPECT_EXIT}")
    message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT_EXIT}\nstdout:\n${stdout}\nstderr:\n${stderr}")
endif()

if(DEFINED EXPECT_FILE)
    file(READ "${EXPECT_FILE}" expected)
    if(NOT stdout STREQUAL expected)
        file(WRITE "${WORK}/actual.txt" "${stdout}")
        message(FATAL_ERROR "output differs from ${EXPECT_FILE}; see ${WORK}/actual.txt:\n${stdout}")
    endif()
endif()

if(DEFINED SAVED)
    string(REPLACE "IN" "${in}" saved "${SAVED}")
    string(REPLACE "OUT" "${out}" saved "${saved}")
    execute_process(COMMAND "${CLI}" show "${saved}" --json RESULT_VARIABLE rc OUTPUT_VARIABLE json)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cannot show ${saved}")
    endif()
    set(index 0)
    foreach(address IN LISTS ADDRESSES)
        string(JSON actual GET "${json}" subnets 0 commands ${index} mapAddress)
        if(NOT actual STREQUAL address)
            message(FATAL_ERROR "command ${index}: mapAddress \"${actual}\", expected \"${address}\"")
        endif()
        math(EXPR index "${index} + 1")
    endforeach()
endif()
