#pragma once

#include <schemakit/schemakit_export.h>

#include <QSqlDatabase>
#include <QString>

class QSqlError;

namespace schemakit {

/// What a data engine's DatabaseName stands for, resolved at the moment of use:
///
/// 1. the name of a Qt SQL connection the application has added
///    (QSqlDatabase::addDatabase): used as it is, opened if it is not open yet,
///    never closed or removed here;
/// 2. a PostgreSQL connection string, either a URI ("postgresql://user@host:5432/
///    sales?sslmode=disable") or libpq's keyword/value form ("host=db1 port=5432
///    dbname=sales user=report"), recognised by its scheme or by a libpq keyword
///    and "=" at the start: a QPSQL connection of its own is opened with it;
/// 3. anything else is the path of an existing SQLite database file (or an SQLite
///    "file:" URI, passed on as it is): a QSQLITE connection of its own is opened
///    read-write. A file that does not exist is an error, not a new database, so
///    a mistyped name never quietly shows an empty database.
///
/// The connection made for 2 and 3 is opened on first use, kept while the name
/// stays the same, and removed when the name changes or this object goes.
class SCHEMAKIT_EXPORT TDatabaseConnection {
public:
    /// No connection yet.
    TDatabaseConnection();
    ~TDatabaseConnection();
    TDatabaseConnection(const TDatabaseConnection&) = delete;
    TDatabaseConnection& operator=(const TDatabaseConnection&) = delete;

    /// The open database `databaseName` stands for. Raises an error carrying the
    /// database layer's text when it cannot be opened, and for an empty name.
    QSqlDatabase Open(const QString& databaseName);
    /// Removes the connection made here, if any. Queries on it must be gone.
    void Close();

    /// The Qt connection name of the connection made here (empty when none).
    const QString& OwnConnectionName() const noexcept { return FOwnName; }

private:
    QSqlDatabase OpenOwn(const QString& databaseName);

    QString FOwnName;
    QString FOpenedFor;
    QSqlDatabase FOwn;
};

/// Whether `connectionName` is a connection a data engine made for itself (those
/// are not offered as database names).
SCHEMAKIT_EXPORT bool IsEngineConnectionName(const QString& connectionName);

/// The text of a database-layer error: the database's own message where it gave
/// one, otherwise the driver's.
SCHEMAKIT_EXPORT QString DatabaseErrorText(const QSqlError& error);

/// Raises EDatabaseError for `error`: DatabaseErrorText as its message, the
/// driver's details and the failed statement (empty when none ran) beside it.
[[noreturn]] void RaiseDatabaseError(const QSqlError& error, const QString& statement = QString());

} // namespace schemakit
