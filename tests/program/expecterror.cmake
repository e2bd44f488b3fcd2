# Runs basic2cpp on bad sources; passes when it exits with 1, prints EXPECTED on stderr and removes
# the stale output that a previous translation left.
file(WRITE ${OUT} "stale")
execute_process(COMMAND ${TOOL} -o ${OUT} ${SOURCES}
  WORKING_DIRECTORY ${DIR} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
string(STRIP "${err}" err)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "exit status ${rc}, expected 1; stderr: ${err}")
endif()
if(NOT err STREQUAL EXPECTED)
  message(FATAL_ERROR "stderr:\n  ${err}\nexpected:\n  ${EXPECTED}")
endif()
if(EXISTS ${OUT})
  message(FATAL_ERROR "a failed translation left ${OUT} behind")
endif()
