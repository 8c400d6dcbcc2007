#pragma once

#include <schemakit/package/Exceptions.h>

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

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
