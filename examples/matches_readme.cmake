# SPDX-License-Identifier: MIT
# Fails unless the README holds the example file as one ```c block.
file(READ "${README}" readme)
file(READ "${EXAMPLE}" example)
string(FIND "${readme}" "```c\n${example}```" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${EXAMPLE} differs from the C example in ${README}")
endif()
