#include "SampleDatabase.h"

#include "SampleScript.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <stdexcept>

// The script lives in this static library's resources; nothing else refers to
// them, so the linker would drop them unless they are registered by name.
static void InitSampleResources()
{
    Q_INIT_RESOURCE(schemakit_sample);
}

namespace sample {

namespace {

QString CacheDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("schemakit"));
}

// Runs the script into a new SQLite file; returns the database's error text, or
// an empty string when every statement ran.
QString BuildDatabase(const QString& path, const QString& script)
{
    const QString connection = QStringLiteral("schemakit-sample-builder");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            db.transaction();
            for (const QString& statement : SplitScript(script)) {
                if (!query.exec(statement)) {
                    failure = query.lastError().text();
                    break;
                }
            }
            if (failure.isEmpty())
                db.commit();
            query = QSqlQuery();
            db.close();
        } else {
            failure = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return failure;
}

} // namespace

QString EnsureSampleDatabase()
{
    InitSampleResources();
    QFile scriptFile(QStringLiteral(":/sample/sample.sql"));
    if (!scriptFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("the bundled sample script is missing");
    const QByteArray bytes = scriptFile.readAll();
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12));

    const QString dir = CacheDirectory();
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot make the directory " + dir.toStdString());
    const QString path = QDir(dir).filePath(QStringLiteral("sample-%1.db").arg(digest));
    if (QFile::exists(path))
        return path;

    // Build into a file of this process and move it into place, so that an
    // interrupted first run never leaves half a database behind and two programs
    // starting at once never write into each other's file.
    const QString building = path + QStringLiteral(".part%1").arg(QCoreApplication::applicationPid());
    QFile::remove(building);
    const QString failure = BuildDatabase(building, QString::fromUtf8(bytes));
    if (!failure.isEmpty()) {
        QFile::remove(building);
        throw std::runtime_error(failure.toStdString());
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        // Another program may have moved its copy into place first.
        if (!QFile::exists(path))
            throw std::runtime_error("cannot move the sample database into " + path.toStdString());
    }
    return path;
}

} // namespace sample
