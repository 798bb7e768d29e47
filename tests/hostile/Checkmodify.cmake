# cmake -DCLI=tolvane-cli -DSCRIPT=script.txt -DINPUT=input.txt -DLIMIT_KB=N [-DTOO_LARGE_INPUT=1] [-DFAILING_LINE=I]
#       -P Checkmodify.cmake
# Runs a script with more text than the process may hold. Either a line of the script (FAILING_LINE, counted
# from 0; the second line by default) asks for it: the run
# stops with its message, the clipboard stays as it was (standard output = the input) and the exit status is 1.
# Or (TOO_LARGE_INPUT) the input itself is too large: a short message and exit status 2. Never a crash.
execute_process(COMMAND sh -c "ulimit -v ${LIMIT_KB} && exec \"$0\" modify \"$1\" --input \"$2\" --virtual-time"
                        ${CLI} ${SCRIPT} ${INPUT}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(TOO_LARGE_INPUT)
  set(expected_status 2)
  set(expected_output "")
  set(expected_errors "tolvane-cli: not enough memory\n")
else()
  set(expected_status 1)
  file(READ ${INPUT} expected_output)
  file(STRINGS ${SCRIPT} script_lines)
  if(NOT DEFINED FAILING_LINE)
    set(FAILING_LINE 1)
  endif()
  list(GET script_lines ${FAILING_LINE} failing_line)
  set(expected_errors "Function Error !: Not enough memory to run this line:\\r\\n${failing_line}\n")
endif()
if(NOT status STREQUAL expected_status OR NOT output STREQUAL expected_output OR NOT errors STREQUAL expected_errors)
  message(FATAL_ERROR "modify ${SCRIPT} --input ${INPUT} under ulimit -v ${LIMIT_KB}\n"
                      "expected (exit ${expected_status}): ${expected_output}\n${expected_errors}\n"
                      "got (exit ${status}): ${output}\nstandard error: ${errors}")
endif()
