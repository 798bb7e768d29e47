# cmake -DCLI=tolvane-cli -DMENU=file.TvXml -DEXPECTED=file.expected -P Checkmenu.cmake
execute_process(COMMAND ${CLI} menu check ${MENU} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(expected MATCHES "^ok ")
  set(expected_status 0)
else()
  set(expected_status 1)
endif()
if(NOT status STREQUAL expected_status OR NOT output STREQUAL expected)
  message(FATAL_ERROR "menu check ${MENU}\nexpected (exit ${expected_status}): ${expected}\n"
                      "got (exit ${status}): ${output}\nstandard error: ${errors}")
endif()
