# The API reference: `cmake --build build --target docs` runs Doxygen over the
# public headers and writes HTML to build/docs/html. Doxygen treats every warning
# (an undocumented public member, a stale parameter name) as an error, so the
# target fails until the headers are documented again. Without Doxygen there is
# no docs target.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  return()
endif()

# The headers as an application includes them: through the build tree's
# include/schemakit link to src/, so that Doxygen shows
# #include <schemakit/diagram/SchmCntr.h>.
# The installed headers, less those that only carry the layout of a public
# class's members (their contents are the library's own business).
set(SCHEMAKIT_DOCS_HEADERS ${SCHEMAKIT_PUBLIC_HEADERS})
list(REMOVE_ITEM SCHEMAKIT_DOCS_HEADERS builder/HandleRegistry.h diagram/RelationGeometry.h
  diagram/ShapeGeometry.h package/GridGeometry.h package/TextWidthCache.h)

set(SCHEMAKIT_DOCS_INPUT "")
foreach(header IN LISTS SCHEMAKIT_DOCS_HEADERS)
  string(APPEND SCHEMAKIT_DOCS_INPUT " \\\n    \"${SCHEMAKIT_BUILD_INCLUDE_DIR}/schemakit/${header}\"")
endforeach()
set(SCHEMAKIT_DOCS_OUTPUT_DIR "${PROJECT_BINARY_DIR}/docs")

configure_file(docs/Doxyfile.in "${SCHEMAKIT_DOCS_OUTPUT_DIR}/Doxyfile" @ONLY)
add_custom_target(docs
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${SCHEMAKIT_DOCS_OUTPUT_DIR}/html"
  COMMAND Doxygen::doxygen "${SCHEMAKIT_DOCS_OUTPUT_DIR}/Doxyfile"
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  COMMENT "Generating the API reference in ${SCHEMAKIT_DOCS_OUTPUT_DIR}/html"
  VERBATIM)
