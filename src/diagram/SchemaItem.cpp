#include "SchemaItem.h"

#include "DiagramAccessibility.h"
#include "ItemGeometry.h"
#include "SchemaDesignArea.h"
#include "SchemaListControls.h"
#include "SchemaRelation.h"
#include "SchemaShapes.h"
#include "SchemaSubItem.h"

#include "../package/ErrorBoundary.h"
#include "../package/Exceptions.h"
#include "../package/ImageList.h"
#include "../package/PlatformMetrics.h"
#include "../package/Raise.h"
#include "../package/SchmCnst.h"
#include "../package/SysUtils.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTreeWidgetItemIterator>

#include <memory>

namespace schemakit {

namespace {

TSchemaSubItem* RowOf(void* object)
{
    return static_cast<TSchemaSubItem*>(object);
}

// Visits the rows of a tree in row order (depth-first over all nodes) until `f`
// returns true; returns the index it stopped at, or -1.
template <typename F>
int ScanTreeRows(const TTreeView* tree, F&& f)
{
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView*>(tree)); *it; ++it, ++i) {
        if (f(*it, RowOf(TTreeView::Data(*it))))
            return i;
    }
    return -1;
}

TControlDragTarget* DragTargetOf(QWidget* control)
{
    if (auto* list = qobject_cast<TCustomListBox*>(control))
        return &list->Drag();
    if (auto* tree = qobject_cast<TTreeView*>(control))
        return &tree->Drag();
    return nullptr;
}

bool IsDescendant(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor)
{
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent()) {
        if (p == ancestor)
            return true;
    }
    return false;
}

// The check list draws its own check boxes and keeps their marks in a role of
// its own; the item's check state carries the mark as well, for accessibility
// clients, which read it from there.
void ExposeCheckState(TCheckListBox* list, int index)
{
    QListWidgetItem* entry = list ? list->item(index) : nullptr;
    if (!entry)
        return;
    if (!(entry->flags() & Qt::ItemIsUserCheckable))
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(list->Checked(index) ? Qt::Checked : Qt::Unchecked);
}

// The step of a box moved by Ctrl+arrow (1 pixel) or Ctrl+Shift+arrow (10);
// null for any other key.
QPoint ArrowStep(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    int size = 0;
    if (modifiers == Qt::ControlModifier)
        size = 1;
    else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        size = 10;
    switch (key) {
    case Qt::Key_Left: return {-size, 0};
    case Qt::Key_Right: return {size, 0};
    case Qt::Key_Up: return {0, -size};
    case Qt::Key_Down: return {0, size};
    default: return {};
    }
}

// Every box shows the same window icon; loading it once keeps adding boxes cheap.
const QIcon& ItemWindowIcon()
{
    static const QIcon icon(QStringLiteral(":/schemakit/SD_ITEM"));
    return icon;
}

} // namespace

TSchemaItem::TSchemaItem(TSchemaDesignArea* owner, TSchemaControlType kind)
    : TBoxWindow(owner ? owner->viewport() : nullptr), FDesigner(owner), FSchemaControlType(kind)
{
    hide();
    setAttribute(Qt::WA_AlwaysShowToolTips);
    FFont = TFont::FromQFont(font());
    CreateItemControl();
    // A list kind box hands the focus to its list, where the keys arrive and
    // are looked at first here; a shape kind box takes them itself.
    setFocusPolicy(Qt::ClickFocus);
    if (IsListKind(FSchemaControlType)) {
        setFocusProxy(FItemControl);
        FItemControl->installEventFilter(this);
    }
    UpdateAccessibleDescription();
    if (FDesigner)
        FDesigner->ItemMade(this);
}

TSchemaItem::~TSchemaItem()
{
    FGoing = true;
    // However the box goes, no link may keep pointing at it: its links go first,
    // each announced as RemoveItem announces them. ClearAll and the pane's own
    // end free the links themselves, without the event.
    if (FDesigner && !FRelations.isEmpty() && !FDesigner->IsClearing()) {
        TSchemaDesignArea* pane = FDesigner;
        Guarded(nullptr, [&] { pane->DeleteRelationsForItem(this, nullptr); });
    }
    for (TSchemaRelation* link : std::exchange(FRelations, {}))
        link->ForgetEnd(this);
    // The pane hears of the box while the box, its rows and its inner control are
    // still whole. Should a receiver free the pane, the pane leaves this box to
    // finish here, and both references read null below.
    if (TSchemaDesignArea* pane = FDesigner)
        Guarded(nullptr, [&] { Raise(pane, pane->OnDeleteItem, &TSchemaDesignArea::itemDeleted, pane, this); });
    if (FParent)
        FParent->RemoveControl(this);
    if (FDesigner)
        FDesigner->ItemGone(this);
}

void TSchemaItem::CreateItemControl()
{
    switch (FSchemaControlType) {
    case scCheckListBox: FItemControl = new TSchemaCheckListBox(this); break;
    case scTreeView: {
        auto* tree = new TSchemaTreeView(this);
        if (FDesigner) {
            tree->SetImages(FDesigner->Images());
            tree->SetStateImages(FDesigner->StateImages());
        }
        FItemControl = tree;
        break;
    }
    case scText:
        FItemControl = new TSchemaText(this);
        SetShowCaption(false);
        SetSizeable(true);
        SetBorder(false);
        break;
    case scIcon:
        FItemControl = new TSchemaIcon(this);
        SetShowCaption(false);
        SetSizeable(true);
        SetBorder(false);
        break;
    default:
        FSchemaControlType = scListBox;
        FItemControl = new TSchemaListBox(this);
        break;
    }
    if (TCustomListBox* list = ListControl()) {
        list->OnDrawItem = [this](QWidget* c, int i, const QRect& r, TOwnerDrawState s, QPainter& p) {
            CustomListDrawItem(c, i, r, s, p);
        };
    }
    if (TControlDragTarget* drag = DragTargetOf(FItemControl)) {
        drag->OnDragOver = [this](QObject* sender, QObject* source, int x, int y, Qt::DropAction state, bool& accept) {
            _DragOver(sender, source, x, y, state, accept);
        };
        drag->OnDragDrop = [this](QObject* sender, QObject* source, int x, int y) { _DragDrop(sender, source, x, y); };
    }
    if (IsListKind(FSchemaControlType)) {
        BuildPopupMenu();
        // The rows keep their own regular 8-point font until the box is activated.
        QFont f = font();
        f.setPointSize(8);
        f.setBold(false);
        f.setItalic(false);
        f.setUnderline(false);
        f.setStrikeOut(false);
        FItemControl->setFont(f);
        FItemControl->setFocusPolicy(Qt::ClickFocus);
        if (auto* list = ListControl())
            list->SetItemHeight(std::max(QFontMetrics(f).height() + 3, CheckBoxGlyphSize() + 3));
    }
    FItemControl->setGeometry(ClientRect());
}

TSchemaDesignArea* TSchemaItem::Designer() const
{
    return FDesigner;
}

TScrollBox* TSchemaItem::Parent() const
{
    return FParent;
}

TCustomListBox* TSchemaItem::ListControl() const
{
    return FSchemaControlType <= scCheckListBox ? static_cast<TCustomListBox*>(FItemControl) : nullptr;
}

TCheckListBox* TSchemaItem::CheckListControl() const
{
    return FSchemaControlType == scCheckListBox ? static_cast<TCheckListBox*>(FItemControl) : nullptr;
}

TTreeView* TSchemaItem::TreeControl() const
{
    return FSchemaControlType == scTreeView ? static_cast<TTreeView*>(FItemControl) : nullptr;
}

TSchemaText* TSchemaItem::TextControl() const
{
    return FSchemaControlType == scText ? static_cast<TSchemaText*>(FItemControl) : nullptr;
}

TSchemaIcon* TSchemaItem::IconControl() const
{
    return FSchemaControlType == scIcon ? static_cast<TSchemaIcon*>(FItemControl) : nullptr;
}

// --- parent, properties ---------------------------------------------------------

void TSchemaItem::SetParent(QWidget* parent)
{
    TScrollBox* box = qobject_cast<TScrollBox*>(parent);
    if (parent && !box)
        throw Exception(zbtNotValidTableParent.Text());
    if (box == FParent)
        return;
    const bool shown = !isHidden();
    if (FParent) {
        disconnect(FParent, &TScrollBox::destroying, this, nullptr);
        FParent->RemoveControl(this);
    }
    // Off any pane the box stays a hidden child of its owner, which still frees it.
    QWidget* host = box ? box->viewport() : (FDesigner ? FDesigner->viewport() : nullptr);
    if (parentWidget() != host)
        QWidget::setParent(host);
    FParent = box;
    if (!box) {
        hide();
        return;
    }
    box->InsertControl(this);
    connect(box, &TScrollBox::destroying, this, [this](TScrollBox* gone) { ParentGoing(gone); });
    if (shown)
        show();
    if (FIcon.isNull())
        SetIcon(ItemWindowIcon());
}

void TSchemaItem::SetCaption(const QString& caption)
{
    TBoxWindow::SetCaption(caption);
    if (TSchemaText* text = TextControl())
        text->SetText(caption);
    setAccessibleName(caption);
}

void TSchemaItem::SetColor(TColor color)
{
    TBoxWindow::SetColor(color);
    if (FSchemaControlType == scIcon)
        return;
    QPalette pal = FItemControl->palette();
    const QColor c = ColorToQColor(color);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Window, c);
    FItemControl->setPalette(pal);
    FItemControl->setAutoFillBackground(FSchemaControlType == scText);
    FItemControl->update();
}

TFont TSchemaItem::Font() const
{
    if (FSchemaControlType == scIcon)
        return FFont;
    return TFont::FromQFont(FItemControl->font(), FFont.Color, FFont.Charset);
}

void TSchemaItem::SetFont(const TFont& font)
{
    FFont = font;
    if (FSchemaControlType != scIcon)
        ApplyControlFont(font);
}

void TSchemaItem::ApplyControlFont(const TFont& font)
{
    FFont.Color = font.Color;
    FFont.Charset = font.Charset;
    FItemControl->setFont(font.ToQFont());
    QPalette pal = FItemControl->palette();
    const QColor c = ColorToQColor(font.Color);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::WindowText, c);
    FItemControl->setPalette(pal);
    FItemControl->update();
}

void TSchemaItem::SetIcon(const QIcon& icon)
{
    FIcon = icon;
    setWindowIcon(icon);
}

int TSchemaItem::GetRank() const
{
    int links = 0;
    for (const TSchemaRelation* link : FRelations) {
        if (link->ParentItem() == this)
            links += 2;
        else if (link->ChildItem() == this)
            links += 1;
    }
    return GetSubItemCount() + 10 * links;
}

// --- rows -------------------------------------------------------------------------

TSchemaSubItem* TSchemaItem::AddSubItem(const QString& itemName, int parentItem, bool checked)
{
    return NewSubItem(itemName, parentItem, checked, nullptr, false);
}

TSchemaSubItem* TSchemaItem::AddSubItemObject(const QString& itemName, int parentItem, bool checked, void* object)
{
    return NewSubItem(itemName, parentItem, checked, object, true);
}

TSchemaSubItem* TSchemaItem::NewSubItem(const QString& itemName, int parentItem, bool checked, void* object,
                                        bool setObject)
{
    if (!IsListKind(FSchemaControlType) && GetSubItemCount() > 0)
        return nullptr;
    auto* row = new TSchemaSubItem(this);
    row->SetCaption(itemName);
    // Raises OnSubItemCheck already; the row is not in the inner control yet. A
    // receiver may free the box, and the row with it.
    const QPointer<TSchemaItem> alive = this;
    FRowBeingAdded = row;
    row->SetChecked(checked);
    if (!alive)
        return nullptr;
    FRowBeingAdded = nullptr;
    switch (FSchemaControlType) {
    case scCheckListBox: {
        TCheckListBox* list = CheckListControl();
        const int i = list->AddObject(itemName, row);
        list->SetChecked(i, row->Checked());
        ExposeCheckState(list, i);
        row->SetIndex(i);
        break;
    }
    case scListBox: row->SetIndex(ListControl()->AddObject(itemName, row)); break;
    case scTreeView: {
        TTreeView* tree = TreeControl();
        QTreeWidgetItem* parentNode = parentItem >= 0 && parentItem < tree->Count() ? tree->Node(parentItem) : nullptr;
        row->SetIndex(tree->AbsoluteIndex(tree->AddChildObject(parentNode, itemName, row)));
        break;
    }
    case scText:
        TextControl()->SetData(row);
        row->SetIndex(-1);
        break;
    case scIcon:
        IconControl()->SetData(row);
        row->SetIndex(-1);
        break;
    }
    if (setObject)
        row->SetData(object);
    UpdateAccessibleDescription();
    if (TSchemaDesignArea* pane = FDesigner) {
        // A handler or a receiver may free the row, the box or the pane.
        const QPointer<TSchemaSubItem> added = row;
        if (!Raise(pane, pane->OnAddSubItem, &TSchemaDesignArea::subItemAdded, pane, row) || !added)
            return nullptr;
    }
    return row;
}

int TSchemaItem::GetSubItemCount() const
{
    switch (FSchemaControlType) {
    case scListBox:
    case scCheckListBox: return ListControl()->Count();
    case scTreeView: return TreeControl()->Count();
    case scText: return TextControl()->Data() ? 1 : 0;
    case scIcon: return IconControl()->Data() ? 1 : 0;
    }
    return 0;
}

TSchemaSubItem* TSchemaItem::GetSubItem(int index) const
{
    switch (FSchemaControlType) {
    case scListBox:
    case scCheckListBox: {
        const TCustomListBox* list = ListControl();
        return index >= 0 && index < list->Count() ? RowOf(list->Objects(index)) : nullptr;
    }
    case scTreeView: return RowOf(TTreeView::Data(TreeControl()->Node(index)));
    case scText: return RowOf(TextControl()->Data());
    case scIcon: return RowOf(IconControl()->Data());
    }
    return nullptr;
}

TSchemaSubItem* TSchemaItem::GetSubItemByName(const QString& subName) const
{
    if (const TTreeView* tree = TreeControl()) {
        TSchemaSubItem* found = nullptr;
        ScanTreeRows(tree, [&](QTreeWidgetItem*, TSchemaSubItem* row) {
            if (row && SameText(row->Caption(), subName)) {
                found = row;
                return true;
            }
            return false;
        });
        return found;
    }
    const int n = GetSubItemCount();
    for (int i = 0; i < n; ++i) {
        TSchemaSubItem* row = GetSubItem(i);
        if (row && SameText(row->Caption(), subName))
            return row;
    }
    return nullptr;
}

int TSchemaItem::GetIndexBySubItem(const TSchemaSubItem* subItem) const
{
    if (!subItem)
        return -1;
    if (const TTreeView* tree = TreeControl())
        return ScanTreeRows(tree, [&](QTreeWidgetItem*, TSchemaSubItem* row) { return row == subItem; });
    // A list row usually still sits where it was added.
    const int n = GetSubItemCount();
    const int hint = subItem->Index();
    if (hint >= 0 && hint < n && GetSubItem(hint) == subItem)
        return hint;
    for (int i = 0; i < n; ++i) {
        if (GetSubItem(i) == subItem)
            return i;
    }
    return -1;
}

void TSchemaItem::DeleteSubItem(int index)
{
    if (TCustomListBox* list = ListControl()) {
        if (index < 0 || index >= list->Count())
            return;
        DropLinksOfRows({RowOf(list->Objects(index))});
        if (index >= list->Count()) // a handler of the links' removal took the row
            return;
        std::unique_ptr<TSchemaSubItem> row(RowOf(list->Objects(index)));
        list->SetObjects(index, nullptr);
        list->Delete(index);
        UpdateAccessibleDescription();
    } else if (TTreeView* tree = TreeControl()) {
        QTreeWidgetItem* node = tree->Node(index);
        if (!node)
            return;
        // The node's children leave the tree with it; their rows stay with the
        // box until it goes, but no link may stay on a row nobody sees.
        QList<TSchemaSubItem*> rows;
        for (QTreeWidgetItemIterator it(node); *it && (*it == node || IsDescendant(*it, node)); ++it)
            rows << RowOf(TTreeView::Data(*it));
        DropLinksOfRows(rows);
        node = tree->Node(index);
        if (!node)
            return;
        std::unique_ptr<TSchemaSubItem> row(RowOf(TTreeView::Data(node)));
        TTreeView::SetData(node, nullptr);
        tree->Delete(node);
        UpdateAccessibleDescription();
    }
}

void TSchemaItem::DropLinksOfRows(const QList<TSchemaSubItem*>& rows)
{
    TSchemaDesignArea* pane = FDesigner;
    if (!pane)
        return;
    for (TSchemaSubItem* row : rows) {
        if (row && !FRelations.isEmpty())
            pane->DeleteRelationsForItem(this, row);
    }
}

int TSchemaItem::GetItemIndex() const
{
    if (const TCustomListBox* list = ListControl())
        return list->ItemIndex();
    if (const TTreeView* tree = TreeControl())
        return tree->AbsoluteIndex(tree->Selected());
    return -1;
}

QString TSchemaItem::GetItemName(int index) const
{
    switch (FSchemaControlType) {
    case scListBox:
    case scCheckListBox: {
        const TCustomListBox* list = ListControl();
        return index >= 0 && index < list->Count() ? list->Strings(index) : QString();
    }
    case scTreeView: {
        const QTreeWidgetItem* node = TreeControl()->Node(index);
        return node ? node->text(0) : QString();
    }
    case scText: return TextControl()->Text();
    case scIcon: return QString();
    }
    return QString();
}

QTreeWidgetItem* TSchemaItem::NodeOf(const TSchemaSubItem* subItem) const
{
    const TTreeView* tree = TreeControl();
    if (!tree || !subItem)
        return nullptr;
    QTreeWidgetItem* found = nullptr;
    ScanTreeRows(tree, [&](QTreeWidgetItem* node, TSchemaSubItem* row) {
        if (row != subItem)
            return false;
        found = node;
        return true;
    });
    return found;
}

void TSchemaItem::SelectItemBold(TSchemaSubItem* subItem, bool isBold)
{
    if (!subItem)
        return;
    if (QTreeWidgetItem* node = NodeOf(subItem))
        TTreeView::SetBoldAndCut(node, isBold, false);
    subItem->SetLinked(isBold);
}

bool TSchemaItem::SubItemCheckChanged(TSchemaSubItem* subItem)
{
    if (TCheckListBox* list = CheckListControl()) {
        // A row being added is not in the list yet: looking for it there would
        // cost a pass over every row, for every checked row a load adds.
        const int i = subItem == FRowBeingAdded ? -1 : GetIndexBySubItem(subItem);
        if (i >= 0) {
            list->SetChecked(i, subItem->Checked());
            ExposeCheckState(list, i);
        }
    }
    return Raise(this, OnSubItemCheck, &TSchemaItem::subItemChecked, subItem);
}

void TSchemaItem::SubItemImageChanged(TSchemaSubItem* subItem, int which, int value)
{
    if (QTreeWidgetItem* node = NodeOf(subItem))
        TTreeView::SetImageIndex(node, TTreeView::TImageKind(which), value);
    update();
    FItemControl->update();
}

// --- geometry -----------------------------------------------------------------------

int TSchemaItem::GetRowY(int fldN) const
{
    using namespace ItemGeometry;
    const QRect client = ClientRect();
    // The inner control's place in the box's client coordinates.
    const QRect control = FItemControl->geometry().translated(-client.topLeft());
    int y = 0;
    if (const TCustomListBox* list = ListControl()) {
        y = ListRowY(fldN, list->TopIndex(), list->ItemHeight(), control.top());
    } else if (const TTreeView* tree = TreeControl()) {
        y = TreeRowY(TreeRowLine(tree->ShownAbsoluteIndexesFromTop(), fldN), control.top());
    } else {
        y = ShapeRowY(control.top());
    }
    y = ClampRowY(y, control.top(), control.height());
    const QPoint inWindow = client.topLeft() + QPoint(control.left(), y);
    if (QWidget* target = parentWidget())
        return mapTo(target, inWindow).y();
    return mapToGlobal(inWindow).y();
}

void TSchemaItem::RecalculateHeight()
{
    int h = 0;
    if (const TCustomListBox* list = ListControl()) {
        h = list->Count() * list->ItemHeight();
    } else if (TTreeView* tree = TreeControl()) {
        tree->FullExpand();
        h = tree->Count() * ItemGeometry::kTreeLineHeight;
    } else if (const TSchemaText* text = TextControl()) {
        h = text->height();
    } else if (const TSchemaIcon* icon = IconControl()) {
        h = icon->Picture().height();
    }
    SetClientHeight(ItemGeometry::ClientHeightFor(h, Border()));
}

void TSchemaItem::RecalculateWidth()
{
    using namespace ItemGeometry;
    int width = 0;
    if (const TCustomListBox* list = ListControl()) {
        int w = kMinListContentWidth;
        for (int i = 0; i < list->Count(); ++i)
            w = std::max(w, list->TextWidth(list->Strings(i)));
        width = ListOuterWidth(w, Border(), CheckBoxGlyphSize());
    } else if (const TTreeView* tree = TreeControl()) {
        int w = kMinListContentWidth;
        for (QTreeWidgetItemIterator it(const_cast<TTreeView*>(tree)); *it; ++it)
            w = std::max(w, tree->TextWidth((*it)->text(0)));
        width = ListOuterWidth(w, Border(), CheckBoxGlyphSize());
    } else if (const TSchemaText* text = TextControl()) {
        const int w = text->Text().contains(QChar(13)) ? text->width() : text->TextWidth(text->Text());
        width = ShapeOuterWidth(w, Border());
    } else if (const TSchemaIcon* icon = IconControl()) {
        width = ShapeOuterWidth(icon->Picture().width(), Border());
    }
    if (ShowCaption())
        width = FitCaptionWidth(width, QFontMetrics(CanvasFont()).horizontalAdvance(Caption()));
    SetWidth(width);
}

bool TSchemaItem::Activate(const QString&, int x, int y)
{
    move(x, y);
    TFont f = Font();
    f.Style = TFontStyles{fsBold};
    f.Size = 8;
    if (FSchemaControlType == scIcon)
        FFont = f;
    else
        ApplyControlFont(f);
    SetCanvasFont(f.ToQFont());
    if (IsListKind(FSchemaControlType)) {
        FItemControl->setFocusPolicy(Qt::ClickFocus);
        RecalculateWidth();
    }
    FItemControl->show();
    show();
    return true;
}

// --- drawing ------------------------------------------------------------------------

void TSchemaItem::CustomListDrawItem(QWidget* control, int index, const QRect& rect, TOwnerDrawState state,
                                     QPainter& canvas)
{
    const auto* list = qobject_cast<const TCustomListBox*>(control);
    if (!list || index < 0 || index >= list->Count())
        return;
    canvas.fillRect(rect, canvas.brush());
    const TSchemaSubItem* row = RowOf(list->Objects(index));
    if (!row) {
        canvas.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, list->Strings(index));
        return;
    }
    if (row->Linked()) {
        QFont f = canvas.font();
        f.setBold(true);
        canvas.setFont(f);
    }
    const TImageList* images = FDesigner ? FDesigner->Images() : nullptr;
    const auto valid = [images](int i) { return images && i >= 0 && i < images->Count(); };
    int idx = row->ImageIndex();
    if (state.Contains(odSelected)) {
        idx = row->SelectedIndex();
        if (images && !valid(idx))
            idx = row->ImageIndex();
    }
    int textOffset = 0;
    if (valid(idx)) {
        images->Draw(canvas, rect.left(), rect.top() + (rect.height() - images->Height()) / 2, idx);
        textOffset = images->Width() + 2;
    }
    const QRect textRect(rect.left() + textOffset + 2, rect.top(), rect.width() - textOffset - 2, rect.height());
    canvas.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, row->Caption());
}

// --- reactions of the window ---------------------------------------------------------

THitArea TSchemaItem::HitTest(QPoint p) const
{
    const THitArea area = TBoxWindow::HitTest(p);
    // A text or icon box is dragged around from anywhere on it.
    if (!IsListKind(FSchemaControlType) && area == THitArea::Client)
        return THitArea::Caption;
    return area;
}

void TSchemaItem::ClientAreaChanged()
{
    if (FItemControl)
        FItemControl->setGeometry(ClientRect());
}

void TSchemaItem::ReboundOwnRelations(bool isDrag)
{
    // A scroll moves every box; the pane re-routes once after it instead.
    auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data());
    if (pane && !pane->IsScrolling())
        pane->ReboundRelationsForItem(this, isDrag);
}

void TSchemaItem::Moved()
{
    ReboundOwnRelations(true);
}

void TSchemaItem::Resized()
{
    ReboundOwnRelations(true);
}

void TSchemaItem::RelationUpdating(QObject*, QTreeWidgetItem*)
{
    ReboundOwnRelations(true);
}

void TSchemaItem::CloseRequested()
{
    // The request arrives inside the box's own mouse handling; the box is removed
    // once that has returned.
    QMetaObject::invokeMethod(
        this, [this] { Guarded(nullptr, [this] { RemoveItem(this); }); }, Qt::QueuedConnection);
}

// --- keyboard -------------------------------------------------------------------------

bool TSchemaItem::KeyCommand(const QKeyEvent& key, bool perform)
{
    auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data());
    if (!pane)
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if ((key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) && !(modifiers & Qt::AltModifier)) {
        const bool forward = key.key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        if (perform && (modifiers & Qt::ControlModifier))
            pane->FocusOutOfPane(forward);
        else if (perform)
            pane->FocusNextItem(this, forward);
        return true;
    }
    if (key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        if (!FPopMenu)
            return false;
        if (perform)
            PopupMenuAt(mapToGlobal(ClientRect().topLeft()));
        return true;
    }
    const QPoint step = ArrowStep(key.key(), modifiers);
    if (step.isNull())
        return false;
    // The same move a drag of the caption makes: the box hears of it in
    // Moved() and its links follow.
    if (perform)
        move(pos() + step);
    return true;
}

bool TSchemaItem::FilterKey(QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    // Claiming the override keeps an application's shortcuts on these keys
    // from taking them away from the box.
    if (!press && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    bool handled = false;
    Guarded(this, [&] { handled = KeyCommand(key, press); });
    if (handled)
        event->accept();
    return handled;
}

bool TSchemaItem::event(QEvent* event)
{
    // A shape kind box has the focus itself; Tab has to be caught before the
    // base class turns it into a move along the window's focus chain.
    if (FilterKey(event))
        return true;
    return TBoxWindow::event(event);
}

bool TSchemaItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FItemControl && FilterKey(event))
        return true;
    return TBoxWindow::eventFilter(watched, event);
}

void TSchemaItem::UpdateAccessibleDescription()
{
    const QString text = ItemAccessibleDescription(FSchemaControlType, GetSubItemCount());
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

void TSchemaItem::RemoveItem(QObject*)
{
    const QPointer<TSchemaItem> alive = this;
    if (auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data()))
        pane->DeleteRelationsForItem(this, nullptr);
    if (!alive)
        return; // a receiver of relationDeleted freed the box, or the pane with it
    if (FParent)
        FParent->RemoveControl(this);
    FParent = nullptr;
    delete this; // the box ends here, as its callers expect
}

// --- links of the box -----------------------------------------------------------------

void TSchemaItem::RememberRelation(TSchemaRelation* relation)
{
    if (relation && !FRelations.contains(relation))
        FRelations.append(relation);
}

void TSchemaItem::ForgetRelation(TSchemaRelation* relation)
{
    FRelations.removeOne(relation);
}

void TSchemaItem::ParentGoing(TScrollBox* scrollBox)
{
    if (scrollBox != FParent)
        return;
    // A scroll box other than the pane does not own the box: the box leaves it
    // (back to its pane, hidden) instead of going down with it. Without a pane
    // the box goes with the scroll box, which must then not be called back.
    if (FDesigner && scrollBox != FDesigner.data()) {
        SetParent(nullptr);
        return;
    }
    disconnect(scrollBox, &TScrollBox::destroying, this, nullptr);
    scrollBox->RemoveControl(this);
    FParent = nullptr;
}

// --- popup menu and its commands ---------------------------------------------------------

void TSchemaItem::BuildPopupMenu()
{
    FPopMenu = std::make_unique<QMenu>();
    FPopMenu->setObjectName(QStringLiteral("mnu"));
    const TZBSActions actions = FDesigner ? FDesigner->Actions() : TZBSActions{};
    auto add = [this](const char* name, const QString& caption, bool enabled, auto command) {
        auto* entry = new QAction(caption, this); // owned by the box: commands find it there
        entry->setObjectName(QLatin1String(name));
        entry->setEnabled(enabled);
        FPopMenu->addAction(entry);
        // Run once the menu is done with the entry: "Delete item" frees the menu.
        connect(
            entry, &QAction::triggered, this, [this, entry, command] { Guarded(this, [&] { command(entry); }); },
            Qt::QueuedConnection);
    };
    auto onPane = [this](void (TSchemaDesignArea::*command)(QObject*)) {
        return [this, command](QObject* entry) {
            if (TSchemaDesignArea* pane = FDesigner)
                (pane->*command)(entry);
        };
    };
    add("mnuSelectAll", sSelectAll.Text(), true, [this](QObject* e) { _SelectAll(e); });
    add("mnuUnSelectAll", sUnSelectAll.Text(), true, [this](QObject* e) { _UnSelectAll(e); });
    FPopMenu->addSeparator();
    add("mnuDeleteRelation", sDeleteReleations.Text(), actions.Contains(saDeleteReleation),
        [this](QObject* e) { RemoveRelations(e); });
    add("mnuClose", sDeleteItem.Text(), actions.Contains(saDeleteItem), [this](QObject* e) { RemoveItem(e); });
    FPopMenu->addSeparator();
    add("mnuChangeFont", sChangeFont.Text(), true, onPane(&TSchemaDesignArea::ChangeItemFont));
    add("mnuChangeBackground", sChangeBackground.Text(), true, onPane(&TSchemaDesignArea::ChangeBackground));
    if (auto* list = qobject_cast<TSchemaListBox*>(FItemControl))
        list->SetPopupMenu(FPopMenu.get());
    else if (auto* check = qobject_cast<TSchemaCheckListBox*>(FItemControl))
        check->SetPopupMenu(FPopMenu.get());
    else if (auto* tree = qobject_cast<TSchemaTreeView*>(FItemControl))
        tree->SetPopupMenu(FPopMenu.get());
}

void TSchemaItem::PopupMenuAt(QPoint globalPos)
{
    if (FPopMenu && FDesigner && !FDesigner->ReadOnly())
        FPopMenu->popup(globalPos);
}

void TSchemaItem::SetAllChecked(bool value)
{
    if (!IsListKind(FSchemaControlType))
        return;
    TCheckListBox* checks = CheckListControl();
    const QPointer<TSchemaItem> alive = this;
    for (int i = 0; i < GetSubItemCount(); ++i) {
        if (checks) {
            checks->SetChecked(i, value);
            ExposeCheckState(checks, i);
        }
        if (TSchemaSubItem* row = GetSubItem(i))
            row->SetChecked(value);
        if (!alive)
            return; // a receiver of subItemChecked freed the box
    }
}

void TSchemaItem::_SelectAll(QObject*)
{
    SetAllChecked(true);
}

void TSchemaItem::_UnSelectAll(QObject*)
{
    SetAllChecked(false);
}

void TSchemaItem::RemoveRelations(QObject*)
{
    if (auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data()))
        pane->DeleteRelationsForItem(this, nullptr);
}

// --- linking by drag and drop -------------------------------------------------------------

namespace {

// The box whose row list `source` is, when it is the list of a list kind box.
TSchemaItem* SourceBox(QObject* source)
{
    const bool list = qobject_cast<TCustomListBox*>(source) || qobject_cast<TSchemaTreeView*>(source);
    return list ? qobject_cast<TSchemaItem*>(source->parent()) : nullptr;
}

} // namespace

QPoint TSchemaItem::ToBox(QObject* sender, int x, int y) const
{
    // Drag positions come in the coordinates of the inner control's viewport.
    QWidget* from = FItemControl;
    if (auto* view = qobject_cast<QAbstractScrollArea*>(sender))
        from = view->viewport();
    else if (auto* widget = qobject_cast<QWidget*>(sender))
        from = widget;
    return from && (from == this || isAncestorOf(from)) ? from->mapTo(this, QPoint(x, y)) : QPoint(x, y);
}

void TSchemaItem::_DragOver(QObject* sender, QObject* source, int x, int y, Qt::DropAction state, bool& accept)
{
    auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data());
    if (pane && !SourceBox(source)) {
        // Not a row of a box: a drag the pane's owner may take (a table dropped
        // on the diagram), with the box as the control it is over.
        const QPoint at = ToBox(sender, x, y);
        pane->_DragOver(this, source, at.x(), at.y(), state, accept);
        return;
    }
    accept = pane && !pane->ReadOnly() && SourceBox(source);
}

void TSchemaItem::_DragDrop(QObject* sender, QObject* source, int x, int y)
{
    auto* pane = qobject_cast<TSchemaDesignArea*>(FParent.data());
    if (pane && !SourceBox(source)) {
        const QPoint at = ToBox(sender, x, y);
        pane->_DragDrop(this, source, at.x(), at.y());
        return;
    }
    TSchemaItem* sourceBox = SourceBox(source);
    if (!pane || pane->ReadOnly() || !sourceBox)
        return;
    TSchemaSubItem* target = nullptr;
    if (TTreeView* tree = TreeControl())
        target = RowOf(TTreeView::Data(tree->NodeAt(QPoint(x, y))));
    else if (TCustomListBox* list = ListControl()) {
        const int index = list->ItemAtPos(QPoint(x, y));
        target = index >= 0 ? RowOf(list->Objects(index)) : nullptr;
    }
    if (!target)
        return;
    TSchemaSubItem* dragged = sourceBox->GetSubItem(sourceBox->GetItemIndex());
    if (!dragged)
        return;
    if (source == FItemControl && target == dragged)
        return;
    pane->AddRelation(sourceBox, this, dragged, target);
}

} // namespace schemakit
