# SPDX-License-Identifier: MIT
# Fails unless the shared library LIBRARY exports quor_* functions and
# nothing else (run as cmake -DLIBRARY=... -DNM=... -P check_exports.cmake).
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(exported 0)
foreach(line ${lines})
  if(line MATCHES " (quor_[a-z]+)$")
    math(EXPR exported "${exported} + 1")
  else()
    message(FATAL_ERROR "exported beside the C interface: ${line}")
  endif()
endforeach()
if(NOT exported EQUAL ${EXPECTED})
  message(FATAL_ERROR "${exported} quor_* functions exported, ${EXPECTED} expected")
endif()
