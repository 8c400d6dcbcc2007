#pragma once

#include <schemakit/schemakit_export.h>

#include "DatabaseConnection.h"
#include "SchemaDataEngine.h"
#include "SqlQueryModel.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace schemakit {

/// The engine on a real database, through Qt SQL.
///
/// DatabaseName names the database, checked in this order each time it is used:
///  1. the name of a Qt SQL connection the application has added
///     (QSqlDatabase::addDatabase), used as it is and never closed here;
///  2. a PostgreSQL connection string: a "postgresql://" or "postgres://" URI, or
///     libpq's keyword/value form beginning with a libpq keyword and "="
///     ("host=127.0.0.1 port=5432 dbname=sales user=report");
///  3. otherwise the path of an existing SQLite database file (or an SQLite
///     "file:" URI), the embedded default that needs no set-up. A missing file is
///     an error, never a new empty database.
///
/// For 2 and 3 the engine opens a connection of its own on first use and keeps
/// it until DatabaseName changes or the engine goes.
///
/// FillItemList lists, after what OnGetItemList put into the list, the tables and
/// views of the database whose names match Pattern (a file-name wildcard; "*.*",
/// the default, matches every name, dotted or not), sorted by name; with
/// ShowSystemTables also the database's system tables (SQLite's sqlite_*,
/// PostgreSQL's pg_catalog). FillSubItemList appends, after the handler's
/// entries, the fields of the table the box's caption names, in table order.
/// ExecSQL runs a statement the event does not answer in the engine's one query
/// model, which every such call reuses. Database errors reach the caller as
/// Exception with the database's text; nothing half-opened stays behind.
class SCHEMAKIT_EXPORT TSchemaBDEDataEngine : public TSchemaDataEngine {
    Q_OBJECT
    Q_PROPERTY(bool ShowSystemTables READ ShowSystemTables WRITE SetShowSystemTables)
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE SetDatabaseName)
    Q_PROPERTY(QString Pattern READ Pattern WRITE SetPattern)
public:
    /// An engine owned by `owner` (freed with it), with no database and the pattern "*.*".
    explicit TSchemaBDEDataEngine(QObject* owner = nullptr);
    ~TSchemaBDEDataEngine() override;

    ///@{
    /// Whether FillItemList also lists the database's system tables.
    bool ShowSystemTables() const noexcept { return FShowSystemTables; }
    void SetShowSystemTables(bool value) noexcept { FShowSystemTables = value; }
    ///@}
    /// The database the engine works on: a Qt SQL connection name, a PostgreSQL
    /// connection string or an SQLite file.
    const QString& DatabaseName() const noexcept { return FDatabaseName; }
    /// Names another database.
    /// A new name empties the query's result and lets go of the old connection.
    void SetDatabaseName(const QString& value);
    ///@{
    /// The file-name wildcard the listed table names must match (see MatchesMask).
    const QString& Pattern() const noexcept { return FPattern; }
    void SetPattern(const QString& value) { FPattern = value; }
    ///@}

    /// Lists, after the handler's entries, the tables and views matching Pattern, sorted by name.
    void FillItemList(TStringList& List) override;
    /// Appends, after the handler's entries, the fields of the table the box's caption names.
    void FillSubItemList(TSchemaItem* Item, TStringList& List) override;
    /// The event's result set when it gives one; otherwise the engine's query,
    /// the same object on every call, now showing this statement's result. On an
    /// error the query is left empty and the error raised. The text must hold
    /// one statement: a ";" with only blanks or comments after it is dropped,
    /// a second statement is refused before anything runs, and a text without
    /// any statement (empty, blanks, comments) is an error. A row that cannot
    /// be fetched later, while a view scrolls, is reported by the query model
    /// (TSchemaQueryModel::fetchFailed), not hidden.
    QAbstractItemModel* ExecSQL(const QString& SQL) override;

    /// The query behind ExecSQL: null until the first statement the event did
    /// not answer.
    TSchemaQueryModel* Query() const noexcept { return FQuery.get(); }
    /// The open database DatabaseName names, for what the engine does not do
    /// itself; raises when it cannot be opened. Keep the handle only while using
    /// it: the engine removes its own connection when DatabaseName changes.
    QSqlDatabase Database();

private:
    void ReleaseQuery();

    bool FShowSystemTables = false;
    QString FDatabaseName;
    QString FPattern;
    TDatabaseConnection FConnection;
    // Declared after the connection, so it goes first: a query must never
    // outlive the connection it runs on.
    std::unique_ptr<TSchemaQueryModel> FQuery;
};

} // namespace schemakit
