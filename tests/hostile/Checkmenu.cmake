# cmake -DCLI=tolvane-cli -DMENU=file.TvXml -DEXPECTED=file.expected [-DLIMIT_KB=N] -P Checkmenu.cmake
# LIMIT_KB runs the check under that address-space limit (ulimit -v).
if(DEFINED LIMIT_KB)
  set(command sh -c "ulimit -v ${LIMIT_KB} && exec \"$0\" menu check \"$1\"" ${CLI} ${MENU})
else()
  set(command ${CLI} menu check ${MENU})
endif()
execute_process(COMMAND ${command} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
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
