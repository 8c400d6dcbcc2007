# Data engine base, dialect, event engine and Qt SQL engine.
list(APPEND SCHEMAKIT_GUI_SOURCES)
