include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS SchemaKit EXPORT SchemaKitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# Public headers keep their folder: <schemakit/diagram/SchmCntr.h>.
install(DIRECTORY src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/schemakit
  FILES_MATCHING PATTERN "*.h")

install(EXPORT SchemaKitTargets NAMESPACE SchemaKit::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)

configure_package_config_file(cmake/SchemaKitConfig.cmake.in
  "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfig.cmake"
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)
write_basic_package_version_file("${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfig.cmake"
  "${CMAKE_CURRENT_BINARY_DIR}/SchemaKitConfigVersion.cmake"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/SchemaKit)
