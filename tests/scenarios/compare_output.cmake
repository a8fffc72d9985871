# SPDX-License-Identifier: GPL-3.0-or-later
# Plays SCENARIO with RUNNER and compares what it prints with the expected
# output beside the scenario.
string(REGEX REPLACE "\\.scenario$" "" base "${SCENARIO}")
execute_process(COMMAND "${RUNNER}" "${SCENARIO}"
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)

if(EXISTS "${base}.expected-error")
  file(READ "${base}.expected-error" expected)
  if(status EQUAL 0)
    message(FATAL_ERROR "the runner accepted a scenario it must refuse")
  endif()
  if(NOT errors STREQUAL expected)
    message(FATAL_ERROR "runner reported:\n${errors}\nexpected:\n${expected}")
  endif()
  return()
endif()

file(READ "${base}.expected" expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "runner failed (${status}):\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  get_filename_component(name "${base}" NAME)
  set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
  file(WRITE "${actual_file}" "${actual}")
  execute_process(COMMAND diff -u "${base}.expected" "${actual_file}"
                  OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "output differs from ${base}.expected (actual in ${actual_file}):\n${difference}")
endif()
