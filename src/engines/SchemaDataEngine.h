#pragma once

#include "SqlDialect.h"

#include "../diagram/RelationTypes.h"
#include "../diagram/SchemaTypes.h"
#include "../package/StringList.h"

#include <QObject>
#include <QString>

#include <functional>

class QAbstractItemModel;

namespace schemakit {

// A result set is whatever the builder's results view can show. It stays with
// whoever produced it: callers of ExecSQL never free it.
using TSDGetItemList = std::function<void(QObject* Sender, TStringList& ItemList)>;
using TSDGetSubItemList = std::function<void(QObject* Sender, TSchemaItem* Item, TStringList& SubItemList)>;
using TSDOnExecSQL = std::function<QAbstractItemModel*(QObject* Sender, const QString& SQL)>;

// How the pane and the query builder reach a database: which tables exist, which
// fields a table has, what a statement returns, and the SQL dialect the builder
// writes in. This class does no database work of its own; it raises its events,
// so an application can plug in any data access. The dialect (template, join
// texts, separator) is fixed here for every descendant.
class TSchemaDataEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSQLSubType SQLSubType READ SQLSubType WRITE SetSQLSubType)
public:
    explicit TSchemaDataEngine(QObject* owner = nullptr);
    ~TSchemaDataEngine() override;

    TSQLSubType SQLSubType() const noexcept { return FSQLSubType; }
    void SetSQLSubType(TSQLSubType value) noexcept { FSQLSubType = value; }

    // Raised only when assigned; Sender is the engine. Whatever a handler raises
    // reaches the caller unchanged.
    TSDGetItemList OnGetItemList;
    TSDGetSubItemList OnGetSubItemList;
    TSDOnExecSQL OnExecSQL;

    // Each empties List (which belongs to the caller), so handlers start from an
    // empty list, and fills it between BeginUpdate and EndUpdate: one table or
    // field name per entry, each entry's object handed on to the box or row the
    // builder makes for it. Without a handler the list stays empty.
    virtual void FillItemList(TStringList& List);
    virtual void FillSubItemList(TSchemaItem* Item, TStringList& List);
    // The handler's result set, or null without a handler. Not the caller's to free.
    virtual QAbstractItemModel* ExecSQL(const QString& SQL);
    virtual QString GetSQLTemplate() const;

    // Not virtual: every engine writes joins by its SQLSubType alone.
    QString GetJoinScript(const QString& strParent, const QString& strChild, TSDRelationOperator Operator,
                          TSDRelationJoin Join) const;
    QString GetJoinSeparator(TSDRelationJoin Join) const;

signals:
    // OnGetItemList and OnGetSubItemList as signals, emitted after the handler
    // (see Raise) while the list is being filled: a receiver connected
    // directly may add entries too. OnExecSQL has none: its handler gives the
    // one result set, and a signal cannot answer.
    void itemListRequested(schemakit::TStringList* itemList);
    void subItemListRequested(schemakit::TSchemaItem* item, schemakit::TStringList* subItemList);

private:
    TSQLSubType FSQLSubType = stStandard;
};

} // namespace schemakit
