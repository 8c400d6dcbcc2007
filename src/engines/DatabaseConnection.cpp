#include "DatabaseConnection.h"

#include "ConnectionString.h"

#include "../package/Exceptions.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

namespace schemakit {

namespace {

constexpr QLatin1StringView kEnginePrefix("schemakit.engine.");

QString NewEngineConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QString(kEnginePrefix) + QString::number(++counter);
}

[[noreturn]] void RaiseDatabaseError(const QSqlError& error)
{
    throw Exception(DatabaseErrorText(error));
}

void ConfigureSqlite(QSqlDatabase& db, const QString& databaseName)
{
    // A URI lets SQLite open the file without creating it ("mode=rw"); the path
    // is percent-encoded, so "?" or "#" in a file name stay part of the name.
    if (databaseName.startsWith(QLatin1String("file:"))) {
        db.setDatabaseName(databaseName);
    } else {
        const QString path = QFileInfo(databaseName).absoluteFilePath();
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    }
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
}

void ConfigurePostgres(QSqlDatabase& db, const QString& databaseName)
{
    const TPgConnectionParams params = ParsePgConnectionString(databaseName);
    db.setHostName(params.Host);
    if (params.Port > 0)
        db.setPort(params.Port);
    db.setDatabaseName(params.DatabaseName);
    db.setUserName(params.UserName);
    db.setPassword(params.Password);
    db.setConnectOptions(params.ConnectOptions());
}

} // namespace

bool IsEngineConnectionName(const QString& connectionName)
{
    return connectionName.startsWith(kEnginePrefix);
}

QString DatabaseErrorText(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText().trimmed() : text;
}

TDatabaseConnection::TDatabaseConnection() = default;

TDatabaseConnection::~TDatabaseConnection()
{
    Close();
}

void TDatabaseConnection::Close()
{
    if (FOwnName.isEmpty())
        return;
    FOwn.close();
    FOwn = QSqlDatabase(); // the last handle must go before the connection is removed
    QSqlDatabase::removeDatabase(FOwnName);
    FOwnName.clear();
    FOpenedFor.clear();
}

QSqlDatabase TDatabaseConnection::Open(const QString& databaseName)
{
    if (databaseName.isEmpty())
        throw Exception(QStringLiteral("No database name is set"));
    // An application connection of that name always wins, also over a file of
    // the same name that was opened here before it was added.
    if (QSqlDatabase::contains(databaseName)) {
        Close();
        QSqlDatabase db = QSqlDatabase::database(databaseName, false);
        if (!db.isOpen() && !db.open())
            RaiseDatabaseError(db.lastError());
        return db;
    }
    return OpenOwn(databaseName);
}

QSqlDatabase TDatabaseConnection::OpenOwn(const QString& databaseName)
{
    if (!FOwnName.isEmpty() && FOpenedFor == databaseName) {
        if (FOwn.isOpen())
            return FOwn;
        if (FOwn.open())
            return FOwn;
        const QSqlError error = FOwn.lastError();
        Close();
        RaiseDatabaseError(error);
    }
    Close();

    const bool postgres = IsPgConnectionString(databaseName);
    const QString name = NewEngineConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
    FOwnName = name;
    FOpenedFor = databaseName;
    try {
        if (postgres)
            ConfigurePostgres(db, databaseName);
        else
            ConfigureSqlite(db, databaseName);
    } catch (...) {
        db = QSqlDatabase();
        Close();
        throw;
    }
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        Close();
        RaiseDatabaseError(error);
    }
    FOwn = db;
    return FOwn;
}

} // namespace schemakit
