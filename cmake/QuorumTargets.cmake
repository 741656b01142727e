# Common settings for every target of this project.
#
# quorum_configure_target(<target>) applies the language level, the warning
# set, hidden symbol visibility and the source-path mapping that makes
# __FILE__ (and so every recorded exception location) relative to the
# repository root, e.g. "Source/Quorum/Server/Mail/MailId.cpp".

function(quorum_configure_target target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES
    CXX_EXTENSIONS OFF
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic
    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=")
  if(QUORUM_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(QUORUM_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
  if(QUORUM_COVERAGE)
    target_compile_options(${target} PRIVATE -fprofile-instr-generate -fcoverage-mapping)
    target_link_options(${target} PUBLIC -fprofile-instr-generate)
  endif()
  if(QUORUM_BUILD_FUZZERS)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# Installed headers live in a folder of their own below the include directory,
# so that Strata/ and Conduit/ do not sit at the top of a shared prefix.
set(QUORUM_INSTALL_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/QuorumMailboxManagerCommon")

# quorum_write_umbrella(<output> <folder> <headers>) writes a header that
# includes every header of <headers> lying below <folder>/ (a path relative to
# Source/ or to the generated include directory), after the language check
# that every public header includes first. The file is rewritten only
# when its content changes.
function(quorum_write_umbrella output folder headers)
  set(lines "// Generated: includes every public header below ${folder}/.\n#pragma once\n\n")
  string(APPEND lines "#include \"Strata/RequiresCxx20.h\"\n\n")
  set(included)
  foreach(header IN LISTS headers)
    string(REGEX REPLACE "^.*/(Source|GeneratedInclude)/" "" relative "${header}")
    if(relative MATCHES "^${folder}/")
      list(APPEND included "${relative}")
    endif()
  endforeach()
  list(SORT included)
  foreach(relative IN LISTS included)
    string(APPEND lines "#include \"${relative}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT "${output}" CONTENT "${lines}" @ONLY)
endfunction()

# quorum_set_install_rpath(<target>) lets a program installed to the binary
# folder find the installed library wherever the prefix is: its run path
# names the library folder relative to its own ($ORIGIN/../lib).
function(quorum_set_install_rpath target)
  file(RELATIVE_PATH to_libdir "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}")
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_libdir}")
endfunction()
