#pragma once

#include "QtPrinters.h"

#include <schemakit/engines/ZBDB.h>
#include <schemakit/package/Exceptions.h>

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>


namespace schemakit::test {

// The statements of the demo's sample schema (resources/sample/sample.sql).
QStringList SampleStatements();
// Runs the statements on db; a failing one fails the calling test.
void RunStatements(QSqlDatabase db, const QStringList& statements);
// Creates an SQLite file at path holding the sample schema and its rows.
void CreateSampleSqlite(const QString& path);
// The tables of the sample schema, as the engines list them.
QStringList SampleTables();
// A PostgreSQL connection string (libpq keyword/value form or URI) with one
// more keyword, written in the string's own form.
QString WithPgOption(const QString& server, const QString& key, const QString& value);

// A schema of its own on the PostgreSQL server that SCHEMAKIT_TEST_PG names,
// loaded with the sample schema and `extra` statements, and dropped again when
// this goes. Without a usable server, Unavailable() says why.
class TPgSampleSchema {
public:
    TPgSampleSchema(const QString& prefix, const QStringList& extra = {});
    ~TPgSampleSchema();
    TPgSampleSchema(const TPgSampleSchema&) = delete;
    TPgSampleSchema& operator=(const TPgSampleSchema&) = delete;

    // Empty while the schema can be used.
    const QString& Unavailable() const noexcept { return FUnavailable; }
    // A connection string that reaches the schema through its search_path
    // alone, the way an application picks a schema.
    const QString& Database() const noexcept { return FDatabase; }
    const QString& Schema() const noexcept { return FSchema; }
    // For a SetUp when Unavailable() is not empty: skips the test, or fails it
    // under SCHEMAKIT_REQUIRE_PG=1.
    void SkipOrFail() const;

private:
    QString FUnavailable;
    QString FSchema;
    QString FDatabase;
    std::unique_ptr<TSchemaBDEDataEngine> FAdmin;
};

// The message of the Exception `call` raises, or a note that it raised none.
template <typename Call>
QString ErrorOf(Call&& call)
{
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

} // namespace schemakit::test
