#include "EngineTestSupport.h"

#include "SampleScript.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <gtest/gtest.h>

namespace schemakit::test {

QStringList SampleStatements()
{
    QFile file(QStringLiteral(SCHEMAKIT_TEST_DATA_DIR "/../../resources/sample/sample.sql"));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    return sample::SplitScript(QString::fromUtf8(file.readAll()));
}

void RunStatements(QSqlDatabase db, const QStringList& statements)
{
    QSqlQuery query(db);
    for (const QString& statement : statements)
        ASSERT_TRUE(query.exec(statement)) << statement.toStdString() << ": " << query.lastError().text().toStdString();
}

void CreateSampleSqlite(const QString& path)
{
    const QString connection = QStringLiteral("engine-test-sample-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        RunStatements(db, SampleStatements());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

QStringList SampleTables()
{
    return {QStringLiteral("categories"),  QStringLiteral("customers"), QStringLiteral("employees"),
            QStringLiteral("order_items"), QStringLiteral("orders"),    QStringLiteral("payments"),
            QStringLiteral("products"),    QStringLiteral("regions"),   QStringLiteral("shippers"),
            QStringLiteral("suppliers")};
}

QString WithPgOption(const QString& server, const QString& key, const QString& value)
{
    if (server.trimmed().startsWith(QLatin1String("postgres"), Qt::CaseInsensitive))
        return server + (server.contains(u'?') ? u'&' : u'?') + key + u'=' +
               QString::fromLatin1(QUrl::toPercentEncoding(value));
    QString quoted = value;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return server + u' ' + key + QStringLiteral("='") + quoted + u'\'';
}

} // namespace schemakit::test
