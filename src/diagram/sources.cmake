# The pane, boxes, rows and links.
list(APPEND SCHEMAKIT_CORE_SOURCES
  diagram/AutoArrange.cpp
  diagram/ItemGeometry.cpp
  diagram/RelationGeometry.cpp
  diagram/Routing.cpp
  diagram/SchemaFile.cpp
  diagram/ShapeGeometry.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  diagram/DiagramAccessibility.cpp
  diagram/RelationDialog.cpp
  diagram/SchemaDesignArea.cpp
  diagram/SchemaDesignAreaExport.cpp
  diagram/SchemaDesignAreaFile.cpp
  diagram/SchemaItem.cpp
  diagram/SchemaItemToolbar.cpp
  diagram/SchemaListControls.cpp
  diagram/SchemaRelation.cpp
  diagram/SchemaShapes.cpp
  diagram/SchemaSubItem.cpp
)
