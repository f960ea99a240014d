# Runs the transcript driver on SCRIPT and compares its log with EXPECTED. The driver runs in
# a fresh folder holding the lesson files of golden/lessons/, with its data folder inside it,
# so a script's lessons start from nothing and a lesson file is named by its file name.
get_filename_component(dir ${ACTUAL} DIRECTORY)
get_filename_component(name ${ACTUAL} NAME_WE)
get_filename_component(golden ${SCRIPT} DIRECTORY)
set(run ${dir}/${name}.run)
file(REMOVE_RECURSE ${run})
file(MAKE_DIRECTORY ${run})
file(GLOB lessons ${golden}/lessons/*)
if(lessons)
    file(COPY ${lessons} DESTINATION ${run})
endif()
set(env XDG_DATA_HOME=${run}/data)
if(WOERTERBUCH)
    list(APPEND env LATIFLEX_WOERTERBUCH=${WOERTERBUCH})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${env} ${DRIVER}
                INPUT_FILE ${SCRIPT} OUTPUT_FILE ${ACTUAL} WORKING_DIRECTORY ${run}
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
# A lesson file the script writes under its own name with ".out" must read as the one beside
# the script.
if(EXISTS ${golden}/${name}.out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${golden}/${name}.out
                            ${run}/${name}.out RESULT_VARIABLE differs)
    if(differs)
        execute_process(COMMAND diff -u ${golden}/${name}.out ${run}/${name}.out)
        message(FATAL_ERROR "${run}/${name}.out differs from ${golden}/${name}.out")
    endif()
endif()
# A script without lesson steps touches no database.
file(STRINGS ${SCRIPT} steps REGEX "^(today|lesson|vocabulary|drill due) ")
if(NOT steps AND EXISTS ${run}/data)
    message(FATAL_ERROR "${SCRIPT} uses no lesson but wrote ${run}/data")
endif()
