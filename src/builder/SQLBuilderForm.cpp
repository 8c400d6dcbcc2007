#include "SQLBuilderForm.h"

#include "ColumnGridGeometry.h"
#include "SqlExpansion.h"

#include "../diagram/SchemaDesignArea.h"
#include "../diagram/SchemaItem.h"
#include "../diagram/SchemaRelation.h"
#include "../diagram/SchemaSubItem.h"
#include "../engines/SchemaDataEngine.h"
#include "../package/DialogService.h"
#include "../package/ErrorBoundary.h"
#include "../package/ImageList.h"
#include "../package/PaintBox.h"
#include "../package/Raise.h"
#include "../package/SchmCnst.h"
#include "../package/StringList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <numeric>

using namespace Qt::StringLiterals;

namespace schemakit {

namespace {

constexpr QStringView kAllFields = u"*";

// Sizes of the frame at 96 dots per inch.
constexpr int kToolbarHeight = 31;
constexpr int kTablePanelWidth = 155;
constexpr int kPagesHeight = 165;
constexpr int kTableItemHeight = 19;
constexpr int kGrabberHeight = 10;
constexpr const char* kFormCaption = QT_TRANSLATE_NOOP("schemakit", "Vuvuredi Software: Visual SQLBuilder");

// The two pictures of the builder, drawn rather than loaded so that they follow
// the palette: a table (a framed grid with a header band) and a field (a
// single row of one).
QPixmap TablePicture(const QPalette& palette)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QColor frame = palette.color(QPalette::Dark);
    p.fillRect(QRect(1, 2, 14, 12), palette.color(QPalette::Base));
    p.fillRect(QRect(1, 2, 14, 3), palette.color(QPalette::Highlight));
    p.setPen(frame);
    p.drawRect(QRect(1, 2, 13, 11));
    p.drawLine(1, 8, 14, 8);
    p.drawLine(1, 11, 14, 11);
    p.drawLine(6, 5, 6, 13);
    return picture;
}

QPixmap FieldPicture(const QPalette& palette)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.fillRect(QRect(2, 5, 12, 6), palette.color(QPalette::Base));
    p.fillRect(QRect(2, 5, 4, 6), palette.color(QPalette::Highlight));
    p.setPen(palette.color(QPalette::Dark));
    p.drawRect(QRect(2, 5, 11, 5));
    return picture;
}

// Whether a focus change means the user left the editor for another control
// of this window (the framework's "exit"), rather than a popup opening or the
// window losing the focus.
bool LeftForAnotherControl(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

TSQLField FieldOf(const TSchemaSubItem* row)
{
    return {quintptr(row->ItemOwner()), row->Caption(), quintptr(row)};
}

// Stands in for a macro's value while a replaceable ExpandSQL works on the
// template: it is made of characters of the private use area that no template
// macro or section marker contains, and it is swapped for the real value once
// every macro is expanded.
constexpr QChar kValueOpen = QChar(0xE000);
constexpr QChar kValueClose = QChar(0xE001);

QString ValuePlaceholder(qsizetype index)
{
    return kValueOpen + QString::number(index) + kValueClose;
}

QString PutValuesIn(const QString& text, const QList<TSQLMacroValue>& values)
{
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(kValueOpen, i);
        if (open < 0) {
            result += QStringView(text).mid(i);
            break;
        }
        result += QStringView(text).mid(i, open - i);
        const qsizetype close = text.indexOf(kValueClose, open + 1);
        bool ok = false;
        const qsizetype index = close < 0 ? -1 : QStringView(text).mid(open + 1, close - open - 1).toLongLong(&ok);
        if (!ok || index < 0 || index >= values.size()) {
            result += kValueOpen;
            i = open + 1;
            continue;
        }
        result += values.at(index).Value;
        i = close + 1;
    }
    return result;
}

} // namespace

TfrmZBSQLBuilder::TfrmZBSQLBuilder(QWidget* AOwner) : QDialog(AOwner)
{
    setObjectName(QStringLiteral("frmZBSQLBuilder"));
    BuildControls();
    BindEvents();
    FormCreate(this);
}

TfrmZBSQLBuilder::~TfrmZBSQLBuilder()
{
    // The boxes go with the pane, and each announces itself: the application
    // still hears of every box, while the grid, about to go too, is left alone.
    FDestroying = true;
    for (QWidget* editor : std::initializer_list<QWidget*>{cbGroupBy, edWhere, cbTables, cbValues, cbSorting})
        editor->removeEventFilter(this);
    delete SchemaDesignArea;
}

void TfrmZBSQLBuilder::BuildControls()
{
    // Sizes are in device-independent pixels, which are the pixels at 96 dots
    // per inch; Qt scales them for the screen.
    setWindowTitle(QCoreApplication::translate("schemakit", kFormCaption));
    resize(654, 453);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    BuildToolbar();
    layout->addWidget(pnlToolbar);

    FGridSplitter = new QSplitter(Qt::Vertical, this);
    FGridSplitter->setObjectName(QStringLiteral("GridSplitter"));
    FGridSplitter->setHandleWidth(3);
    FGridSplitter->setChildrenCollapsible(false);
    layout->addWidget(FGridSplitter, 1);

    FTablesSplitter = new QSplitter(Qt::Horizontal, FGridSplitter);
    FTablesSplitter->setObjectName(QStringLiteral("TablesSplitter"));
    FTablesSplitter->setHandleWidth(3);
    FTablesSplitter->setChildrenCollapsible(false);

    imgSQL = new TImageList(this, 16, 16);
    imgSQL->setObjectName(QStringLiteral("imgSQL"));
    imgSQL->Add(TablePicture(palette()));
    imgSQL->Add(FieldPicture(palette()));

    SchemaDesignArea = new TSchemaDesignArea(FTablesSplitter);
    SchemaDesignArea->setObjectName(QStringLiteral("SchemaDesignArea"));
    SchemaDesignArea->SetColor(clWhite);
    SchemaDesignArea->SetReadOnly(false);
    SchemaDesignArea->SetImages(imgSQL);

    pnlTables = new QWidget(FTablesSplitter);
    pnlTables->setObjectName(QStringLiteral("pnlTables"));
    auto* tablesLayout = new QVBoxLayout(pnlTables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tablesLayout->setSpacing(0);
    pbTableGrabber = new TPaintBox(pnlTables);
    pbTableGrabber->setObjectName(QStringLiteral("pbTableGrabber"));
    pbTableGrabber->setFixedHeight(kGrabberHeight);
    tablesLayout->addWidget(pbTableGrabber);
    lbTables = new TCustomListBox(pnlTables);
    lbTables->setObjectName(QStringLiteral("lbTables"));
    lbTables->SetSorted(true);
    lbTables->SetItemHeight(kTableItemHeight);
    tablesLayout->addWidget(lbTables);
    FTablesSplitter->addWidget(SchemaDesignArea);
    FTablesSplitter->addWidget(pnlTables);
    FTablesSplitter->setStretchFactor(0, 1);
    FTablesSplitter->setStretchFactor(1, 0);
    FTablesSplitter->setSizes({654 - kTablePanelWidth, kTablePanelWidth});
    SplitterTables = FTablesSplitter->handle(1);
    SplitterTables->setObjectName(QStringLiteral("SplitterTables"));

    pcSQL = new QTabWidget(FGridSplitter);
    pcSQL->setObjectName(QStringLiteral("pcSQL"));
    pcSQL->setTabPosition(QTabWidget::South);
    pcSQL->tabBar()->setAttribute(Qt::WA_Hover); // hot tracking
    FGridSplitter->addWidget(FTablesSplitter);
    FGridSplitter->addWidget(pcSQL);
    FGridSplitter->setStretchFactor(0, 1);
    FGridSplitter->setStretchFactor(1, 0);
    FGridSplitter->setSizes({453 - kToolbarHeight - kPagesHeight, kPagesHeight});
    SplitterGrid = FGridSplitter->handle(1);
    SplitterGrid->setObjectName(QStringLiteral("SplitterGrid"));

    tsColumns = new QWidget;
    tsColumns->setObjectName(QStringLiteral("tsColumns"));
    auto* columnsLayout = new QVBoxLayout(tsColumns);
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    sgColumnGrid = new TColumnGrid(tsColumns);
    sgColumnGrid->setObjectName(QStringLiteral("sgColumnGrid"));
    // A one-pixel border, so that the editors, placed by the grid's own
    // position plus one, cover their cells exactly in every style.
    sgColumnGrid->setFrameStyle(QFrame::Box | QFrame::Plain);
    sgColumnGrid->setLineWidth(1);
    // Drawn in the grey of the other frames rather than in black.
    QPalette framed = sgColumnGrid->palette();
    framed.setColor(QPalette::WindowText, framed.color(QPalette::Mid));
    sgColumnGrid->setPalette(framed);
    columnsLayout->addWidget(sgColumnGrid);
    // The in-place editors lie hidden on the page, above the grid.
    auto makeCombo = [this](const char* name) {
        auto* combo = new QComboBox(tsColumns);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setEditable(false);
        combo->hide();
        return combo;
    };
    cbTables = makeCombo("cbTables");
    cbSorting = makeCombo("cbSorting");
    cbValues = makeCombo("cbValues");
    cbGroupBy = new QCheckBox(tsColumns);
    cbGroupBy->setObjectName(QStringLiteral("cbGroupBy"));
    cbGroupBy->hide();
    edWhere = new QLineEdit(tsColumns);
    edWhere->setObjectName(QStringLiteral("edWhere"));
    edWhere->setFrame(false);
    edWhere->hide();

    tsOptions = new QWidget;
    tsOptions->setObjectName(QStringLiteral("tsOptions"));
    cbDistinct = new QCheckBox(tsOptions);
    cbDistinct->setObjectName(QStringLiteral("cbDistinct"));
    cbDistinct->setGeometry(8, 8, 329, 17);

    tsSQL = new QWidget;
    tsSQL->setObjectName(QStringLiteral("tsSQL"));
    auto* sqlLayout = new QVBoxLayout(tsSQL);
    sqlLayout->setContentsMargins(0, 0, 0, 0);
    SQLMemo = new QPlainTextEdit(tsSQL);
    SQLMemo->setObjectName(QStringLiteral("SQLMemo"));
    SQLMemo->setReadOnly(true);
    SQLMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    sqlLayout->addWidget(SQLMemo);

    BuildResultsPage();

    pcSQL->addTab(tsColumns, QString());
    pcSQL->addTab(tsOptions, QString());
    pcSQL->addTab(tsSQL, QString());
    pcSQL->addTab(tsResults, QString());
    pcSQL->setCurrentWidget(tsColumns);
}

void TfrmZBSQLBuilder::BindEvents()
{
    SchemaDesignArea->OnAddItem = [this](QObject* s, TSchemaItem* i) { SchemaDesignAreaAddItem(s, i); };
    SchemaDesignArea->OnAddSubItem = [this](QObject* s, TSchemaSubItem* i) { SchemaDesignAreaAddSubItem(s, i); };
    SchemaDesignArea->OnDeleteItem = [this](QObject* s, TSchemaItem* i) { SchemaDesignAreaDeleteItem(s, i); };
    SchemaDesignArea->OnDragOver = [this](QObject* s, QObject* src, int x, int y, Qt::DropAction st, bool& a) {
        SchemaDesignAreaDragOver(s, src, x, y, st, a);
    };
    SchemaDesignArea->OnDragDrop = [this](QObject* s, QObject* src, int x, int y) {
        SchemaDesignAreaDragDrop(s, src, x, y);
    };
    lbTables->OnDrawItem = [this](QWidget* c, int i, const QRect& r, TOwnerDrawState st, QPainter& p) {
        lbTablesDrawItem(c, i, r, st, p);
    };

    sgColumnGrid->OnSelectCell = [this](QObject* s, int c, int r, bool& ok) { sgColumnGridSelectCell(s, c, r, ok); };
    sgColumnGrid->OnDrawCell = [this](QObject* s, int c, int r, const QRect& rect, TGridDrawState st, QPainter& p) {
        sgColumnGridDrawCell(s, c, r, rect, st, p);
    };
    sgColumnGrid->OnEditCell = [this](QObject*, int, int) { EditCurrentCell(); };
    // The open editor follows its cell when the grid scrolls or its columns move.
    sgColumnGrid->OnLayoutChanged = [this](QObject*) { RepositionEditor(); };
    FHandles.OnDestroyed = [this](qint64 handle) { SubItemDestroyed(handle); };

    for (QComboBox* combo : {cbTables, cbValues, cbSorting}) {
        connect(combo, &QComboBox::activated, this, [this, combo] { Guarded(this, [&] { cbInplaceChange(combo); }); });
        combo->installEventFilter(this);
    }
    cbGroupBy->installEventFilter(this);
    edWhere->installEventFilter(this);

    connect(pcSQL, &QTabWidget::currentChanged, this, [this] { Guarded(this, [this] { pcSQLChange(pcSQL); }); });
    BindFrameEvents();
}

void TfrmZBSQLBuilder::FormCreate(QObject*)
{
    GetCheckBoxSize();
    pcSQL->setTabText(pcSQL->indexOf(tsColumns), strColumnPage.Text());
    sgColumnGrid->Model().WriteRowCaptions();
    cbSorting->clear();
    cbSorting->addItems(SortChoices());
    cbValues->clear();
    cbValues->addItems(CalculateChoices());
    pcSQL->setTabText(pcSQL->indexOf(tsOptions), strOptionsPage.Text());
    pcSQL->setTabText(pcSQL->indexOf(tsSQL), strSQLPage.Text());
    pcSQL->setTabText(pcSQL->indexOf(tsResults), strResultPage.Text());
    cbDistinct->setText(zbtUniqueOnly.Text());
    btnOK->setText(sOK.Text());
    btnCancel->setText(sCancel.Text());
    SetFrameTexts();
}

// --- the data engine and the table list ---

TSchemaDataEngine* TfrmZBSQLBuilder::DataEngine() const
{
    return FDataEngine.data();
}

void TfrmZBSQLBuilder::SetDataEngine(TSchemaDataEngine* Value)
{
    if (Value == FDataEngine)
        return;
    if (FDataEngine)
        disconnect(FDataEngine, &QObject::destroyed, this, nullptr);
    FDataEngine = Value;
    SchemaDesignArea->SetDataEngine(Value);
    if (Value)
        connect(Value, &QObject::destroyed, this, [this] { EngineDestroyed(); });
    FillTableList();
}

void TfrmZBSQLBuilder::EngineDestroyed()
{
    // Nothing may keep reaching for an engine that is gone: the pane forgets
    // it and the table list, whose objects came from it, empties.
    SchemaDesignArea->SetDataEngine(nullptr);
    FDataEngine = nullptr;
    lbTables->Clear();
}

void TfrmZBSQLBuilder::FillTableList()
{
    lbTables->setUpdatesEnabled(false);
    lbTables->Clear();
    TStringList tables;
    if (FDataEngine)
        FDataEngine->FillItemList(tables);
    QStringList names;
    QList<void*> objects;
    names.reserve(tables.Count());
    objects.reserve(tables.Count());
    int widest = 0;
    for (int i = 0; i < tables.Count(); ++i) {
        names.append(tables.Strings(i));
        objects.append(tables.Objects(i));
        widest = std::max(widest, lbTables->TextWidth(tables.Strings(i)));
    }
    lbTables->AddObjects(names, objects);
    lbTables->setUpdatesEnabled(true);
    // Room for the picture in front of each entry and a small margin.
    if (widest > 0)
        lbTables->SetScrollWidth(widest + 16 + 3);
}

void TfrmZBSQLBuilder::lbTablesDrawItem(QWidget* Control, int Index, const QRect& Rect, TOwnerDrawState State,
                                        QPainter& Canvas)
{
    if (!OnDrawTableItem) {
        Canvas.fillRect(Rect, Canvas.brush());
        if (Index >= 0 && Index < lbTables->Count()) {
            imgSQL->Draw(Canvas, Rect.left() + 2, Rect.top() + 2, 0);
            const QRect text(Rect.left() + imgSQL->Width() + 4, Rect.top() + 2, Rect.width(), Rect.height() - 2);
            Canvas.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, lbTables->Strings(Index));
        }
    }
    // Painting: neither a handler nor a receiver may free the window here.
    Raise(this, OnDrawTableItem, &TfrmZBSQLBuilder::drawTableItem, Control, Index, Rect, State, Canvas);
}

// --- the pane ---

void TfrmZBSQLBuilder::SchemaDesignAreaAddItem(QObject*, TSchemaItem* Item)
{
    Item->OnSubItemCheck = [this](QObject* sender) { ItemCheckClick(sender); };
    // The rows' events and signals may free the box, or this window and the
    // box with it: then there is nothing left to fill.
    const QPointer<TSchemaItem> alive = Item;
    if (!FInternalUpdate) {
        Item->AddSubItem(kAllFields.toString(), -1, false);
        if (!alive)
            return;
        if (TSchemaDataEngine* engine = SchemaDesignArea->DataEngine()) {
            TStringList fields;
            // On an error the pane drops the half-made box and tells the person why.
            engine->FillSubItemList(Item, fields);
            for (int i = 0; i < fields.Count(); ++i) {
                if (TSchemaSubItem* row = Item->AddSubItem(fields.Strings(i), -1, false))
                    row->SetData(fields.Objects(i));
                if (!alive)
                    return;
            }
            Item->RecalculateHeight();
            Item->RecalculateWidth();
        }
    }
    cbTables->addItem(Item->Caption());
    FListedBoxes.insert(Item);
    Raise(this, OnAddItem, &TfrmZBSQLBuilder::itemAdded, SchemaDesignArea, Item);
}

void TfrmZBSQLBuilder::SchemaDesignAreaAddSubItem(QObject*, TSchemaSubItem* Item)
{
    Item->SetImageIndex(1);
}

void TfrmZBSQLBuilder::SchemaDesignAreaDeleteItem(QObject*, TSchemaItem* Item)
{
    if (!Raise(this, OnDeleteItem, &TfrmZBSQLBuilder::itemDeleted, SchemaDesignArea, Item) || FDestroying)
        return;
    const bool wasChanging = std::exchange(FHidingEditors, true);
    const int removed = sgColumnGrid->Model().RemoveColumnsWhere([&](qint64 handle) {
        const auto* row = static_cast<const TSchemaSubItem*>(FHandles.Resolve(handle));
        return row && row->ItemOwner() == Item;
    });
    FHidingEditors = wasChanging;
    if (removed > 0)
        ReplaceEditorsAtFirstCell();
    // A box that failed while it was being made never got its choice, and
    // must not take another box's.
    if (!FListedBoxes.remove(Item))
        return;
    const int choice = cbTables->findText(Item->Caption(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (choice >= 0)
        cbTables->removeItem(choice);
}

void TfrmZBSQLBuilder::ItemCheckClick(QObject* Sender)
{
    auto* row = qobject_cast<TSchemaSubItem*>(Sender);
    TSchemaItem* box = row ? row->ItemOwner() : nullptr;
    if (!box)
        return;
    pcSQL->setCurrentWidget(tsColumns);
    // "*" and single fields exclude each other. Each untick comes back here
    // first and takes its column away, so the grid is tidy before this row's
    // own column is looked at.
    if (row->Checked()) {
        if (row->Caption() == kAllFields) {
            for (int i = 1; i < box->GetSubItemCount(); ++i) {
                if (TSchemaSubItem* other = box->GetSubItem(i); other && other != row)
                    other->SetChecked(false);
            }
        } else if (TSchemaSubItem* all = box->GetSubItem(0); all && all != row) {
            all->SetChecked(false);
        }
    }
    // A row that was unticked meanwhile (by a handler) is handled as unticked.
    TColumnGridModel& grid = sgColumnGrid->Model();
    const bool checked = row->Checked();
    const qint64 handle = checked ? FHandles.Track(row) : FHandles.Handle(row);
    const int col = grid.FindColumn(handle);
    if (col >= 0 && !checked) {
        const bool wasChanging = std::exchange(FHidingEditors, true);
        grid.RemoveColumnAt(col);
        FHidingEditors = wasChanging;
        ReplaceEditorsAtFirstCell();
    } else if (col < 0 && checked) {
        grid.AddColumnFor(handle, box->Caption());
    }
    sgColumnGrid->viewport()->update();
}

void TfrmZBSQLBuilder::SubItemDestroyed(qint64 Handle)
{
    // A row deleted from its box takes its column along, as unticking does; a
    // box's own rows have lost their columns when the box was announced gone.
    if (FDestroying)
        return;
    const bool wasChanging = std::exchange(FHidingEditors, true);
    const bool removed = sgColumnGrid->Model().RemoveColumnFor(Handle);
    FHidingEditors = wasChanging;
    if (removed)
        ReplaceEditorsAtFirstCell();
    sgColumnGrid->viewport()->update();
}

void TfrmZBSQLBuilder::SchemaDesignAreaDragOver(QObject*, QObject* Source, int, int, Qt::DropAction, bool& Accept)
{
    Accept = Source == lbTables;
}

void TfrmZBSQLBuilder::SchemaDesignAreaDragDrop(QObject* Sender, QObject* Source, int X, int Y)
{
    if (Sender != SchemaDesignArea) {
        if (auto* control = qobject_cast<QWidget*>(Sender)) {
            X += control->x();
            Y += control->y();
        }
    }
    if (Source != lbTables)
        return;
    const int selected = lbTables->ItemIndex();
    if (selected < 0)
        return; // nothing chosen in the list: nothing to drop
    const QString table = lbTables->Strings(selected);
    void* object = nullptr;
    for (int i = 0; i < lbTables->Count(); ++i) {
        if (lbTables->Strings(i) == table) {
            object = lbTables->Objects(i);
            break;
        }
    }
    AddNewItem(SchemaDesignArea, table, object, X, Y);
}

TSchemaItem* AddNewItem(TSchemaDesignArea* Area, const QString& Caption, void* Data, int X, int Y)
{
    if (!Area)
        return nullptr;
    TSchemaItem* item = Area->AddItemObject(Caption, scCheckListBox, Data);
    if (!item)
        return nullptr;
    item->SetLeft(X);
    item->SetTop(Y);
    if (TSchemaSubItem* all = item->GetSubItem(0))
        all->SetChecked(true);
    return item;
}

// --- the grid's in-place editors ---

TSchemaSubItem* TfrmZBSQLBuilder::ColumnSubItem(int ACol) const
{
    return static_cast<TSchemaSubItem*>(FHandles.Resolve(sgColumnGrid->Model().ColumnHandle(ACol)));
}

QWidget* TfrmZBSQLBuilder::ActiveEditor() const
{
    for (QWidget* editor : std::initializer_list<QWidget*>{cbTables, cbValues, cbSorting, cbGroupBy, edWhere}) {
        if (!editor->isHidden())
            return editor;
    }
    return nullptr;
}

void TfrmZBSQLBuilder::HideEditors()
{
    // Hiding is not leaving: an editor taken away by the program commits nothing.
    const bool wasHiding = std::exchange(FHidingEditors, true);
    bool hadFocus = false;
    for (QWidget* editor : std::initializer_list<QWidget*>{cbTables, cbValues, cbSorting, cbGroupBy, edWhere}) {
        hadFocus = hadFocus || (!editor->isHidden() && editor->hasFocus());
        editor->hide();
    }
    // Hiding the focused control would let the focus wander down the tab
    // order (to OK, say); it goes back to the grid instead.
    if (hadFocus && !FDestroying && pcSQL->currentWidget() == tsColumns)
        sgColumnGrid->setFocus(Qt::OtherFocusReason);
    FHidingEditors = wasHiding;
}

void TfrmZBSQLBuilder::ReplaceEditorsAtFirstCell()
{
    // The column under the current cell may just have gone, so the current cell
    // moves with the editors: a value chosen next lands in the cell it was
    // chosen for.
    bool canSelect = true;
    sgColumnGridSelectCell(sgColumnGrid, 1, 1, canSelect);
    sgColumnGrid->SetCurrentQuietly(1, 1);
}

void TfrmZBSQLBuilder::sgColumnGridSelectCell(QObject*, int ACol, int ARow, bool& CanSelect)
{
    HideEditors();
    CanSelect = true;
    // Moving with the keys only walks the grid; Enter or F2 opens the editor.
    if (sgColumnGrid->SelectingByKey())
        return;
    PlaceEditor(ACol, ARow);
}

bool TfrmZBSQLBuilder::PlaceEditor(int ACol, int ARow)
{
    const TColumnGridModel& grid = sgColumnGrid->Model();
    if (grid.Cells(ACol, grField).isEmpty() || ACol <= 0 || ARow <= 0 || ARow > grHaving)
        return false;
    const TColumnEditor kind = grid.EditorForCell(ACol, ARow);
    QWidget* editor = nullptr;
    const QString text = grid.Cells(ACol, ARow);
    switch (kind) {
    case ceNone: return false;
    case ceTables: editor = cbTables; break;
    case ceValues: editor = cbValues; break;
    case ceSorting: editor = cbSorting; break;
    case ceGroupBy: editor = cbGroupBy; break;
    case ceWhere: editor = edWhere; break;
    }
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    else if (editor == cbGroupBy)
        cbGroupBy->setChecked(text == u"1");
    else
        edWhere->setText(text);

    if (sgColumnGrid->CellRect(ACol, ARow).isEmpty())
        sgColumnGrid->MakeVisible(ACol, ARow);
    editor->setGeometry(EditorRect(kind, ACol, ARow));
    editor->show();
    // Showing a control may lay the page out again, moving the cell.
    editor->setGeometry(EditorRect(kind, ACol, ARow));
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    return true;
}

QRect TfrmZBSQLBuilder::EditorRect(TColumnEditor Kind, int ACol, int ARow) const
{
    // The cell as the grid knows it, shifted by where the grid lies on its page.
    const QRect cell = sgColumnGrid->CellRect(ACol, ARow).translated(sgColumnGrid->pos());
    return InplaceEditorRect(Kind, cell, QSize(FCheckWidth, FCheckHeight));
}

void TfrmZBSQLBuilder::RepositionEditor()
{
    QWidget* editor = ActiveEditor();
    if (!editor || FHidingEditors)
        return;
    const int col = sgColumnGrid->Col();
    const int row = sgColumnGrid->Row();
    const TColumnEditor kind = sgColumnGrid->Model().EditorForCell(col, row);
    if (kind != ceNone && !sgColumnGrid->CellRect(col, row).isEmpty()) {
        editor->setGeometry(EditorRect(kind, col, row));
        return;
    }
    // The cell went out of sight: what was typed or ticked is kept, a
    // drop-down simply closes.
    if (editor == edWhere || editor == cbGroupBy)
        Commit(editor, false);
    else
        HideEditors();
}

void TfrmZBSQLBuilder::EditCurrentCell()
{
    HideEditors();
    if (!PlaceEditor(sgColumnGrid->Col(), sgColumnGrid->Row()))
        return;
    // From the keyboard a drop-down opens at once, so that the arrows choose
    // in its list instead of committing every entry they pass.
    if (auto* combo = qobject_cast<QComboBox*>(ActiveEditor()))
        combo->showPopup();
}

void TfrmZBSQLBuilder::CancelEditor()
{
    HideEditors();
    if (pcSQL->currentWidget() == tsColumns)
        sgColumnGrid->setFocus(Qt::OtherFocusReason);
}

void TfrmZBSQLBuilder::cbInplaceChange(QObject* Sender)
{
    Commit(Sender, true);
}

void TfrmZBSQLBuilder::Commit(QObject* Sender, bool FocusGrid)
{
    TColumnGridModel& grid = sgColumnGrid->Model();
    const int col = sgColumnGrid->Col();
    const int row = sgColumnGrid->Row();
    const bool wasHiding = std::exchange(FHidingEditors, true);
    if (auto* combo = qobject_cast<QComboBox*>(Sender)) {
        const TSchemaSubItem* field = ColumnSubItem(col);
        const TChoiceCommit commit =
            grid.CommitChoice(col, row, combo->currentText(), field ? QStringView(field->Caption()) : QStringView());
        if (commit.Refused) {
            combo->setCurrentIndex(0);
            Dialogs().ShowWarning(commit.Warning, this);
        }
        combo->hide();
    } else if (Sender == cbGroupBy) {
        grid.CommitGrouping(col, cbGroupBy->isChecked());
        sgColumnGrid->SyncRowCount();
        cbGroupBy->hide();
    } else if (Sender == edWhere) {
        grid.CommitText(col, row, edWhere->text());
        edWhere->hide();
    }
    FHidingEditors = wasHiding;
    sgColumnGrid->viewport()->update();
    if (FocusGrid && pcSQL->currentWidget() == tsColumns)
        sgColumnGrid->setFocus(Qt::OtherFocusReason);
}

bool TfrmZBSQLBuilder::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == lbTables->viewport()) {
        if (Event->type() == QEvent::MouseButtonDblClick && !FDestroying)
            Guarded(this, [this] { lbTablesDblClick(lbTables); });
        return QDialog::eventFilter(Watched, Event);
    }
    if (Watched == pnlToolbar) {
        if (Event->type() == QEvent::Resize && !FDestroying)
            Guarded(this, [this] { pnlToolbarResize(pnlToolbar); });
        return QDialog::eventFilter(Watched, Event);
    }
    auto* editor = qobject_cast<QWidget*>(Watched);
    if (!editor || FDestroying)
        return QDialog::eventFilter(Watched, Event);
    if (Event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(Event);
        if (key->key() == Qt::Key_Escape) {
            CancelEditor();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // A drop-down that shows no choice has nothing to commit: Enter
            // leaves its cell as it was.
            auto* combo = qobject_cast<QComboBox*>(editor);
            if (combo && combo->currentIndex() < 0)
                CancelEditor();
            else
                Guarded(this, [&] { cbInplaceChange(editor); });
            return true;
        }
    } else if (Event->type() == QEvent::FocusOut && (editor == edWhere || editor == cbGroupBy)) {
        // The edit box and the check box commit when the user leaves them,
        // and the focus goes where the user sent it.
        if (!FHidingEditors && !editor->isHidden() && LeftForAnotherControl(static_cast<QFocusEvent*>(Event)))
            Guarded(this, [&] { Commit(editor, false); });
    }
    return QDialog::eventFilter(Watched, Event);
}

// --- painting the grid ---

void TfrmZBSQLBuilder::GetCheckBoxSize()
{
    FCheckWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    FCheckHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
}

void TfrmZBSQLBuilder::DrawCheckBox(QPainter& Canvas, const QRect& Rect, bool Checked)
{
    QStyleOptionButton option;
    option.initFrom(sgColumnGrid);
    option.rect = CheckBoxGlyphRect(Rect, QSize(FCheckWidth, FCheckHeight));
    option.state = QStyle::State_Enabled | (Checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &Canvas, sgColumnGrid);
}

void TfrmZBSQLBuilder::sgColumnGridDrawCell(QObject*, int ACol, int ARow, const QRect& Rect, TGridDrawState,
                                            QPainter& Canvas)
{
    const TColumnGridModel& grid = sgColumnGrid->Model();
    const QPalette& palette = sgColumnGrid->palette();
    const QRect area = CellTextRect(Rect);
    constexpr int kTextFlags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignVCenter;
    QFont bold = Canvas.font();
    bold.setBold(true);
    if (ARow == grField) {
        Canvas.setFont(bold);
        Canvas.fillRect(area, palette.button());
        // The handle is never shown: a used column shows its row's caption,
        // every other header cell (the corner included) stays blank.
        if (ACol > 0) {
            if (const TSchemaSubItem* row = ColumnSubItem(ACol)) {
                Canvas.setPen(palette.buttonText().color());
                Canvas.drawText(area, kTextFlags | Qt::AlignHCenter, row->Caption());
            }
        }
        return;
    }
    Canvas.fillRect(area, palette.base());
    Canvas.setPen(palette.text().color());
    if (ACol == 0) {
        if (ARow < grid.RowCount()) {
            Canvas.setFont(bold);
            Canvas.drawText(area, kTextFlags | Qt::AlignRight, grid.Cells(0, ARow) + u' ');
        }
    } else if (ARow == grGrouping) {
        DrawCheckBox(Canvas, area, grid.Cells(ACol, ARow) == u"1");
    } else {
        Canvas.drawText(area, kTextFlags | Qt::AlignLeft, grid.Cells(ACol, ARow));
    }
}

// --- the pages ---

QString TfrmZBSQLBuilder::SQLText() const
{
    // The page is read-only, so its text changes only through SetSQLText; the
    // kept text is the exact one as long as the page still shows it.
    QString shown = FSQLText;
    shown.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return shown == SQLMemo->toPlainText() ? FSQLText : SQLMemo->toPlainText();
}

void TfrmZBSQLBuilder::SetSQLText(const QString& Text)
{
    FSQLText = Text;
    SQLMemo->setPlainText(Text);
}

// --- the statement ---

TSQLSnapshot TfrmZBSQLBuilder::SQLSnapshot()
{
    TSQLSnapshot snapshot;
    for (int i = 0; i < SchemaDesignArea->ControlCount(); ++i) {
        QObject* control = SchemaDesignArea->Controls(i);
        if (auto* box = qobject_cast<TSchemaItem*>(control)) {
            snapshot.Boxes.append({quintptr(box), box->Caption(), i});
        } else if (auto* link = qobject_cast<TSchemaRelation*>(control)) {
            if (!link->ParentSubItem() || !link->ChildSubItem())
                continue;
            TSQLLink joined;
            joined.Parent = {quintptr(link->ParentItem()), link->ParentSubItem()->Caption(),
                             quintptr(link->ParentSubItem())};
            joined.Child = {quintptr(link->ChildItem()), link->ChildSubItem()->Caption(),
                            quintptr(link->ChildSubItem())};
            joined.Operator = link->JoinOperator();
            joined.Join = link->JoinType();
            snapshot.Links.append(joined);
        }
    }
    snapshot.Columns = UsedSQLColumns(sgColumnGrid->Model(), [this](qint64 handle) -> std::optional<TSQLField> {
        const auto* row = static_cast<const TSchemaSubItem*>(FHandles.Resolve(handle));
        if (!row)
            return std::nullopt;
        return FieldOf(row);
    });
    snapshot.Distinct = cbDistinct->isChecked();
    if (TSchemaDataEngine* engine = FDataEngine) {
        snapshot.Dialect = engine->SQLSubType();
        snapshot.Template = engine->GetSQLTemplate();
    }
    if (OnGetTableName) {
        snapshot.OnGetTableName = [this](const TSQLBox& box, int itemIndex, bool isAlias) {
            return OnGetTableName(this, reinterpret_cast<TSchemaItem*>(box.Id), itemIndex, isAlias);
        };
    }
    if (OnGetFieldName) {
        snapshot.OnGetFieldName = [this](const TSQLField& field) {
            return OnGetFieldName(this, reinterpret_cast<TSchemaSubItem*>(field.Id));
        };
    }
    return snapshot;
}

QString TfrmZBSQLBuilder::GenerateSQL()
{
    const TSQLPieces pieces = GatherSQLPieces(SQLSnapshot());
    if (pieces.Template.contains(kValueOpen))
        return schemakit::GenerateSQL(SQLSnapshot());
    // The template goes through the (replaceable) ExpandSQL with stand-ins
    // for the values, so that no value can be taken for a macro or a section
    // of the template; the values go in at the end.
    QString text = pieces.Template;
    for (qsizetype i = 0; i < pieces.Values.size(); ++i) {
        const TSQLMacroValue& value = pieces.Values.at(i);
        ExpandSQL(text, value.Macro.toString(), value.Value.isEmpty() ? QString() : ValuePlaceholder(i));
    }
    text = PutValuesIn(text, pieces.Values);
    RemoveBlankLines(text);
    return text;
}

void TfrmZBSQLBuilder::ExpandSQL(QString& SQL, const QString& Macro, const QString& Value)
{
    schemakit::ExpandSQL(SQL, Macro, Value);
}

void TfrmZBSQLBuilder::RemoveBlankLines(QString& SQL)
{
    schemakit::RemoveBlankLines(SQL);
}

QString TfrmZBSQLBuilder::GetTableName(TSchemaItem* Item, bool IsAlias)
{
    if (!Item)
        return {};
    TSQLSnapshot snapshot = SQLSnapshot();
    if (std::none_of(snapshot.Boxes.cbegin(), snapshot.Boxes.cend(),
                     [&](const TSQLBox& box) { return box.Id == quintptr(Item); }))
        snapshot.Boxes.append({quintptr(Item), Item->Caption(), SchemaDesignArea->GetItemIndex(Item)});
    const TSQLTableNames names(snapshot.Boxes, snapshot.OnGetTableName);
    return names.TableName(quintptr(Item), IsAlias);
}

QString TfrmZBSQLBuilder::GetFieldName(TSchemaSubItem* Item)
{
    if (!Item)
        return {};
    TSQLFieldNameHook hook;
    if (OnGetFieldName)
        hook = [this, Item](const TSQLField&) { return OnGetFieldName(this, Item); };
    return FieldName(FieldOf(Item), hook);
}

} // namespace schemakit
