# Runs the transcript driver on SCRIPT and compares its log with EXPECTED.
get_filename_component(dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${DRIVER} INPUT_FILE ${SCRIPT} OUTPUT_FILE ${ACTUAL}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "transcript exited with ${status} on ${SCRIPT}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
                RESULT_VARIABLE differs)
if(differs)
    execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
    message(FATAL_ERROR "log differs from ${EXPECTED}")
endif()
