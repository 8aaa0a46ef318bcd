# Runs one fuzzer for a bounded time on a copy of its seeds (SEEDS: a list of folders).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
foreach(folder ${SEEDS})
  file(GLOB seeds ${folder}/*)
  if(seeds)
    file(COPY ${seeds} DESTINATION ${WORK}/corpus)
  endif()
endforeach()
execute_process(COMMAND ${FUZZER} -max_total_time=20 -rss_limit_mb=2048 -max_len=${MAX_LEN} -artifact_prefix=${WORK}/
                        ${WORK}/corpus
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed (${status}); the input is in ${WORK}")
endif()
