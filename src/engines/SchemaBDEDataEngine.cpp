#include "SchemaBDEDataEngine.h"

#include "DatabaseConnection.h"
#include "SqlCatalog.h"
#include "SqlNames.h"
#include "SqlQueryModel.h"
#include "SqlStatement.h"

#include "../diagram/SchemaItem.h"
#include "../package/Exceptions.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>

namespace schemakit {

TSchemaBDEDataEngine::TSchemaBDEDataEngine(QObject* owner) : TSchemaDataEngine(owner), FPattern(QStringLiteral("*.*"))
{
}

TSchemaBDEDataEngine::~TSchemaBDEDataEngine() = default;

void TSchemaBDEDataEngine::ReleaseQuery()
{
    // QSqlQueryModel::clear() keeps a result on the old connection's driver and
    // uses that driver the next time, which crashes once the connection is gone;
    // an empty query lets go of the connection altogether.
    if (FQuery)
        FQuery->setQuery(QSqlQuery());
}

void TSchemaBDEDataEngine::SetDatabaseName(const QString& value)
{
    if (value == FDatabaseName)
        return;
    ReleaseQuery();
    FConnection.Close();
    FDatabaseName = value;
}

QSqlDatabase TSchemaBDEDataEngine::Database()
{
    return FConnection.Open(FDatabaseName);
}

void TSchemaBDEDataEngine::FillItemList(TStringList& List)
{
    const QPointer<TSchemaBDEDataEngine> alive = this;
    UpdateList(List, [&] {
        TSchemaDataEngine::FillItemList(List);
        if (!alive)
            return; // a receiver of itemListRequested freed the engine
        const QStringList tables = CatalogTableNames(Database(), FShowSystemTables);
        const TNameMask mask(FPattern);
        for (const QString& table : tables) {
            if (mask.Matches(table))
                List.Add(table);
        }
    });
}

void TSchemaBDEDataEngine::FillSubItemList(TSchemaItem* Item, TStringList& List)
{
    const QPointer<TSchemaBDEDataEngine> alive = this;
    UpdateList(List, [&] {
        TSchemaDataEngine::FillSubItemList(Item, List);
        if (!alive)
            return; // a receiver of subItemListRequested freed the engine
        if (!Item)
            throw Exception(QCoreApplication::translate("schemakit", "No table given to read the fields of"));
        AppendFieldNames(Database(), Item->Caption(), List);
    });
}

QAbstractItemModel* TSchemaBDEDataEngine::ExecSQL(const QString& SQL)
{
    if (QAbstractItemModel* answer = TSchemaDataEngine::ExecSQL(SQL))
        return answer;
    const QString statement = SingleStatement(SQL);
    if (!FQuery)
        FQuery = std::make_unique<TSchemaQueryModel>();
    ReleaseQuery();
    FQuery->setQuery(statement, Database());
    if (const QSqlError error = FQuery->lastError(); error.isValid()) {
        ReleaseQuery();
        RaiseDatabaseError(error, statement);
    }
    return FQuery.get();
}

} // namespace schemakit
