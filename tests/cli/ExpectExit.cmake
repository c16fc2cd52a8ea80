# Runs a command and checks its exit status and, optionally, its output (what
# it prints on both streams):
#   cmake -DCMD=prog|arg|... -DEXPECT=N [-DMATCH=regex] [-DNOMATCH=regex] [-DINPUT=file]
#         -P ExpectExit.cmake
# INPUT is what the command reads on its standard input.
string(REPLACE "|" ";" CMD "${CMD}")
set(input "")
if(DEFINED INPUT)
  set(input INPUT_FILE "${INPUT}")
endif()
execute_process(COMMAND ${CMD} ${input} RESULT_VARIABLE status OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
set(out "${out}${err}")
if(NOT status STREQUAL EXPECT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT}\n${out}")
endif()
if(DEFINED MATCH AND NOT out MATCHES "${MATCH}")
  message(FATAL_ERROR "output does not match '${MATCH}':\n${out}")
endif()
if(DEFINED NOMATCH AND out MATCHES "${NOMATCH}")
  message(FATAL_ERROR "output matches '${NOMATCH}':\n${out}")
endif()
