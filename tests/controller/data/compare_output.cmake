# Runs COMMAND (a list) and compares its standard output with EXPECTED, byte
# for byte:  cmake -DCOMMAND=... -DEXPECTED=... -DOUTPUT=... -P compare_output.cmake
execute_process(COMMAND ${COMMAND} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${COMMAND} exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
