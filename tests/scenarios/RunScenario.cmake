# Runs one scenario through the runner and compares its output and exit status with the
# expected ones. Scenarios expect status 0 unless a line "# exit status: N" says otherwise.
# -DRUNNER=... -DSCENARIO=... -DEXPECTED=...
file(STRINGS "${SCENARIO}" status_lines REGEX "^# exit status: [0-9]+$")
set(expected_status 0)
if(status_lines)
    string(REGEX REPLACE "^# exit status: " "" expected_status "${status_lines}")
endif()

execute_process(COMMAND "${RUNNER}" INPUT_FILE "${SCENARIO}"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ "${EXPECTED}" expected)

if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT output STREQUAL expected)
    get_filename_component(name "${SCENARIO}" NAME_WE)
    set(actual "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
    file(WRITE "${actual}" "${output}")
    execute_process(COMMAND diff -u "${EXPECTED}" "${actual}" OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${difference}")
endif()
