#include "EngineTestSupport.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace schemakit::test {

QStringList SampleStatements()
{
    QFile file(QStringLiteral(SCHEMAKIT_TEST_DATA_DIR "/../../resources/sample/sample.sql"));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    // Statements end with ';' at a line end; "--" lines are comments.
    QStringList statements;
    QString current;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    return statements;
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

} // namespace schemakit::test
