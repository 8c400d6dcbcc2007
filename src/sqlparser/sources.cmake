# SQL tokenizer and clause parser: QtCore only.
list(APPEND SCHEMAKIT_CORE_SOURCES
  sqlparser/SqlClauseParser.cpp
  sqlparser/SqlKeywords.cpp
  sqlparser/SqlListOperations.cpp
  sqlparser/SqlTokenizer.cpp
)
