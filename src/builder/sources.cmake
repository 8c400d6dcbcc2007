# Query-builder form, SQL generation and builder dialog.
list(APPEND SCHEMAKIT_CORE_SOURCES
  builder/ColumnGrid.cpp
  builder/ColumnGridGeometry.cpp
  builder/HandleRegistry.cpp
  builder/SqlAnsiJoins.cpp
  builder/SqlExpansion.cpp
  builder/SqlGeneration.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  builder/ColumnGridView.cpp
  builder/DataSource.h
  builder/SQLBuilderDialog.cpp
  builder/SQLBuilderForm.cpp
  builder/SQLBuilderFrame.cpp
)
