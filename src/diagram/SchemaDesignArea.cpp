#include "SchemaDesignArea.h"

#include "AutoArrange.h"
#include "DiagramAccessibility.h"
#include "Routing.h"
#include "SchemaItem.h"
#include "SchemaRelation.h"
#include "SchemaSubItem.h"

#include "../engines/SchemaDataEngine.h"
#include "../package/DialogService.h"
#include "../package/ErrorBoundary.h"
#include "../package/ImageList.h"
#include "../package/Raise.h"
#include "../package/SchmCnst.h"
#include "../package/SysUtils.h"
#include "../package/WindowLock.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <memory>

namespace schemakit {

namespace {
// A box whose destructor is running is not freed again: it finishes by itself.
bool IsBoxOrLink(QObject* o)
{
    if (auto* box = qobject_cast<TSchemaItem*>(o))
        return !box->IsGoing();
    return qobject_cast<TSchemaRelation*>(o);
}
} // namespace

TSchemaDesignArea::TSchemaDesignArea(QWidget* owner) : TScrollBox(owner)
{
    SetColor(clWhite);
    viewport()->setAcceptDrops(true);
    InstallDiagramAccessibility();
}

TSchemaDesignArea::~TSchemaDesignArea()
{
    if (FIsLocked)
        EndUpdate();
    // Boxes raise OnDeleteItem from their destructors, which needs the pane whole:
    // free them (and the links) here rather than from the base destructors. The
    // pane owns every box made for it, also one put into another scroll box or
    // never put anywhere.
    FClearing = true;
    FreeChildrenFromEnd(&IsBoxOrLink);
    const QList<TSchemaItem*> elsewhere = FItems.values();
    for (TSchemaItem* box : elsewhere) {
        if (!FItems.contains(box)) // a handler may have freed another meanwhile
            continue;
        if (box->IsGoing()) {
            // The pane goes from inside that box's destructor (a receiver of
            // itemDeleted freed it): the box finishes by itself, so neither
            // the pane nor its viewport may free it a second time, nor call
            // it back as the pane goes.
            disconnect(this, &TScrollBox::destroying, box, nullptr);
            RemoveControl(box);
            if (box->parentWidget() == viewport())
                box->setParent(nullptr);
            continue;
        }
        std::unique_ptr<TSchemaItem> doomed(box);
    }
    OnDeleteItem = nullptr;
}

void TSchemaDesignArea::ItemMade(TSchemaItem* item)
{
    FItems.insert(item);
}

void TSchemaDesignArea::ItemGone(TSchemaItem* item)
{
    FItems.remove(item);
}

// --- keyboard focus ----------------------------------------------------------------

TSchemaItem* TSchemaDesignArea::FocusNextItem(TSchemaItem* from, bool forward)
{
    QList<TSchemaItem*> boxes;
    for (int i = WindowlessCount(); i < ControlCount(); ++i) {
        auto* box = qobject_cast<TSchemaItem*>(Controls(i));
        if (box && !box->IsGoing() && !box->isHidden() && box->isEnabled())
            boxes.append(box);
    }
    if (boxes.isEmpty())
        return nullptr;
    const qsizetype at = boxes.indexOf(from);
    const qsizetype n = boxes.size();
    qsizetype next = forward ? 0 : n - 1;
    if (at >= 0)
        next = (at + (forward ? 1 : n - 1)) % n;
    TSchemaItem* box = boxes[next];
    EnsureItemVisible(box);
    box->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return box;
}

void TSchemaDesignArea::EnsureItemVisible(const TSchemaItem* item)
{
    // Boxes sit in the visible area's coordinates, so the amount to scroll is
    // how far the box stands out of it; a box larger than the view shows its
    // top-left corner. The docked toolbar covers the top of the view.
    const QRect r = item->geometry();
    const QSize view = viewport()->size();
    const int top = FcbItems ? FcbItems->height() : 0;
    auto shift = [](int low, int high, int first, int last) {
        if (low < first)
            return low - first;
        return high > last ? std::min(high - last, low - first) : 0;
    };
    const int dx = shift(r.left(), r.right(), 0, view.width() - 1);
    const int dy = shift(r.top(), r.bottom(), top, view.height() - 1);
    if (dx)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
    if (dy)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
}

void TSchemaDesignArea::FocusOutOfPane(bool forward)
{
    // From the pane itself Qt's tab order goes on past the pane; the boxes
    // take click focus only, so the walk does not stop at them.
    setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    TScrollBox::focusNextPrevChild(forward);
}

bool TSchemaDesignArea::focusNextPrevChild(bool next)
{
    if (next && hasFocus() && FocusNextItem(nullptr, true))
        return true;
    return TScrollBox::focusNextPrevChild(next);
}

// --- properties ---------------------------------------------------------------------

void TSchemaDesignArea::SetImages(TImageList* images)
{
    if (images == FImages)
        return;
    FImages = images;
    viewport()->update();
}

void TSchemaDesignArea::SetStateImages(TImageList* images)
{
    if (images == FStateImages)
        return;
    FStateImages = images;
    viewport()->update();
}

void TSchemaDesignArea::SetShowItemToolbar(bool value)
{
    FShowItemToolbar = value;
    if (value)
        CreateItemToolbar();
    else
        DestroyItemToolbar();
}

// --- boxes -----------------------------------------------------------------------------

TSchemaDataEngine* TSchemaDesignArea::DataEngine() const noexcept
{
    return FDataEngine.data();
}

void TSchemaDesignArea::SetDataEngine(TSchemaDataEngine* engine)
{
    FDataEngine = engine;
}

TSchemaItem* TSchemaDesignArea::AddItem(const QString& caption, TSchemaControlType controlType)
{
    return NewItem(caption, controlType, nullptr, false);
}

TSchemaItem* TSchemaDesignArea::AddItemObject(const QString& caption, TSchemaControlType controlType, void* object)
{
    return NewItem(caption, controlType, object, true);
}

TSchemaItem* TSchemaDesignArea::NewItem(const QString& caption, TSchemaControlType controlType, void* object,
                                        bool setObject)
{
    std::unique_ptr<TSchemaItem> item;
    QPointer<TSchemaItem> box;
    const QPointer<TSchemaDesignArea> pane = this;
    bool alive = true;
    try {
        item = std::make_unique<TSchemaItem>(this, controlType);
        box = item.get();
        item->SetCaption(caption);
        item->SetParent(this);
        item->Activate(QString(), 0, 0);
        if (setObject)
            item->SetData(object);
        alive = Raise(this, OnAddItem, &TSchemaDesignArea::itemAdded, this, item.get());
    } catch (...) {
        // Whatever failed, the half-made box goes (raising OnDeleteItem) and the
        // caller gets null; unless a handler freed it already. The caller learns
        // no more than that, so the person is told why, as for a failed command
        // (the silent abort stays silent).
        const std::exception_ptr failure = std::current_exception();
        if (box)
            item.reset();
        else
            (void)item.release();
        Guarded(pane.data(), [&] { std::rethrow_exception(failure); });
        return nullptr;
    }
    // A handler or a receiver that frees the pane frees the box with it; one
    // may also free just the box. Either way there is no box to hand back.
    if (!alive || !box) {
        (void)item.release();
        return nullptr;
    }
    return item.release();
}

int TSchemaDesignArea::GetItemIndex(const TSchemaItem* item) const
{
    if (!item)
        return -1;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        if (Controls(i) == item)
            return i;
    }
    return -1;
}

TSchemaItem* TSchemaDesignArea::FindItem(const QString& itemName) const
{
    for (int i = ControlCount() - 1; i >= 0; --i) {
        auto* box = qobject_cast<TSchemaItem*>(Controls(i));
        if (box && SameText(box->Caption(), itemName))
            return box;
    }
    return nullptr;
}

namespace {
// Boxes and links are counted and numbered by filtering the child list by kind.
template <typename T>
int CountOf(const TScrollBox& pane)
{
    int n = 0;
    for (int i = 0; i < pane.ControlCount(); ++i)
        n += qobject_cast<T*>(pane.Controls(i)) ? 1 : 0;
    return n;
}

template <typename T>
T* NthOf(const TScrollBox& pane, int index)
{
    if (index < 0)
        return nullptr;
    for (int i = 0; i < pane.ControlCount(); ++i) {
        if (auto* child = qobject_cast<T*>(pane.Controls(i))) {
            if (index-- == 0)
                return child;
        }
    }
    return nullptr;
}
} // namespace

int TSchemaDesignArea::GetItemCount() const
{
    return CountOf<TSchemaItem>(*this);
}

TSchemaItem* TSchemaDesignArea::GetItem(int index) const
{
    return NthOf<TSchemaItem>(*this, index);
}

int TSchemaDesignArea::GetRelationCount() const
{
    return CountOf<TSchemaRelation>(*this);
}

TSchemaRelation* TSchemaDesignArea::GetRelation(int index) const
{
    return NthOf<TSchemaRelation>(*this, index);
}

bool TSchemaDesignArea::FreeChildrenFromEnd(bool (*take)(QObject*))
{
    const QPointer<TSchemaDesignArea> alive = this;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        QObject* child = Controls(i);
        if (take(child))
            std::unique_ptr<QObject> doomed(child);
        // A handler may have freed further children meanwhile, or the pane.
        if (!alive)
            return false;
        i = std::min(i, ControlCount());
    }
    return true;
}

void TSchemaDesignArea::ClearAll()
{
    const bool wasClearing = std::exchange(FClearing, true);
    if (FreeChildrenFromEnd(&IsBoxOrLink))
        FClearing = wasClearing;
}

// --- links --------------------------------------------------------------------------------

TSchemaRelation* TSchemaDesignArea::AddRelation(TSchemaItem* si1, TSchemaItem* si2, TSchemaSubItem* ssi1,
                                                TSchemaSubItem* ssi2)
{
    auto link = std::make_unique<TSchemaRelation>(this);
    InsertControl(link.get());
    link->SetParentItem(si1);
    link->SetChildItem(si2);
    link->SetParentSubItem(ssi1);
    link->SetChildSubItem(ssi2);
    if (FindRelation(link.get()))
        throw Exception(zbtItemLinked.Text()); // the new link goes, nothing else changed
    for (auto [box, row] : {std::pair{si1, ssi1}, std::pair{si2, ssi2}}) {
        if (box) {
            box->SelectItemBold(row, true);
            box->ItemControl()->update();
        }
    }
    ReboundRelation(link.get(), false);
    link->SetVisible(true);
    const QPointer<TSchemaRelation> added = link.release();
    // A handler or a receiver may free the link, or the pane with it.
    if (!Raise(this, OnAddRelation, &TSchemaDesignArea::relationAdded, this, added.data()))
        return nullptr;
    return added;
}

namespace {

// The links a lookup about `item` has to look at: the box keeps its own, so a
// lookup costs that box's links, not the pane's.
template <typename F>
bool AnyLinkOf(const TSchemaDesignArea* pane, const TSchemaItem* item, F&& f)
{
    if (item) {
        const QList<TSchemaRelation*>& links = item->Relations();
        for (qsizetype i = links.size() - 1; i >= 0; --i) {
            if (links[i]->Designer() == pane && f(links[i]))
                return true;
        }
        return false;
    }
    for (int i = pane->WindowlessCount() - 1; i >= 0; --i) {
        auto* link = qobject_cast<TSchemaRelation*>(pane->Controls(i));
        if (link && f(link))
            return true;
    }
    return false;
}

} // namespace

bool TSchemaDesignArea::FindRelation(const TSchemaRelation* relation) const
{
    if (!relation)
        return false;
    // Both ways round, the other link has the relation's parent box at one end.
    return AnyLinkOf(this, relation->ParentItem(), [relation](const TSchemaRelation* link) {
        if (link == relation)
            return false;
        const bool sameWay =
            link->ParentItem() == relation->ParentItem() && link->ParentSubItem() == relation->ParentSubItem() &&
            link->ChildItem() == relation->ChildItem() && link->ChildSubItem() == relation->ChildSubItem();
        const bool otherWay =
            link->ParentItem() == relation->ChildItem() && link->ParentSubItem() == relation->ChildSubItem() &&
            link->ChildItem() == relation->ParentItem() && link->ChildSubItem() == relation->ParentSubItem();
        return sameWay || otherWay;
    });
}

bool TSchemaDesignArea::FindOtherRelation(const TSchemaRelation* relation, const TSchemaItem* item,
                                          const TSchemaSubItem* subItem) const
{
    return AnyLinkOf(this, item, [&](const TSchemaRelation* link) {
        return link != relation && ((link->ParentItem() == item && link->ParentSubItem() == subItem) ||
                                    (link->ChildItem() == item && link->ChildSubItem() == subItem));
    });
}

void TSchemaDesignArea::UnmarkRowIfUnlinked(const TSchemaRelation* relation, TSchemaItem* item, TSchemaSubItem* subItem)
{
    if (!item || FindOtherRelation(relation, item, subItem))
        return;
    item->SelectItemBold(subItem, false);
    item->ItemControl()->update();
}

// Takes a link off the pane, clears the marks of its rows where no other link
// ends, and frees it. OnDeleteRelation has been raised by the caller.
void TSchemaDesignArea::TakeRelation(TSchemaRelation* link)
{
    std::unique_ptr<TSchemaRelation> doomed(link);
    RemoveControl(link);
    UnmarkRowIfUnlinked(link, link->ParentItem(), link->ParentSubItem());
    UnmarkRowIfUnlinked(link, link->ChildItem(), link->ChildSubItem());
}

void TSchemaDesignArea::DeleteRelation(QObject* sender)
{
    QPointer<TSchemaRelation> link = qobject_cast<TSchemaRelation*>(sender ? sender->parent() : nullptr);
    if (!link)
        return;
    if (!Raise(this, OnDeleteRelation, &TSchemaDesignArea::relationDeleted, this, link.data()))
        return; // the link went with the pane
    // A handler or a receiver may have freed the link itself.
    if (link)
        TakeRelation(link);
}

void TSchemaDesignArea::DeleteRelationsForItem(TSchemaItem* item, TSchemaSubItem* subItem)
{
    if (!item)
        return;
    // From the last link to the first, as the child list holds them. Handlers may
    // free links or the box meanwhile, so every step looks again.
    QList<QPointer<TSchemaRelation>> links;
    for (TSchemaRelation* link : item->Relations())
        links.append(link);
    QPointer<TSchemaItem> box = item;
    for (qsizetype i = links.size() - 1; i >= 0; --i) {
        TSchemaRelation* link = links[i];
        if (!link || link->Designer() != this || (link->ParentItem() != item && link->ChildItem() != item))
            continue;
        if (subItem && link->ParentSubItem() != subItem && link->ChildSubItem() != subItem)
            continue;
        if (!Raise(this, OnDeleteRelation, &TSchemaDesignArea::relationDeleted, this, link))
            return; // the links and the box went with the pane
        if (links[i])
            TakeRelation(links[i]);
        if (box)
            ReboundRelationsForItem(box, false);
    }
}

TSchemaRelation* TSchemaDesignArea::RelationAt(QPoint pos) const
{
    for (int i = WindowlessCount() - 1; i >= 0; --i) {
        auto* link = qobject_cast<TSchemaRelation*>(Controls(i));
        if (link && link->Visible() && link->HitTest(pos - link->BoundsRect().topLeft()))
            return link;
    }
    return nullptr;
}

// --- routing ----------------------------------------------------------------------------

void TSchemaDesignArea::ReboundRelations()
{
    for (int i = 0; i < WindowlessCount(); ++i) {
        if (auto* link = qobject_cast<TSchemaRelation*>(Controls(i)))
            ReboundRelation(link, false);
    }
}

void TSchemaDesignArea::ReboundRelationsForItem(TSchemaItem* item, bool isDrag)
{
    if (!item)
        return;
    // The box's own list, in the order the links were made: the child list's.
    const QList<TSchemaRelation*> links = item->Relations();
    for (TSchemaRelation* link : links) {
        if (link->Designer() == this)
            ReboundRelation(link, isDrag);
    }
}

void TSchemaDesignArea::ReboundRelation(TSchemaRelation* relation, bool)
{
    TSchemaItem* parent = relation ? relation->ParentItem() : nullptr;
    TSchemaItem* child = relation ? relation->ChildItem() : nullptr;
    if (!parent || !child)
        return; // a link with an end gone has nowhere to go
    relation->SetName(Routing::RelationName(parent->Caption(), child->Caption()));
    Routing::Ends ends;
    ends.parentLeft = parent->x();
    ends.parentRight = parent->x() + parent->width();
    ends.childLeft = child->x();
    ends.childRight = child->x() + child->width();
    ends.parentRowY = parent->GetRowY(parent->GetIndexBySubItem(relation->ParentSubItem()));
    ends.childRowY = child->GetRowY(child->GetIndexBySubItem(relation->ChildSubItem()));
    ends.selfLink = parent == child;
    const Routing::Route route = Routing::RouteLink(ends);
    const QRect before = relation->BoundsRect();
    const bool recoded = relation->SetLayoutCodes(route.lnkX.value_or(relation->LnkX()), route.lnkY);
    // A scroll has already moved the link's pixels with the viewport's: a link
    // that only followed it needs no repaint.
    const QPoint shift = ScrollShift();
    if (!recoded && !shift.isNull() && route.bounds == before.translated(shift))
        relation->MoveBoundsUnpainted(route.bounds);
    else if (route.bounds != before)
        relation->SetBounds(route.bounds);
    else if (recoded)
        relation->Invalidate();
}

void TSchemaDesignArea::Scrolled()
{
    // The toolbar is docked: it stays where it is while the diagram scrolls.
    if (FcbItems) {
        FcbItems->move(0, 0);
        FcbItems->raise();
    }
    ReboundRelations();
}

// --- arranging -------------------------------------------------------------------------

void TSchemaDesignArea::AutoArrange()
{
    QList<int> ranks;
    for (int i = 0; i < GetItemCount(); ++i)
        ranks.append(GetItem(i)->GetRank());
    for (const TZBSRank& rank : RankBoxes(ranks))
        Dialogs().ShowMessage(QString::number(rank.RankWeight), this);
}

void TSchemaDesignArea::ArrangeItems(int Spacing)
{
    const int count = GetItemCount();
    TArrangeInput input;
    input.Spacing = Spacing;
    QHash<const TSchemaItem*, int> position;
    for (int i = 0; i < count; ++i) {
        const TSchemaItem* box = GetItem(i);
        position.insert(box, i);
        input.Sizes.append(box->size());
        input.Ranks.append(box->GetRank());
    }
    for (int i = 0; i < GetRelationCount(); ++i) {
        const TSchemaRelation* link = GetRelation(i);
        input.Links.append({position.value(link->ParentItem(), -1), position.value(link->ChildItem(), -1)});
    }
    const QList<QPoint> at = ArrangeBoxes(input);
    // Content coordinates; the boxes live in the scrolled area's. The docked
    // toolbar covers the top of the view, so the diagram starts below it.
    const QPoint offset = ScrollOffset() - QPoint(0, FcbItems ? FcbItems->height() : 0);
    const bool wasLocked = FIsLocked;
    if (!wasLocked)
        BeginUpdate();
    for (int i = 0; i < count; ++i)
        GetItem(i)->move(at.at(i) - offset);
    if (!wasLocked)
        EndUpdate();
    ReboundRelations();
    UpdateScrollRange();
    viewport()->update();
}

// --- menu commands ---------------------------------------------------------------------

void TSchemaDesignArea::ChangeItemFont(QObject* sender)
{
    auto* box = qobject_cast<TSchemaItem*>(sender ? sender->parent() : nullptr);
    if (!box)
        return;
    TFont font = box->Font();
    if (Dialogs().ExecuteFontDialog(font, this))
        box->SetFont(font);
}

void TSchemaDesignArea::ChangeBackground(QObject* sender)
{
    QObject* owner = sender ? sender->parent() : nullptr;
    if (!owner)
        return;
    if (auto* link = qobject_cast<TSchemaRelation*>(owner)) {
        TColor color = link->Color();
        if (Dialogs().ExecuteColorDialog(color, this) && color != link->Color())
            link->SetColor(color);
    } else if (auto* box = qobject_cast<TSchemaItem*>(owner)) {
        TColor color = box->Color();
        if (Dialogs().ExecuteColorDialog(color, this) && color != box->Color())
            box->SetColor(color);
    }
}

// --- drawing ------------------------------------------------------------------------------

void TSchemaDesignArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintRelations(painter, event->rect());
}

void TSchemaDesignArea::PaintRelations(QPainter& painter, const QRect& area)
{
    // Links lie beneath the boxes, in child-list order; each draws in its own
    // client coordinates. The open ring shows the pane's background.
    const QColor background = viewport()->palette().color(QPalette::Window);
    for (int i = 0; i < WindowlessCount(); ++i) {
        auto* link = qobject_cast<TSchemaRelation*>(Controls(i));
        if (!link || !link->Visible() || !link->BoundsRect().intersects(area))
            continue;
        painter.save();
        painter.translate(link->BoundsRect().topLeft());
        link->Paint(painter, background);
        painter.restore();
    }
}

void TSchemaDesignArea::mousePressEvent(QMouseEvent* event)
{
    FRelationTookPress = false;
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (TSchemaRelation* link = button ? RelationAt(event->position().toPoint()) : nullptr) {
        FPressedRelation = link;
        FRelationTookPress = true;
        const QPoint at = event->position().toPoint() - link->BoundsRect().topLeft();
        Guarded(this, [&] { link->ButtonPressed(at); });
        event->accept();
        return;
    }
    TScrollBox::mousePressEvent(event);
}

void TSchemaDesignArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (TSchemaRelation* link = FPressedRelation) {
        FPressedRelation = nullptr;
        link->MouseUp();
        event->accept();
        return;
    }
    TScrollBox::mouseReleaseEvent(event);
}

void TSchemaDesignArea::contextMenuEvent(QContextMenuEvent* event)
{
    // A right press on a link opened the link's menu, not the pane's.
    if (std::exchange(FRelationTookPress, false) && event->reason() == QContextMenuEvent::Mouse) {
        event->accept();
        return;
    }
    TScrollBox::contextMenuEvent(event);
}

void TSchemaDesignArea::DrawCanvas(QPainter& canvas)
{
    // Lists lay their rows out lazily, at the next turn of the event loop; a
    // picture taken before that would show them empty.
    for (int i = WindowlessCount(); i < ControlCount(); ++i) {
        if (auto* box = qobject_cast<TSchemaItem*>(Controls(i))) {
            if (auto* view = qobject_cast<QAbstractItemView*>(box->ItemControl()))
                view->doItemsLayout();
        }
    }
    viewport()->render(&canvas, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

void TSchemaDesignArea::BeginUpdate()
{
    if (!FIsLocked)
        FIsLocked = LockWindowUpdate(this);
}

void TSchemaDesignArea::EndUpdate()
{
    if (!FIsLocked)
        return;
    UnlockWindowUpdate();
    FIsLocked = false;
}

void TSchemaDesignArea::_DragOver(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept)
{
    Accept = false;
    Raise(this, OnDragOver, &TSchemaDesignArea::dragOver, Sender, Source, X, Y, State, Accept);
}

void TSchemaDesignArea::_DragDrop(QObject* Sender, QObject* Source, int X, int Y)
{
    Raise(this, OnDragDrop, &TSchemaDesignArea::dragDropped, Sender, Source, X, Y);
}

bool TSchemaDesignArea::AcceptsDrag(QDropEvent* event)
{
    QWidget* source = DragSource(event->mimeData());
    bool accept = false;
    if (source) {
        const QPoint pos = event->position().toPoint();
        Guarded(this, [&] { _DragOver(this, source, pos.x(), pos.y(), event->dropAction(), accept); });
    }
    return accept;
}

void TSchemaDesignArea::dragEnterEvent(QDragEnterEvent* event)
{
    if (AcceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TSchemaDesignArea::dragMoveEvent(QDragMoveEvent* event)
{
    if (AcceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TSchemaDesignArea::dropEvent(QDropEvent* event)
{
    QWidget* source = DragSource(event->mimeData());
    if (!source || !AcceptsDrag(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QPoint pos = event->position().toPoint();
    Guarded(this, [&] { _DragDrop(this, source, pos.x(), pos.y()); });
}

} // namespace schemakit
