# SPDX-License-Identifier: MIT
# Checks that the checked-in seed corpus is what the generator writes today,
# so that seeds follow changes of the input layouts:
#   cmake -DGENERATOR=<fuzz_make_corpus> -DCORPUS=<fuzz/corpus> -DWORK=<dir> -P check_corpus.cmake
# Files in the corpus that the generator does not write are left alone.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${GENERATOR} ${WORK} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
file(GLOB_RECURSE generated RELATIVE ${WORK} ${WORK}/*)
if(NOT generated)
  message(FATAL_ERROR "the generator wrote no seeds")
endif()
set(stale "")
foreach(seed ${generated})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${seed} ${CORPUS}/${seed}
    RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND stale ${seed})
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
if(stale)
  message(FATAL_ERROR "seeds differ from the generator's output (rerun fuzz_make_corpus fuzz/corpus): ${stale}")
endif()
