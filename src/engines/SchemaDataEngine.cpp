#include "SchemaDataEngine.h"

#include "../package/Raise.h"

namespace schemakit {

TSchemaDataEngine::TSchemaDataEngine(QObject* owner) : QObject(owner)
{
}

TSchemaDataEngine::~TSchemaDataEngine() = default;

void TSchemaDataEngine::FillItemList(TStringList& List)
{
    UpdateList(List, [&] {
        List.Clear();
        Raise(this, OnGetItemList, &TSchemaDataEngine::itemListRequested, this, List);
    });
}

void TSchemaDataEngine::FillSubItemList(TSchemaItem* Item, TStringList& List)
{
    UpdateList(List, [&] {
        List.Clear();
        Raise(this, OnGetSubItemList, &TSchemaDataEngine::subItemListRequested, this, Item, List);
    });
}

QAbstractItemModel* TSchemaDataEngine::ExecSQL(const QString& SQL)
{
    return OnExecSQL ? OnExecSQL(this, SQL) : nullptr;
}

QString TSchemaDataEngine::GetSQLTemplate() const
{
    return SQLTemplate(FSQLSubType);
}

QString TSchemaDataEngine::GetJoinScript(const QString& strParent, const QString& strChild,
                                         TSDRelationOperator Operator, TSDRelationJoin Join) const
{
    return SQLJoinScript(FSQLSubType, strParent, strChild, Operator, Join);
}

QString TSchemaDataEngine::GetJoinSeparator(TSDRelationJoin) const
{
    return SQLJoinSeparator(FSQLSubType);
}

} // namespace schemakit
