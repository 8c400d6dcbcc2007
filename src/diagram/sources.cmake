# The pane, boxes, rows and links.
list(APPEND SCHEMAKIT_CORE_SOURCES
  diagram/ItemGeometry.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  diagram/SchemaDesignArea.cpp
  diagram/SchemaItem.cpp
  diagram/SchemaListControls.cpp
  diagram/SchemaRelation.cpp
  diagram/SchemaShapes.cpp
  diagram/SchemaSubItem.cpp
)
