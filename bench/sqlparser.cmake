# SQL tokenizer and parser throughput, measured against SQLite's own statement
# scanner over the same generated text.
find_package(SQLite3 REQUIRED)
schemakit_add_benchmark(bench_sqlparser SOURCES sqlparser_bench.cpp LIBRARIES SQLite::SQLite3)
