#include "EngineTestSupport.h"

#include "SampleScript.h"

#include <QCoreApplication>
#include <QDateTime>
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

TPgSampleSchema::TPgSampleSchema(const QString& prefix, const QStringList& extra)
{
    const QString server = qEnvironmentVariable("SCHEMAKIT_TEST_PG");
    if (server.isEmpty()) {
        FUnavailable = QStringLiteral("SCHEMAKIT_TEST_PG is not set; run the tests under scripts/with-postgres "
                                      "to include the PostgreSQL ones");
        return;
    }
    FSchema = QStringLiteral("%1_%2_%3")
                  .arg(prefix)
                  .arg(QCoreApplication::applicationPid())
                  .arg(QDateTime::currentMSecsSinceEpoch());
    FAdmin = std::make_unique<TSchemaBDEDataEngine>();
    FAdmin->SetDatabaseName(server);
    try {
        QSqlQuery query(FAdmin->Database());
        const QStringList statements = QStringList{QStringLiteral("CREATE SCHEMA %1").arg(FSchema),
                                                   QStringLiteral("SET search_path TO %1").arg(FSchema)} +
                                       SampleStatements() + extra;
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                throw Exception(statement + QStringLiteral(": ") + query.lastError().text());
        }
    } catch (const Exception& e) {
        FUnavailable = QStringLiteral("the PostgreSQL server of SCHEMAKIT_TEST_PG cannot be used: ") + e.Message();
        FAdmin.reset();
        return;
    }
    FDatabase = WithPgOption(server, QStringLiteral("options"), QStringLiteral("-csearch_path=") + FSchema);
}

TPgSampleSchema::~TPgSampleSchema()
{
    if (!FAdmin)
        return;
    QSqlQuery query(FAdmin->Database());
    query.exec(QStringLiteral("SET client_min_messages TO warning"));
    query.exec(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(FSchema));
}

void TPgSampleSchema::SkipOrFail() const
{
    if (qEnvironmentVariable("SCHEMAKIT_REQUIRE_PG") == QLatin1String("1"))
        FAIL() << FUnavailable.toStdString();
    GTEST_SKIP() << FUnavailable.toStdString();
}

} // namespace schemakit::test
