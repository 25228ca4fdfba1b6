# Runs a benchmark program from a scratch folder that holds only it and the
# configurator, and fails when the run leaves anything else there or a
# benchmark reports an error.
#   cmake -DBENCH=<program> -DCONFIGURATOR=<program> -DSCRATCH=<folder> -DFILTER=<regex> -P leaves_no_files.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
file(COPY "${BENCH}" "${CONFIGURATOR}" DESTINATION "${SCRATCH}")
get_filename_component(bench_name "${BENCH}" NAME)
get_filename_component(configurator_name "${CONFIGURATOR}" NAME)

execute_process(COMMAND "${SCRATCH}/${bench_name}" "--benchmark_filter=${FILTER}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${bench_name} ended with ${result}")
endif()
if(output MATCHES "ERROR OCCURRED")
  message(FATAL_ERROR "${bench_name} reported an error")
endif()

file(GLOB left RELATIVE "${SCRATCH}" "${SCRATCH}/*")
list(REMOVE_ITEM left "${bench_name}" "${configurator_name}")
if(left)
  message(FATAL_ERROR "${bench_name} left behind: ${left}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
