# Install rules: the library, its public headers below
# include/QuorumMailboxManagerCommon/, a CMake package with a version file
# and a pkg-config file.

include(CMakePackageConfigHelpers)

set(quorum_package QuorumMailboxManagerCommon)
set(quorum_cmake_dir "${CMAKE_INSTALL_LIBDIR}/cmake/${quorum_package}")
set(quorum_library_name Quorum.Server.MailboxManager.Common)

install(TARGETS QuorumMailboxManagerCommon
  EXPORT ${quorum_package}Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY "${PROJECT_SOURCE_DIR}/Source/" "${PROJECT_BINARY_DIR}/GeneratedInclude/"
  DESTINATION ${QUORUM_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.h"
  PATTERN "Internal" EXCLUDE)
install(EXPORT ${quorum_package}Targets
  NAMESPACE Quorum::
  DESTINATION ${quorum_cmake_dir})

# ICU is linked privately: a consumer of the shared library needs nothing of
# it, a consumer of the static archive needs ICU's library to link.
if(BUILD_SHARED_LIBS)
  set(quorum_config_dependencies "")
  set(quorum_pc_requires_private "")
else()
  set(quorum_config_dependencies "include(CMakeFindDependencyMacro)\nfind_dependency(ICU COMPONENTS uc)\n")
  set(quorum_pc_requires_private "Requires.private: icu-uc\n")
endif()
# The former per-layer names, as in the build tree (Source/CMakeLists.txt):
# targets of the package's namespace that stand for the one library.
file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/${quorum_package}Config.cmake" CONTENT [=[
@quorum_config_dependencies@include("${CMAKE_CURRENT_LIST_DIR}/@quorum_package@Targets.cmake")
foreach(_quorum_layer IN ITEMS Strata Conduit Common Commons)
  if(NOT TARGET Quorum::${_quorum_layer})
    add_library(Quorum::${_quorum_layer} INTERFACE IMPORTED)
    set_target_properties(Quorum::${_quorum_layer} PROPERTIES
      INTERFACE_LINK_LIBRARIES Quorum::MailboxManagerCommon)
  endif()
endforeach()
unset(_quorum_layer)
]=] @ONLY)
write_basic_package_version_file("${PROJECT_BINARY_DIR}/${quorum_package}ConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_BINARY_DIR}/${quorum_package}Config.cmake"
  "${PROJECT_BINARY_DIR}/${quorum_package}ConfigVersion.cmake"
  DESTINATION ${quorum_cmake_dir})

# The .pc file names the prefix relative to its own folder, so an installed
# tree can be moved.
file(RELATIVE_PATH quorum_pc_to_prefix "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/${quorum_package}.pc" CONTENT [=[
prefix=${pcfiledir}/@quorum_pc_to_prefix@
libdir=${prefix}/@CMAKE_INSTALL_LIBDIR@
includedir=${prefix}/@QUORUM_INSTALL_INCLUDEDIR@

Name: @quorum_package@
Description: @PROJECT_DESCRIPTION@
Version: @PROJECT_VERSION@
@quorum_pc_requires_private@Libs: -L${libdir} -l@quorum_library_name@
Cflags: -I${includedir}
]=] @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/${quorum_package}.pc"
  DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
