#include "DatabaseConnection.h"

#include "ConnectionString.h"

#include "../package/Exceptions.h"

#include <QAtomicInteger>
#include <QCoreApplication>
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

// The "file:" URI as given, but opening read-write without creating: no "mode"
// becomes "mode=rw" and "mode=rwc" becomes "mode=rw"; "ro" and "memory" stay.
// The parameters end at "#", which SQLite ignores with what follows.
QString WithoutCreate(const QString& uri)
{
    const qsizetype hash = uri.indexOf(u'#');
    const QString fragment = hash < 0 ? QString() : uri.mid(hash);
    const QString body = hash < 0 ? uri : uri.left(hash);
    const qsizetype question = body.indexOf(u'?');
    const QString path = question < 0 ? body : body.left(question);
    QStringList params = question < 0 ? QStringList() : body.mid(question + 1).split(u'&');
    bool hasMode = false;
    for (QString& param : params) {
        if (!param.startsWith(QLatin1String("mode=")))
            continue;
        hasMode = true;
        if (param == QLatin1String("mode=rwc"))
            param = QStringLiteral("mode=rw");
    }
    if (!hasMode)
        params << QStringLiteral("mode=rw");
    params.removeAll(QString());
    return path + u'?' + params.join(u'&') + fragment;
}

void ConfigureSqlite(QSqlDatabase& db, const QString& databaseName)
{
    // A URI lets SQLite open the file without creating it ("mode=rw"); the path
    // is percent-encoded, so "?" or "#" in a file name stay part of the name.
    if (databaseName.startsWith(QLatin1String("file:"))) {
        db.setDatabaseName(WithoutCreate(databaseName));
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
    // SQLite answers "not an error" where Qt's driver refused something before
    // SQLite saw it (several statements at a time): the driver's text explains.
    const QString text = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (text.isEmpty() || text.compare(QLatin1String("not an error"), Qt::CaseInsensitive) == 0)
        return driver.isEmpty() ? text : driver;
    return text;
}

void RaiseDatabaseError(const QSqlError& error, const QString& statement)
{
    throw EDatabaseError(DatabaseErrorText(error), EDatabaseError::TErrorType(error.type()), error.nativeErrorCode(),
                         error.driverText(), error.databaseText(), statement);
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
        throw Exception(QCoreApplication::translate("schemakit", "No database name is set"));
    // SQLite and libpq read a name only up to a NUL, so what follows it would be
    // dropped without a word and another database opened.
    if (databaseName.contains(QChar(0)))
        throw Exception(QCoreApplication::translate("schemakit", "The database name contains a NUL character"));
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
