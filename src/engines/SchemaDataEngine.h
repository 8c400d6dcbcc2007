#pragma once

#include <schemakit/schemakit_export.h>

#include "SqlDialect.h"

#include "../package/Enumerations.h"
#include "../package/SchemaTypes.h"
#include "../package/StringList.h"

#include <QObject>
#include <QString>

#include <functional>

class QAbstractItemModel;

namespace schemakit {

// A result set is whatever the builder's results view can show. It stays with
// whoever produced it: callers of ExecSQL never free it.

/// Fills `ItemList` with table names.
using TSDGetItemList = std::function<void(QObject* Sender, TStringList& ItemList)>;
/// Fills `SubItemList` with the field names of the table `Item` shows.
using TSDGetSubItemList = std::function<void(QObject* Sender, TSchemaItem* Item, TStringList& SubItemList)>;
/// Runs `SQL` and answers its result set, which stays with whoever produced it.
using TSDOnExecSQL = std::function<QAbstractItemModel*(QObject* Sender, const QString& SQL)>;

/// How the pane and the query builder reach a database: which tables exist, which
/// fields a table has, what a statement returns, and the SQL dialect the builder
/// writes in. This class does no database work of its own; it raises its events,
/// so an application can plug in any data access. The dialect (template, join
/// texts, separator) is fixed here for every descendant.
class SCHEMAKIT_EXPORT TSchemaDataEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSQLSubType SQLSubType READ SQLSubType WRITE SetSQLSubType)
public:
    /// An engine owned by `owner` (freed with it), writing stStandard SQL.
    explicit TSchemaDataEngine(QObject* owner = nullptr);
    ~TSchemaDataEngine() override;

    ///@{
    /// The SQL dialect the engine writes: the statement template and the join texts.
    TSQLSubType SQLSubType() const noexcept { return FSQLSubType; }
    void SetSQLSubType(TSQLSubType value) noexcept { FSQLSubType = value; }
    ///@}

    // Raised only when assigned; Sender is the engine. Whatever a handler raises
    // reaches the caller unchanged.

    /// Lists table names for FillItemList.
    TSDGetItemList OnGetItemList;
    /// Lists field names for FillSubItemList.
    TSDGetSubItemList OnGetSubItemList;
    /// Runs a statement for ExecSQL.
    TSDOnExecSQL OnExecSQL;

    /// Fills `List` with the names of the tables to offer, through OnGetItemList.
    /// Each Fill empties List (which belongs to the caller), so handlers start from an
    /// empty list, and fills it between BeginUpdate and EndUpdate: one table or
    /// field name per entry, each entry's object handed on to the box or row the
    /// builder makes for it. Without a handler the list stays empty.
    virtual void FillItemList(TStringList& List);
    /// Fills `List` with the field names of the table `Item` shows, through
    /// OnGetSubItemList, as FillItemList does.
    virtual void FillSubItemList(TSchemaItem* Item, TStringList& List);
    /// The handler's result set, or null without a handler. Not the caller's to free.
    virtual QAbstractItemModel* ExecSQL(const QString& SQL);
    /// The statement template of the engine's dialect (see SQLTemplate).
    virtual QString GetSQLTemplate() const;

    /// The join condition between two field expressions in the engine's dialect (see SQLJoinScript).
    /// Not virtual: every engine writes joins by its SQLSubType alone.
    QString GetJoinScript(const QString& strParent, const QString& strChild, TSDRelationOperator Operator,
                          TSDRelationJoin Join) const;
    /// What goes between two join texts in the engine's dialect; the join kind plays no part.
    QString GetJoinSeparator(TSDRelationJoin Join) const;

signals:
    // OnGetItemList and OnGetSubItemList as signals, emitted after the handler
    // (see Raise) while the list is being filled: a receiver connected
    // directly may add entries too. OnExecSQL has none: its handler gives the
    // one result set, and a signal cannot answer.

    /// OnGetItemList as a signal, emitted after the handler while the list is
    /// being filled: a receiver connected directly may add entries too.
    void itemListRequested(schemakit::TStringList* itemList);
    /// OnGetSubItemList as a signal, emitted after the handler while the list is
    /// being filled: a receiver connected directly may add entries too.
    void subItemListRequested(schemakit::TSchemaItem* item, schemakit::TStringList* subItemList);

private:
    TSQLSubType FSQLSubType = stStandard;
};

} // namespace schemakit
