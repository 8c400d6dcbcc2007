#pragma once

#include "ColumnGridView.h"
#include "HandleRegistry.h"
#include "SqlGeneration.h"

#include "../diagram/SchemaTypes.h"
#include "../package/DrawGrid.h"
#include "../package/OwnerDrawList.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QPointer>
#include <QSet>
#include <QTimer>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QSplitterHandle;
class QTabWidget;
class QTableView;
class QToolButton;

namespace schemakit {

class TDataSource;
class TImageList;
class TPaintBox;
class TSchemaDataEngine;
class TSchemaDesignArea;

// The query builder: a diagram of tables (boxes) whose fields (rows) a person
// ticks, above a grid with one column per ticked field where aggregates, sorts,
// filters, grouping and group filters are set; from both comes one SELECT
// statement. Dropping a table from the table list makes a box with all its
// fields and ticks "*"; ticking and unticking rows keeps the grid's columns in
// step; deleting a box takes its columns away.
//
// The controls are the form's children and keep the names applications know
// them by. The rules of the grid and of the statement live in plain code
// (TColumnGridModel, GenerateSQL); the form gathers their inputs and shows
// their results.
class TfrmZBSQLBuilder : public QDialog {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSchemaDataEngine* DataEngine READ DataEngine WRITE SetDataEngine)
    Q_MOC_INCLUDE(<QPainter>)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaItem.h")
    Q_MOC_INCLUDE("schemakit/engines/SchemaDataEngine.h")
public:
    explicit TfrmZBSQLBuilder(QWidget* AOwner = nullptr);
    ~TfrmZBSQLBuilder() override;

    // --- controls, owned by the form ---
    TSchemaDesignArea* SchemaDesignArea = nullptr;
    QWidget* pnlToolbar = nullptr;
    QToolButton* btnNew = nullptr;
    QToolButton* btnOpen = nullptr;
    QToolButton* btnSave = nullptr;
    QToolButton* btnShowGrid = nullptr;   // checkable, down at start
    QToolButton* btnShowTables = nullptr; // checkable, down at start
    QToolButton* btnGenSQL = nullptr;
    QToolButton* btnExecSQL = nullptr;
    TCustomListBox* lbTables = nullptr;
    TPaintBox* pbTableGrabber = nullptr; // the grip above the table list
    // The bars between the diagram and the table list, and between the
    // diagram and the pages (handles of the two splitters that hold them).
    QSplitterHandle* SplitterTables = nullptr;
    QSplitterHandle* SplitterGrid = nullptr;
    QTabWidget* pcSQL = nullptr;
    QWidget* tsColumns = nullptr;
    TColumnGrid* sgColumnGrid = nullptr;
    QComboBox* cbTables = nullptr;
    QComboBox* cbSorting = nullptr;
    QComboBox* cbValues = nullptr;
    QCheckBox* cbGroupBy = nullptr;
    QWidget* tsOptions = nullptr;
    QWidget* tsSQL = nullptr;
    QPlainTextEdit* SQLMemo = nullptr;
    QWidget* tsResults = nullptr;
    QTableView* DBGrid1 = nullptr;      // the rows of the executed statement
    TDataSource* dSrcResult = nullptr;  // what DBGrid1 shows
    QLabel* lblResultRows = nullptr;    // how many rows are fetched so far
    QCheckBox* cbDistinct = nullptr;
    QLineEdit* edWhere = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    TImageList* imgSQL = nullptr; // 0: a table in the list, 1: a field in a box
    QWidget* pnlTables = nullptr;
    // What the open and save dialogs are shown with (through the dialog
    // service): a filter in Qt's syntax and the suffix added to a bare name.
    struct TFileDialogOptions {
        QString Filter;
        QString DefaultExt;
        QString FileName; // the file last chosen
    };
    TFileDialogOptions OpenDialog;
    TFileDialogOptions SaveDialog;

    // --- properties ---
    // Not owned; reads null once the engine is destroyed.
    TSchemaDataEngine* DataEngine() const { return FDataEngine; }
    void SetDataEngine(TSchemaDataEngine* Value);
    // Set while a schema file is read into the pane: new boxes then get their
    // rows from the file, not from the data engine.
    bool InternalUpdate() const noexcept { return FInternalUpdate; }
    void SetInternalUpdate(bool Value) noexcept { FInternalUpdate = Value; }
    // The size of one check-box glyph, as measured when the form was made.
    int CheckWidth() const noexcept { return FCheckWidth; }
    int CheckHeight() const noexcept { return FCheckHeight; }

    // --- events ---
    TCustomListBox::TDrawItemEvent OnDrawTableItem;
    TGetSchemaItemEvent OnGetTableName;
    TGetSchemaSubItemEvent OnGetFieldName;
    TSchemaItemEvent OnAddItem;    // Sender is the pane
    TSchemaItemEvent OnDeleteItem; // Sender is the pane

    // --- the statement ---
    // The statement of the current diagram, grid and options; empty when
    // nothing contributes. The template is filled through ExpandSQL, so a
    // descendant that replaces ExpandSQL sees every macro; the values it is
    // given stand in for the real texts, which are put in afterwards exactly
    // as typed.
    virtual QString GenerateSQL();
    // Replaces the first Macro of SQL, with its optional section, by Value.
    virtual void ExpandSQL(QString& SQL, const QString& Macro, const QString& Value);
    void RemoveBlankLines(QString& SQL);
    // The name a box is written under: in the table list (IsAlias false) or
    // as the qualifier of its fields (IsAlias true).
    QString GetTableName(TSchemaItem* Item, bool IsAlias);
    QString GetFieldName(TSchemaSubItem* Item);
    // The text of the SQL page: the statement given to the form or the last
    // one generated, exactly (the page itself shows line ends its own way).
    QString SQLText() const;
    void SetSQLText(const QString& Text);
    // What GenerateSQL works from: the pane's boxes and links, the grid's used
    // columns and the options, as plain values.
    TSQLSnapshot SQLSnapshot();

    // --- the grid's columns ---
    // The row a grid column stands for (the handle in its row 0), or null.
    TSchemaSubItem* ColumnSubItem(int ACol) const;
    // The handle a row's column carries; 0 for a row that never had one.
    qint64 SubItemHandle(const TSchemaSubItem* Item) const { return FHandles.Handle(Item); }

    // --- handlers, called by the controls and callable directly ---
    void FormCreate(QObject* Sender);
    void SchemaDesignAreaAddItem(QObject* Sender, TSchemaItem* Item);
    void SchemaDesignAreaAddSubItem(QObject* Sender, TSchemaSubItem* Item);
    void SchemaDesignAreaDeleteItem(QObject* Sender, TSchemaItem* Item);
    void ItemCheckClick(QObject* Sender);
    void SchemaDesignAreaDragOver(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept);
    void SchemaDesignAreaDragDrop(QObject* Sender, QObject* Source, int X, int Y);
    void sgColumnGridSelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
    void cbInplaceChange(QObject* Sender);
    void sgColumnGridDrawCell(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State,
                              QPainter& Canvas);
    void DrawCheckBox(QPainter& Canvas, const QRect& Rect, bool Checked);
    void GetCheckBoxSize();
    void lbTablesDrawItem(QWidget* Control, int Index, const QRect& Rect, TOwnerDrawState State, QPainter& Canvas);
    void pcSQLChange(QObject* Sender);
    // The frame: toolbar, table list, grip and pages.
    void btnNewClick(QObject* Sender);
    void btnOpenClick(QObject* Sender);
    void btnSaveClick(QObject* Sender);
    void btnShowGridClick(QObject* Sender);
    void btnShowTablesClick(QObject* Sender);
    void btnGenSQLClick(QObject* Sender);
    void btnExecSQLClick(QObject* Sender);
    void btnOKClick(QObject* Sender);
    void btnCancelClick(QObject* Sender);
    void pnlToolbarResize(QObject* Sender);
    void lbTablesDblClick(QObject* Sender);
    void pbTableGrabberPaint(QObject* Sender, QPainter& Canvas);
    void pbTableGrabberMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormActivate(QObject* Sender);

    // Opens and saves schema files without asking for a name; the buttons
    // ask through the dialog service and come here. Loading clears the pane
    // first and keeps InternalUpdate set only while the file is read.
    void OpenSchemaFile(const QString& FileName);
    void SaveSchemaFile(const QString& FileName);
    // Executes Text and shows its rows on the Results page (without switching
    // to it); errors are raised and the rows shown before stay bound.
    void ExecuteStatement(const QString& Text);
    // The rows shown on the Results page, or null.
    QAbstractItemModel* ResultModel() const;

    // Opens the editor of the grid's current cell, as Enter or F2 does.
    void EditCurrentCell();
    // The editor shown over the grid, or null.
    QWidget* ActiveEditor() const;

signals:
    // The events as signals, each emitted right after its handler, whether or
    // not one is assigned (see Raise). drawTableItem comes once the entry is
    // drawn (by OnDrawTableItem, or by the window itself without one); a
    // receiver connected directly may paint over it while the canvas is good.
    // OnGetTableName and OnGetFieldName have none: their handlers give the one
    // name the statement uses, and a signal cannot answer.
    void drawTableItem(QWidget* control, int index, const QRect& rect, schemakit::TOwnerDrawState state,
                       QPainter* canvas);
    void itemAdded(schemakit::TSchemaItem* item);
    void itemDeleted(schemakit::TSchemaItem* item);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    void BuildControls();
    void BuildToolbar();
    void BuildResultsPage();
    void BindFrameEvents();
    void SetFrameTexts();
    void UpdateResultRows();
    void BindEvents();
    void HideEditors();
    // Shows the editor of a cell and loads it; false when the cell has none.
    bool PlaceEditor(int ACol, int ARow);
    void CancelEditor();
    // Commits an editor into the current cell; the grid takes the focus only
    // when the commit did not come from the user leaving for another control.
    void Commit(QObject* Sender, bool FocusGrid);
    QRect EditorRect(TColumnEditor Kind, int ACol, int ARow) const;
    void RepositionEditor();
    void SubItemDestroyed(qint64 Handle);
    void ReplaceEditorsAtFirstCell();
    void FillTableList();
    void EngineDestroyed();

    QPointer<TSchemaDataEngine> FDataEngine;
    QSplitter* FGridSplitter = nullptr;   // the diagram (with the table list) over the pages
    QSplitter* FTablesSplitter = nullptr; // the diagram beside the table list
    QString FFetchError;                  // why fetching the shown rows stopped, if it did
    bool FPlaced = false;                 // centred on the screen once
    QPointer<QAbstractItemModel> FFollowedRows; // the result set the row count follows
    QList<QMetaObject::Connection> FResultConnections;
    QTimer FRowCountTimer; // brings the row count up to date while rows arrive
    QString FSQLText;
    QSet<const TSchemaItem*> FListedBoxes; // boxes whose caption is among the Table choices
    THandleRegistry FHandles;
    bool FInternalUpdate = false;
    bool FDestroying = false;
    bool FHidingEditors = false;
    int FCheckWidth = 0;
    int FCheckHeight = 0;
};

// Adds a box for a table dropped on the pane at (X, Y): the pane's OnAddItem
// fills it, then its "*" row is ticked, which selects all its fields.
TSchemaItem* AddNewItem(TSchemaDesignArea* Area, const QString& Caption, void* Data, int X, int Y);

} // namespace schemakit
