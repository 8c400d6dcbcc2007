# Query-builder form, SQL generation and builder dialog.
list(APPEND SCHEMAKIT_GUI_SOURCES)
