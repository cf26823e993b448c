# Runs the batch program on one data file and compares its output file byte
# for byte with the report that the independent reference calculation
# produced for the same file.
#   -DPROGRAM=... -DINPUT=... -DEXPECTED=... -DOUTPUT=...
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${PROGRAM}" "${INPUT}" "${OUTPUT}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "batch run of ${INPUT} ended with ${rc}: ${err}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${EXPECTED}"
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
