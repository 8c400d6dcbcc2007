# Listing the tables and fields of a large SQLite database through the Qt SQL
# data engine, against the same listing done with QSqlDatabase directly.
schemakit_add_benchmark(bench_engines SOURCES engines_bench.cpp)
