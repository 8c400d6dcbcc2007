# Data engine base, dialect, event engine and Qt SQL engine.
list(APPEND SCHEMAKIT_CORE_SOURCES
  engines/ConnectionString.cpp
  engines/SchemaCustomDataEngine.cpp
  engines/SchemaDataEngine.cpp
  engines/SqlDialect.cpp
  engines/SqlNames.cpp
  engines/SqlStatement.cpp
)
list(APPEND SCHEMAKIT_GUI_SOURCES
  engines/DatabaseConnection.cpp
  engines/DatabaseSession.cpp
  engines/SchemaBDEDataEngine.cpp
  engines/SqlCatalog.cpp
  engines/SqlQueryModel.cpp
)
