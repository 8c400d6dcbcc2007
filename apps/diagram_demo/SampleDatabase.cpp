#include "SampleDatabase.h"

#include "SampleScript.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <stdexcept>

namespace demo {

QString EnsureSampleDatabase()
{
    QFile scriptFile(QStringLiteral(":/demo/sample.sql"));
    if (!scriptFile.open(QIODevice::ReadOnly))
        throw std::runtime_error("the bundled sample script is missing");
    const QByteArray bytes = scriptFile.readAll();
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12));

    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("schemakit-sample-%1.db").arg(digest));
    if (QFile::exists(path))
        return path;
    const QString script = QString::fromUtf8(bytes);

    // Build into a temporary file and move it into place, so that an interrupted
    // first run never leaves half a database behind.
    const QString building = path + QStringLiteral(".part");
    QFile::remove(building);
    const QString connection = QStringLiteral("schemakit-sample-builder");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(building);
        if (db.open()) {
            QSqlQuery query(db);
            db.transaction();
            for (const QString& statement : sample::SplitScript(script)) {
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
    if (!failure.isEmpty()) {
        QFile::remove(building);
        throw std::runtime_error(failure.toStdString());
    }
    if (!QFile::rename(building, path))
        throw std::runtime_error("cannot move the sample database into place");
    return path;
}

} // namespace demo
