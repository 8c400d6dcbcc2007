# Translations of the library's texts. The sources are translations/schemakit_<lang>.ts,
# kept in the repository; `cmake --build <dir> --target SchemaKit_lupdate` (or
# update_translations) refreshes them from the code. lrelease turns them into .qm
# files at build time, which are built into the library as resources
# (:/schemakit/i18n/schemakit_<lang>.qm, what schemakit::InstallTranslator loads)
# and installed to <datadir>/schemakit/translations for applications that load
# them themselves. Without Qt's LinguistTools the library is built without them.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(NOT Qt6LinguistTools_FOUND)
  message(STATUS "Qt6 LinguistTools not found (Debian package qt6-l10n-tools): SchemaKit is built without translations")
  return()
endif()
include(GNUInstallDirs)

set(SCHEMAKIT_TS_FILES
  "${PROJECT_SOURCE_DIR}/translations/schemakit_de.ts"
  "${PROJECT_SOURCE_DIR}/translations/schemakit_fr.ts")
set(_schemakit_qm_dir "${PROJECT_BINARY_DIR}/translations")
set_source_files_properties(${SCHEMAKIT_TS_FILES} PROPERTIES OUTPUT_LOCATION "${_schemakit_qm_dir}")

# Every text sits in context "schemakit"; the resource strings carry their
# identifier as disambiguation. Line numbers are left out so that the .ts files
# change only when a text does.
file(GLOB_RECURSE _schemakit_tr_sources CONFIGURE_DEPENDS
  "${PROJECT_SOURCE_DIR}/src/*.cpp" "${PROJECT_SOURCE_DIR}/src/*.h")
qt_add_lupdate(SchemaKit
  TS_FILES ${SCHEMAKIT_TS_FILES}
  SOURCES ${_schemakit_tr_sources}
  INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}/src"
  OPTIONS -no-obsolete -locations none)
qt_add_lrelease(SchemaKit
  TS_FILES ${SCHEMAKIT_TS_FILES}
  QM_FILES_OUTPUT_VARIABLE SCHEMAKIT_QM_FILES)

# The .qm files are compiled into the objects that make the library (and its
# static copy for the tests) through a resource file of their own. The rcc step
# runs here, beside the lrelease steps it depends on.
set(_schemakit_qrc "${_schemakit_qm_dir}/schemakit_translations.qrc")
set(_schemakit_qrc_text "<RCC>\n  <qresource prefix=\"/schemakit/i18n\">\n")
foreach(_qm IN LISTS SCHEMAKIT_QM_FILES)
  get_filename_component(_qm_name "${_qm}" NAME)
  string(APPEND _schemakit_qrc_text "    <file alias=\"${_qm_name}\">${_qm}</file>\n")
endforeach()
string(APPEND _schemakit_qrc_text "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT "${_schemakit_qrc}" CONTENT "${_schemakit_qrc_text}")
qt_add_resources(_schemakit_qm_rcc "${_schemakit_qrc}")
add_custom_target(SchemaKit_translations_rcc DEPENDS ${_schemakit_qm_rcc})

if(TARGET schemakit_gui)
  set(_schemakit_qm_target schemakit_gui)
else()
  set(_schemakit_qm_target SchemaKit)
endif()
set_source_files_properties(${_schemakit_qm_rcc} TARGET_DIRECTORY ${_schemakit_qm_target}
  PROPERTIES GENERATED TRUE SKIP_AUTOGEN TRUE)
target_sources(${_schemakit_qm_target} PRIVATE ${_schemakit_qm_rcc})
add_dependencies(${_schemakit_qm_target} SchemaKit_translations_rcc)

install(FILES ${SCHEMAKIT_QM_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/schemakit/translations")
