#include "SqlCatalog.h"

#include "DatabaseConnection.h"
#include "SqlNames.h"

#include "../package/Exceptions.h"
#include "../package/StringList.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace schemakit {

namespace {

// SQLite reserves names starting with "sqlite_" for itself.
constexpr QLatin1StringView kSqliteTables(
    "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
constexpr QLatin1StringView
    kSqliteAllTables("SELECT name FROM sqlite_master WHERE type IN ('table', 'view') UNION ALL SELECT 'sqlite_master'");

// Relations the search_path shows by their bare name; pg_catalog is always on
// it, the toast and temporary schemas are left out.
constexpr QLatin1StringView kPostgresTables(
    "SELECT c.relname FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
    "WHERE c.relkind IN ('r', 'p', 'v', 'm', 'f') AND pg_catalog.pg_table_is_visible(c.oid) "
    "AND n.nspname <> 'information_schema' AND n.nspname NOT LIKE 'pg\\_%'");
constexpr QLatin1StringView kPostgresAllTables(
    "SELECT c.relname FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
    "WHERE c.relkind IN ('r', 'p', 'v', 'm', 'f') AND pg_catalog.pg_table_is_visible(c.oid) "
    "AND n.nspname <> 'information_schema' AND (n.nspname NOT LIKE 'pg\\_%' OR n.nspname = 'pg_catalog')");

QSqlDriver::DbmsType Dbms(const QSqlDatabase& db)
{
    return db.driver() ? db.driver()->dbmsType() : QSqlDriver::UnknownDbms;
}

QStringList QueryNames(const QSqlDatabase& db, QLatin1StringView sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql))
        RaiseDatabaseError(query.lastError(), sql);
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

} // namespace

QStringList CatalogTableNames(const QSqlDatabase& db, bool systemTables)
{
    QStringList names;
    switch (Dbms(db)) {
    case QSqlDriver::SQLite: names = QueryNames(db, systemTables ? kSqliteAllTables : kSqliteTables); break;
    case QSqlDriver::PostgreSQL: names = QueryNames(db, systemTables ? kPostgresAllTables : kPostgresTables); break;
    default: {
        QSql::TableType types = QSql::TableType(QSql::Tables | QSql::Views);
        if (systemTables)
            types = QSql::TableType(types | QSql::SystemTables);
        names = db.tables(types);
        if (db.lastError().isValid())
            RaiseDatabaseError(db.lastError());
        break;
    }
    }
    std::sort(names.begin(), names.end(), TableNameLess);
    return names;
}

QString QuotedTableName(const QSqlDatabase& db, const QString& table)
{
    switch (Dbms(db)) {
    case QSqlDriver::SQLite:
    case QSqlDriver::PostgreSQL: return QuoteIdentifier(table);
    default: return db.driver()->escapeIdentifier(table, QSqlDriver::TableName);
    }
}

void AppendFieldNames(const QSqlDatabase& db, const QString& table, TStringList& list)
{
    // The queries are locals: none outlives this call, whatever happens.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (Dbms(db) == QSqlDriver::SQLite) {
        // Qt's SQLite driver drops double quotes from result column names, so the
        // names come from the catalog. Hidden columns of virtual tables are left
        // out, as "SELECT *" does.
        const QString pragma = u"PRAGMA table_xinfo(%1)"_s.arg(QuoteIdentifier(table));
        if (!query.exec(pragma))
            RaiseDatabaseError(query.lastError(), pragma);
        bool any = false;
        while (query.next()) {
            if (query.value(6).toInt() != 1)
                list.Add(query.value(1).toString());
            any = true;
        }
        // Every SQLite table has a column, so none means no such table; the
        // statement below fails with SQLite's own message for it.
        if (any)
            return;
    }
    // Reading the columns of an empty result works alike for tables and views on
    // every driver, and a missing table fails with the database's own message.
    const QString columns = QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(QuotedTableName(db, table));
    if (!query.exec(columns))
        RaiseDatabaseError(query.lastError(), columns);
    const QSqlRecord fields = query.record();
    for (int i = 0; i < fields.count(); ++i)
        list.Add(fields.fieldName(i));
}

} // namespace schemakit
