# Runs one fuzzer for a bounded time on a copy of its seeds.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)
execute_process(COMMAND ${FUZZER} -max_total_time=20 -rss_limit_mb=2048 -artifact_prefix=${WORK}/ ${WORK}/corpus
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed (${status}); the input is in ${WORK}")
endif()
