include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS SchemaKit EXPORT SchemaKitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# Public headers keep their folder: <schemakit/diagram/SchmCntr.h>; the export
# header sits beside the folders: <schemakit/schemakit_export.h>.
foreach(header IN LISTS SCHEMAKIT_PUBLIC_HEADERS)
  get_filename_component(folder "${header}" DIRECTORY)
  install(FILES "src/${header}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/schemakit/${folder}")
endforeach()
install(FILES "${SCHEMAKIT_EXPORT_INCLUDE_DIR}/schemakit/schemakit_export.h"
  DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/schemakit")

install(EXPORT SchemaKitTargets NAMESPACE SchemaKit::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)

# A static library brings the Qt modules it uses privately to the application's
# link, so its users have to find them too.
set(SCHEMAKIT_QT_COMPONENTS "Core Gui Widgets Sql")
if(NOT BUILD_SHARED_LIBS)
  string(APPEND SCHEMAKIT_QT_COMPONENTS " Svg")
endif()
configure_package_config_file(cmake/SchemaKitConfig.cmake.in
  "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfig.cmake"
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)
write_basic_package_version_file("${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfig.cmake"
  "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfigVersion.cmake"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)

# pkg-config: lib/pkgconfig/schemakit.pc (lib/<multiarch>/pkgconfig under /usr on
# Debian). The prefix is found from the file's own place, so a tree installed with
# `cmake --install --prefix DIR` is right wherever DIR is; absolute install
# directories are written as they are.
function(schemakit_pc_dir var dir)
  if(IS_ABSOLUTE "${dir}")
    set(${var} "${dir}" PARENT_SCOPE)
  else()
    set(${var} "\${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()
set(SCHEMAKIT_PC_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
if(IS_ABSOLUTE "${SCHEMAKIT_PC_INSTALL_DIR}")
  set(SCHEMAKIT_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH _schemakit_pc_up "/prefix/${SCHEMAKIT_PC_INSTALL_DIR}" "/prefix")
  string(REGEX REPLACE "/$" "" _schemakit_pc_up "${_schemakit_pc_up}")
  set(SCHEMAKIT_PC_PREFIX "\${pcfiledir}/${_schemakit_pc_up}")
endif()
schemakit_pc_dir(SCHEMAKIT_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
schemakit_pc_dir(SCHEMAKIT_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
set(SCHEMAKIT_PC_REQUIRES_PRIVATE "")
if(NOT BUILD_SHARED_LIBS)
  set(SCHEMAKIT_PC_REQUIRES_PRIVATE "Requires.private: Qt6Svg")
endif()
configure_file(cmake/schemakit.pc.in "${CMAKE_CURRENT_BINARY_DIR}/schemakit.pc" @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/schemakit.pc" DESTINATION "${SCHEMAKIT_PC_INSTALL_DIR}")
