#pragma once

#include <schemakit/schemakit_export.h>

#include "ColumnGridView.h"
#include "HandleRegistry.h"
#include "SqlGeneration.h"

#include "../package/SchemaTypes.h"
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

/// The query builder: a diagram of tables (boxes) whose fields (rows) a person
/// ticks, above a grid with one column per ticked field where aggregates, sorts,
/// filters, grouping and group filters are set; from both comes one SELECT
/// statement. Dropping a table from the table list makes a box with all its
/// fields and ticks "*"; ticking and unticking rows keeps the grid's columns in
/// step; deleting a box takes its columns away.
///
/// The controls are the form's children and keep the names applications know
/// them by. The rules of the grid and of the statement live in plain code
/// (TColumnGridModel, GenerateSQL); the form gathers their inputs and shows
/// their results.
class SCHEMAKIT_EXPORT TfrmZBSQLBuilder : public QDialog {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSchemaDataEngine* DataEngine READ DataEngine WRITE SetDataEngine)
    Q_MOC_INCLUDE(<QPainter>)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaItem.h")
    Q_MOC_INCLUDE("schemakit/engines/SchemaDataEngine.h")
public:
    /// A builder window with every control made, an empty diagram and no engine.
    explicit TfrmZBSQLBuilder(QWidget* AOwner = nullptr);
    ~TfrmZBSQLBuilder() override;

    // --- controls, owned by the form ---
    TSchemaDesignArea* SchemaDesignArea = nullptr; ///< the diagram pane
    QWidget* pnlToolbar = nullptr;                 ///< the toolbar with the buttons, OK and Cancel
    QToolButton* btnNew = nullptr;                 ///< clears the diagram
    QToolButton* btnOpen = nullptr;                ///< opens a schema file
    QToolButton* btnSave = nullptr;                ///< saves the diagram to a schema file
    QToolButton* btnShowGrid = nullptr;   ///< shows the pages; checkable, down at start
    QToolButton* btnShowTables = nullptr; ///< shows the table list; checkable, down at start
    QToolButton* btnGenSQL = nullptr;     ///< generates the statement onto the SQL page
    QToolButton* btnExecSQL = nullptr;    ///< runs the statement onto the Results page
    TCustomListBox* lbTables = nullptr;   ///< the data engine's tables, dragged onto the pane
    TPaintBox* pbTableGrabber = nullptr;  ///< the grip above the table list
    // The bars between the diagram and the table list, and between the
    // diagram and the pages (handles of the two splitters that hold them).
    QSplitterHandle* SplitterTables = nullptr; ///< the bar between the diagram and the table list
    QSplitterHandle* SplitterGrid = nullptr;   ///< the bar between the diagram and the pages
    QTabWidget* pcSQL = nullptr;               ///< the pages: Columns, Options, SQL, Results
    QWidget* tsColumns = nullptr;              ///< the Columns page
    TColumnGrid* sgColumnGrid = nullptr;       ///< the column grid on the Columns page
    QComboBox* cbTables = nullptr;             ///< the in-place editor of the Table row
    QComboBox* cbSorting = nullptr;            ///< the in-place editor of the Sort row
    QComboBox* cbValues = nullptr;             ///< the in-place editor of the Calculate row
    QCheckBox* cbGroupBy = nullptr;            ///< the in-place editor of the Grouping row
    QWidget* tsOptions = nullptr;              ///< the Options page
    QWidget* tsSQL = nullptr;                  ///< the SQL page
    QPlainTextEdit* SQLMemo = nullptr;         ///< the statement on the SQL page
    QWidget* tsResults = nullptr;              ///< the Results page
    QTableView* DBGrid1 = nullptr;      ///< the rows of the executed statement
    TDataSource* dSrcResult = nullptr;  ///< what DBGrid1 shows
    QLabel* lblResultRows = nullptr;    ///< how many rows are fetched so far
    QCheckBox* cbDistinct = nullptr;    ///< "select the unique records only" on the Options page
    QLineEdit* edWhere = nullptr;       ///< the in-place editor of the Where and Having rows
    QPushButton* btnOK = nullptr;       ///< accepts the window
    QPushButton* btnCancel = nullptr;   ///< rejects the window
    TImageList* imgSQL = nullptr; ///< 0: a table in the list, 1: a field in a box
    QWidget* pnlTables = nullptr; ///< the table list with its grip
    /// What the open and save dialogs are shown with (through the dialog
    /// service): a filter in Qt's syntax and the suffix added to a bare name.
    struct TFileDialogOptions {
        QString Filter;     ///< the dialog's filter
        QString DefaultExt; ///< the suffix added to a name without one
        QString FileName;   ///< the file last chosen
    };
    TFileDialogOptions OpenDialog; ///< what the open dialog is shown with
    TFileDialogOptions SaveDialog; ///< what the save dialog is shown with

    // --- properties ---
    ///@{
    /// The data engine the tables, fields, dialect and results come from.
    /// Not owned; reads null once the engine is destroyed.
    TSchemaDataEngine* DataEngine() const;
    void SetDataEngine(TSchemaDataEngine* Value);
    ///@}
    ///@{
    /// Set while a schema file is read into the pane: new boxes then get their
    /// rows from the file, not from the data engine.
    bool InternalUpdate() const noexcept { return FInternalUpdate; }
    void SetInternalUpdate(bool Value) noexcept { FInternalUpdate = Value; }
    ///@}
    ///@{
    /// The size of one check-box glyph, as measured when the form was made.
    int CheckWidth() const noexcept { return FCheckWidth; }
    int CheckHeight() const noexcept { return FCheckHeight; }
    ///@}

    // --- events ---
    /// Draws an entry of the table list instead of the window.
    TCustomListBox::TDrawItemEvent OnDrawTableItem;
    /// Names a box's table in the statement instead of its caption.
    TGetSchemaItemEvent OnGetTableName;
    /// Names a row's field in the statement instead of its caption.
    TGetSchemaSubItemEvent OnGetFieldName;
    TSchemaItemEvent OnAddItem;    ///< A box was added and filled; Sender is the pane.
    TSchemaItemEvent OnDeleteItem; ///< A box is being deleted; Sender is the pane.

    // --- the statement ---
    /// The statement of the current diagram, grid and options; empty when
    /// nothing contributes. The template is filled through ExpandSQL, so a
    /// descendant that replaces ExpandSQL sees every macro; the values it is
    /// given stand in for the real texts, which are put in afterwards exactly
    /// as typed.
    virtual QString GenerateSQL();
    /// Replaces the first Macro of SQL, with its optional section, by Value.
    virtual void ExpandSQL(QString& SQL, const QString& Macro, const QString& Value);
    /// Drops the blank lines of SQL, as schemakit::RemoveBlankLines does.
    void RemoveBlankLines(QString& SQL);
    /// The name a box is written under: in the table list (IsAlias false) or
    /// as the qualifier of its fields (IsAlias true).
    QString GetTableName(TSchemaItem* Item, bool IsAlias);
    /// The name a row's field is written under (OnGetFieldName's, else its quoted caption).
    QString GetFieldName(TSchemaSubItem* Item);
    ///@{
    /// The text of the SQL page: the statement given to the form or the last
    /// one generated, exactly (the page itself shows line ends its own way).
    QString SQLText() const;
    void SetSQLText(const QString& Text);
    ///@}
    /// What GenerateSQL works from: the pane's boxes and links, the grid's used
    /// columns and the options, as plain values.
    TSQLSnapshot SQLSnapshot();

    // --- the grid's columns ---
    /// The row a grid column stands for (the handle in its row 0), or null.
    TSchemaSubItem* ColumnSubItem(int ACol) const;
    /// The handle a row's column carries; 0 for a row that never had one.
    qint64 SubItemHandle(const TSchemaSubItem* Item) const { return FHandles.Handle(Item); }

    // --- handlers, called by the controls and callable directly ---
    /// Writes the current texts into the captions, pages, choices and buttons.
    void FormCreate(QObject* Sender);
    /// A box was added: fills it with "*" and the engine's fields (unless a file
    /// is being read), offers it as a Table choice and raises OnAddItem.
    void SchemaDesignAreaAddItem(QObject* Sender, TSchemaItem* Item);
    /// A row was added: gives it the field image.
    void SchemaDesignAreaAddSubItem(QObject* Sender, TSchemaSubItem* Item);
    /// A box is being deleted: raises OnDeleteItem, then takes its columns and its Table choice away.
    void SchemaDesignAreaDeleteItem(QObject* Sender, TSchemaItem* Item);
    /// A row was ticked or unticked: "*" and single fields exclude each other, and
    /// the row's column is added or removed.
    void ItemCheckClick(QObject* Sender);
    /// Accepts only drags from the table list.
    void SchemaDesignAreaDragOver(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept);
    /// A table dropped from the table list becomes a box at (X, Y) (see AddNewItem).
    void SchemaDesignAreaDragDrop(QObject* Sender, QObject* Source, int X, int Y);
    /// A grid cell is selected: hides the editors and, unless moved there by key, opens the cell's editor.
    void sgColumnGridSelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
    /// An in-place editor's value is committed into the current cell.
    void cbInplaceChange(QObject* Sender);
    /// Draws a grid cell: the row's caption in the header, the cell's text, the Grouping check box.
    void sgColumnGridDrawCell(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State,
                              QPainter& Canvas);
    /// Draws a check box of the measured glyph size in `Rect`.
    void DrawCheckBox(QPainter& Canvas, const QRect& Rect, bool Checked);
    /// Measures the style's check-box glyph (CheckWidth, CheckHeight).
    void GetCheckBoxSize();
    /// Draws an entry of the table list (image and name) unless OnDrawTableItem does,
    /// then raises OnDrawTableItem.
    void lbTablesDrawItem(QWidget* Control, int Index, const QRect& Rect, TOwnerDrawState State, QPainter& Canvas);
    /// Another page was chosen: the SQL page generates the statement, the Results
    /// page runs it (generated first when the SQL page is empty).
    void pcSQLChange(QObject* Sender);
    // The frame: toolbar, table list, grip and pages.
    /// Clears the diagram.
    void btnNewClick(QObject* Sender);
    /// Asks for a schema file through the dialog service and opens it.
    void btnOpenClick(QObject* Sender);
    /// Asks for a file name through the dialog service and saves the diagram there.
    void btnSaveClick(QObject* Sender);
    /// Shows or hides the pages as the button is down or up.
    void btnShowGridClick(QObject* Sender);
    /// Shows or hides the table list as the button is down or up.
    void btnShowTablesClick(QObject* Sender);
    /// Shows the SQL page with the statement generated.
    void btnGenSQLClick(QObject* Sender);
    /// Shows the Results page with the statement run.
    void btnExecSQLClick(QObject* Sender);
    /// Accepts the window.
    void btnOKClick(QObject* Sender);
    /// Rejects the window.
    void btnCancelClick(QObject* Sender);
    /// Keeps OK and Cancel at the right end of the toolbar.
    void pnlToolbarResize(QObject* Sender);
    /// Drops the chosen table onto the pane, near its top-left corner.
    void lbTablesDblClick(QObject* Sender);
    /// Draws the grip: two raised bars and a close glyph.
    void pbTableGrabberPaint(QObject* Sender, QPainter& Canvas);
    /// A click on the grip's close glyph hides the table list.
    void pbTableGrabberMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    /// Called each time the window is shown; does nothing of its own.
    void FormActivate(QObject* Sender);

    /// Opens a schema file without asking for a name.
    /// The buttons ask through the dialog service and come here. Loading clears
    /// the pane first and keeps InternalUpdate set only while the file is read.
    void OpenSchemaFile(const QString& FileName);
    /// Saves the diagram to a schema file without asking for a name.
    void SaveSchemaFile(const QString& FileName);
    /// Executes Text and shows its rows on the Results page (without switching
    /// to it); errors are raised and the rows shown before stay bound.
    void ExecuteStatement(const QString& Text);
    /// The rows shown on the Results page, or null.
    QAbstractItemModel* ResultModel() const;

    /// Opens the editor of the grid's current cell, as Enter or F2 does.
    void EditCurrentCell();
    /// The editor shown over the grid, or null.
    QWidget* ActiveEditor() const;

signals:
    // The events as signals, each emitted right after its handler, whether or
    // not one is assigned (see Raise). drawTableItem comes once the entry is
    // drawn (by OnDrawTableItem, or by the window itself without one); a
    // receiver connected directly may paint over it while the canvas is good.
    // OnGetTableName and OnGetFieldName have none: their handlers give the one
    // name the statement uses, and a signal cannot answer.

    /// OnDrawTableItem as a signal, emitted once the entry is drawn (by
    /// OnDrawTableItem, or by the window itself without one); a receiver
    /// connected directly may paint over it while the canvas is good.
    void drawTableItem(QWidget* control, int index, const QRect& rect, schemakit::TOwnerDrawState state,
                       QPainter* canvas);
    /// OnAddItem as a signal, emitted right after the handler.
    void itemAdded(schemakit::TSchemaItem* item);
    /// OnDeleteItem as a signal, emitted right after the handler.
    void itemDeleted(schemakit::TSchemaItem* item);

protected:
    /// Handles Enter and Escape in the in-place editors, commits the edit and
    /// check boxes when the focus leaves them, and watches the table list and toolbar.
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    /// Centres the window on its screen the first time and calls FormActivate.
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

/// Adds a box for a table dropped on the pane at (X, Y): the pane's OnAddItem
/// fills it, then its "*" row is ticked, which selects all its fields.
SCHEMAKIT_EXPORT TSchemaItem* AddNewItem(TSchemaDesignArea* Area, const QString& Caption, void* Data, int X, int Y);

} // namespace schemakit
