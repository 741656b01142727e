# A program compiled as C++17 stops at this library's first header with one
# message saying C++20 is needed (cmake -P): COMPILER, SOURCE (Source/),
# GENERATED (the generated include folder) and WORK (a scratch folder).
#
# The umbrella header of the mail values gives the message first and in a
# few lines; every other public header gives it as its first diagnostic.
set(message "needs C++20: compile with -std=c++20")
# Compiles a file that includes `header` alone; sets `output` in the caller.
function(compile_cxx17 header)
  string(MAKE_C_IDENTIFIER "${header}" name)
  set(file "${WORK}/cxx17-${name}.cpp")
  file(WRITE "${file}" "#include \"${header}\"\nint main() { return 0; }\n")
  execute_process(COMMAND "${COMPILER}" -std=c++17 -fsyntax-only -I "${SOURCE}" -I "${GENERATED}"
    "${file}" OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
  if(status EQUAL 0)
    set(out "")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

# The first line that is a diagnostic, or the empty text.
function(first_diagnostic output result)
  string(REGEX MATCH "[^\n]*(error|warning)[^\n]*" line "${output}")
  set(${result} "${line}" PARENT_SCOPE)
endfunction()

compile_cxx17("Quorum/Server/Mail.h")
first_diagnostic("${output}" first)
string(REGEX MATCHALL "\n" newlines "${output}")
list(LENGTH newlines lines)
string(FIND "${first}" "${message}" at)
if(at EQUAL -1 OR lines GREATER 16)
  message(FATAL_ERROR "Quorum/Server/Mail.h as C++17 gave ${lines} lines:\n${output}")
endif()

file(GLOB_RECURSE headers RELATIVE "${SOURCE}" "${SOURCE}/*.h")
file(GLOB_RECURSE generated RELATIVE "${GENERATED}" "${GENERATED}/*.h")
list(APPEND headers ${generated})
list(FILTER headers EXCLUDE REGEX "(^|/)Internal/")
set(failures)
foreach(header IN LISTS headers)
  compile_cxx17("${header}")
  first_diagnostic("${output}" first)
  string(FIND "${first}" "${message}" at)
  if(at EQUAL -1)
    string(APPEND failures "\n  ${header}: ${first}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "headers whose first C++17 diagnostic is not the C++20 message:${failures}")
endif()
