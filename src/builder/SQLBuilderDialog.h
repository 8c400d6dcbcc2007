#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/SchemaTypes.h"
#include "../package/OwnerDrawList.h"
#include "../sqlparser/SqlTokens.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace schemakit {

class TfrmZBSQLBuilder;
class TSchemaDataEngine;
class TSchemaDesignArea;
class TSQLParser;

/// The query builder as one call: holds the statement to start from, the data
/// engine and the caption, and Execute shows a builder window made from them.
/// The window draws one box per table the statement reads from (in one row, 20
/// pixels from the top-left corner and 20 pixels apart) and ticks the fields of
/// its select list; when the person accepts, SQL becomes the text of the SQL
/// page.
///
/// Each Execute makes a window of its own and frees it before returning, so a
/// run always starts from SQL and never from an earlier diagram. The engine is
/// not owned; it reads null once it is destroyed.
class SCHEMAKIT_EXPORT TSQLBuilderDialog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(schemakit::TSchemaDataEngine* DataEngine READ DataEngine WRITE SetDataEngine)
    Q_PROPERTY(QString SQL READ SQL WRITE SetSQL)
    Q_MOC_INCLUDE(<QPainter>)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaItem.h")
    Q_MOC_INCLUDE("schemakit/engines/SchemaDataEngine.h")
public:
    /// A dialog with no statement, engine or caption, owned by `AOwner`.
    explicit TSQLBuilderDialog(QObject* AOwner = nullptr);
    ~TSQLBuilderDialog() override;

    ///@{
    /// The window's caption; empty keeps the window's own.
    const QString& Caption() const noexcept { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    ///@}
    ///@{
    /// The data engine the window works with; not owned, null once it is destroyed.
    TSchemaDataEngine* DataEngine() const { return GetDataEngine(); }
    TSchemaDataEngine* GetDataEngine() const;
    void SetDataEngine(TSchemaDataEngine* Value);
    ///@}
    ///@{
    /// The statement given to the builder, and after an accepted run the
    /// statement it produced.
    const QString& SQL() const noexcept { return FSQL; }
    void SetSQL(const QString& Value) { FSQL = Value; }
    ///@}

    // Handed to the window at each Execute, before any box is made.
    /// The window's OnDrawTableItem, handed over at each Execute before any box is made.
    TCustomListBox::TDrawItemEvent OnDrawTableItem;
    /// The window's OnGetTableName, handed over at each Execute before any box is made.
    TGetSchemaItemEvent OnGetTableName;
    /// The window's OnGetFieldName, handed over at each Execute before any box is made.
    TGetSchemaSubItemEvent OnGetFieldName;
    /// The window's OnAddItem, handed over at each Execute before any box is made.
    TSchemaItemEvent OnAddItem;
    /// The window's OnDeleteItem, handed over at each Execute before any box is made.
    TSchemaItemEvent OnDeleteItem;

    /// Runs the builder modally (through the dialog service); true when the
    /// person pressed OK, and SQL then holds the SQL page's text. Not
    /// re-entrant: a call while a run is in progress raises.
    bool Execute();

    /// The pane of the window Execute is showing; null outside Execute.
    TSchemaDesignArea* DesignArea() const noexcept { return sda; }
    /// The window Execute is showing; null outside Execute.
    TfrmZBSQLBuilder* Form() const noexcept { return FForm; }

    /// Ticks the row a field of the select list names (bound to the parser
    /// while Execute rebuilds the diagram).
    void SQLParsed(TSQLParser* Sender, TSQLToken Token, TSQLClause Clause, QStringView Value);

signals:
    /// Emitted when Execute has built the window, just before it is shown.
    void formReady(schemakit::TfrmZBSQLBuilder* form);
    // The window's signals of the same names, passed on while Execute runs:
    // each comes right after the handler of the same meaning (see Raise).

    /// The window's drawTableItem, passed on while Execute runs.
    void drawTableItem(QWidget* control, int index, const QRect& rect, schemakit::TOwnerDrawState state,
                       QPainter* canvas);
    /// The window's itemAdded, passed on while Execute runs (right after OnAddItem).
    void itemAdded(schemakit::TSchemaItem* item);
    /// The window's itemDeleted, passed on while Execute runs (right after OnDeleteItem).
    void itemDeleted(schemakit::TSchemaItem* item);

private:
    TSchemaDesignArea* sda = nullptr;
    TfrmZBSQLBuilder* FForm = nullptr;
    QPointer<TSchemaDataEngine> FDataEngine;
    QString FCaption;
    QString FSQL;
};

/// Runs a builder on SQL with Engine; on OK copies the accepted statement into
/// SQL and returns true. SQL is untouched when the person cancels, and the
/// dialog is freed on every path, an error included.
SCHEMAKIT_EXPORT bool SQLBuilder(QString& SQL, TSchemaDataEngine* Engine);

} // namespace schemakit
