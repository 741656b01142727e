# Runs one case of quorum-mail (cmake -P): TOOL, DATA (the golden folder),
# CASE (a file name without ".bin", "<type>--<what>"; "<type>--all-<what>"
# holds a sequence, read with --all), ACTION and WORK (a scratch folder). For
# dump, json, verify and headers, standard output, then standard error (after
# a line "[stderr]", when there is any) and the exit status must equal
# DATA/CASE.<ACTION>; with QUORUM_MAIL_UPDATE set in the environment that
# file is written instead. For roundtrip, make of json must give CASE.bin back
# byte for byte.
string(REGEX REPLACE "--.*" "" type "${CASE}")
set(all)
if(CASE MATCHES "--all-")
  set(all --all)
endif()

if(ACTION STREQUAL "roundtrip")
  set(json "${WORK}/${CASE}.json")
  set(rebuilt "${WORK}/${CASE}.bin")
  execute_process(COMMAND "${TOOL}" json --type ${type} ${all} "${DATA}/${CASE}.bin"
    OUTPUT_FILE "${json}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "json failed with ${status}")
  endif()
  execute_process(COMMAND "${TOOL}" make --type ${type} ${all} "${json}" -o "${rebuilt}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "make failed with ${status}")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DATA}/${CASE}.bin" "${rebuilt}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "make of json differs from ${CASE}.bin: see ${rebuilt}")
  endif()
  return()
endif()

set(arguments ${ACTION})
if(NOT ACTION STREQUAL "headers")
  list(APPEND arguments --type ${type})
endif()
list(APPEND arguments ${all})
# Run from the data folder so that messages name the file as the case does.
execute_process(COMMAND "${TOOL}" ${arguments} "${CASE}.bin"
  WORKING_DIRECTORY "${DATA}" OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT errors STREQUAL "")
  string(APPEND output "[stderr]\n${errors}")
endif()
string(APPEND output "[exit ${status}]\n")
set(expected_file "${DATA}/${CASE}.${ACTION}")
if(DEFINED ENV{QUORUM_MAIL_UPDATE})
  file(WRITE "${expected_file}" "${output}")
  return()
endif()
file(READ "${expected_file}" expected)
if(NOT output STREQUAL expected)
  file(WRITE "${WORK}/${CASE}.${ACTION}" "${output}")
  message(FATAL_ERROR "output differs from ${expected_file}; got ${WORK}/${CASE}.${ACTION}:\n"
    "${output}")
endif()
