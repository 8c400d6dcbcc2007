#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace schemakit {

class TStringList;

// The tables and views of an open database, sorted by name (letters without
// case first, then with case), so that every driver lists a schema alike.
// SQLite lists what sqlite_master holds; with systemTables also sqlite_master
// itself and the sqlite_* tables. PostgreSQL lists the relations visible on the
// connection's search_path, unqualified; with systemTables also the tables and
// views of pg_catalog. Other drivers answer through QSqlDatabase::tables().
QStringList CatalogTableNames(const QSqlDatabase& db, bool systemTables);

// Appends the field names of one table or view, in table order. A table that
// does not exist raises an error carrying the database's text.
void AppendFieldNames(const QSqlDatabase& db, const QString& table, TStringList& list);

// The table name as the database's SQL spells an identifier: standard double
// quotes for SQLite and PostgreSQL (a dot stays part of the name), the driver's
// own quoting for any other.
QString QuotedTableName(const QSqlDatabase& db, const QString& table);

} // namespace schemakit
