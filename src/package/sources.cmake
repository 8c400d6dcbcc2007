# Resource strings and the platform layer that stands in for the component framework.
list(APPEND SCHEMAKIT_CORE_SOURCES
  package/DesignRegistry.cpp
  package/Enumerations.h
  package/Exceptions.cpp
  package/GridGeometry.cpp
  package/ResourceStrings.cpp
  package/StringList.cpp
  package/SysUtils.cpp
  package/Translation.cpp
  package/WindowMetrics.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  package/BoxWindow.cpp
  package/Color.cpp
  package/ControlDrag.cpp
  package/DialogService.cpp
  package/DrawGrid.cpp
  package/ErrorBoundary.cpp
  package/Font.cpp
  package/GroupBox.cpp
  package/ImageList.cpp
  package/PlatformMetrics.cpp
  package/RadioGroup.cpp
  package/SchmReg.cpp
  package/ScrollBox.cpp
  package/TextWidthCache.cpp
  package/WindowLock.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  package/OwnerDrawList.cpp
  package/PaintBox.cpp
  package/TreeView.cpp
)
