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

# quorum_add_library(<target> <output-name> <folder> [DEPENDS libs...])
# builds a shared library from every .cpp below Source/<folder>.
function(quorum_add_library target output_name folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS;PRIVATE_DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/Source/${folder}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/Source/${folder}/*.h")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/Source/${excluded}/")
    list(FILTER headers EXCLUDE REGEX "/Source/${excluded}/")
  endforeach()
  add_library(${target} SHARED ${sources} ${headers})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME "${output_name}"
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${target} PUBLIC
    "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/Source>"
    "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>")
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
  quorum_configure_target(${target})
endfunction()
