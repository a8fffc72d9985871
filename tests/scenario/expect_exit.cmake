# SPDX-License-Identifier: GPL-3.0-or-later
# Runs RUNNER with ARGUMENT, reading INPUT_FILE and writing OUTPUT_FILE when
# given, and fails unless it exits with STATUS and its standard error holds
# REPORT.
set(redirections)
if(DEFINED INPUT_FILE)
  list(APPEND redirections INPUT_FILE "${INPUT_FILE}")
endif()
if(DEFINED OUTPUT_FILE)
  list(APPEND redirections OUTPUT_FILE "${OUTPUT_FILE}")
else()
  list(APPEND redirections OUTPUT_VARIABLE output)
endif()
execute_process(COMMAND "${RUNNER}" "${ARGUMENT}" ${redirections}
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)

if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "the runner exited with ${status}, expected ${STATUS}; it reported:\n${errors}")
endif()
string(FIND "${errors}" "${REPORT}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the runner reported:\n${errors}\nwhich lacks: ${REPORT}")
endif()
