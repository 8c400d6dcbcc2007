#include "SchemaDesignArea.h"

#include "SchemaItem.h"
#include "SchemaRelation.h"
#include "SchemaSubItem.h"

#include "../package/DialogService.h"
#include "../package/ErrorBoundary.h"
#include "../package/ImageList.h"
#include "../package/SysUtils.h"
#include "../package/WindowLock.h"

#include <QPainter>

#include <memory>

namespace schemakit {

namespace {
bool IsBoxOrLink(QObject* o)
{
    return qobject_cast<TSchemaItem*>(o) || qobject_cast<TSchemaRelation*>(o);
}
} // namespace

TSchemaDesignArea::TSchemaDesignArea(QWidget* owner) : TScrollBox(owner)
{
    SetColor(clWhite);
}

TSchemaDesignArea::~TSchemaDesignArea()
{
    if (FIsLocked)
        EndUpdate();
    // Boxes raise OnDeleteItem from their destructors, which needs the pane whole:
    // free them (and the links) here rather than from the base destructors.
    FreeChildrenFromEnd(&IsBoxOrLink);
    const auto unplaced = viewport()->findChildren<TSchemaItem*>(Qt::FindDirectChildrenOnly);
    for (TSchemaItem* box : unplaced)
        std::unique_ptr<TSchemaItem> doomed(box);
    OnDeleteItem = nullptr;
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
}

// --- boxes -----------------------------------------------------------------------------

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
    try {
        item = std::make_unique<TSchemaItem>(this, controlType);
        item->SetCaption(caption);
        item->SetParent(this);
        item->Activate(QString(), 0, 0);
        if (setObject)
            item->SetData(object);
        if (OnAddItem)
            OnAddItem(this, item.get());
    } catch (...) {
        // Whatever failed, the half-made box goes (raising OnDeleteItem) and the
        // caller gets null.
        item.reset();
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

void TSchemaDesignArea::FreeChildrenFromEnd(bool (*take)(QObject*))
{
    for (int i = ControlCount() - 1; i >= 0; --i) {
        QObject* child = Controls(i);
        if (take(child))
            std::unique_ptr<QObject> doomed(child);
        // A handler may have freed further children meanwhile.
        i = std::min(i, ControlCount());
    }
}

void TSchemaDesignArea::ClearAll()
{
    FreeChildrenFromEnd(&IsBoxOrLink);
}

// --- links --------------------------------------------------------------------------------

bool TSchemaDesignArea::FindOtherRelation(const TSchemaRelation* relation, const TSchemaItem* item,
                                          const TSchemaSubItem* subItem) const
{
    for (int i = ControlCount() - 1; i >= 0; --i) {
        const auto* link = qobject_cast<const TSchemaRelation*>(Controls(i));
        if (!link || link == relation)
            continue;
        if ((link->ParentItem() == item && link->ParentSubItem() == subItem) ||
            (link->ChildItem() == item && link->ChildSubItem() == subItem))
            return true;
    }
    return false;
}

void TSchemaDesignArea::UnmarkRowIfUnlinked(const TSchemaRelation* relation, TSchemaItem* item, TSchemaSubItem* subItem)
{
    if (!item || FindOtherRelation(relation, item, subItem))
        return;
    item->SelectItemBold(subItem, false);
    item->ItemControl()->update();
}

void TSchemaDesignArea::DeleteRelationsForItem(TSchemaItem* item, TSchemaSubItem* subItem)
{
    for (int i = ControlCount() - 1; i >= 0; i = std::min(i - 1, ControlCount() - 1)) {
        auto* link = qobject_cast<TSchemaRelation*>(Controls(i));
        if (!link || (link->ParentItem() != item && link->ChildItem() != item))
            continue;
        if (subItem && link->ParentSubItem() != subItem && link->ChildSubItem() != subItem)
            continue;
        if (OnDeleteRelation)
            OnDeleteRelation(this, link);
        std::unique_ptr<TSchemaRelation> doomed(link);
        RemoveControl(link);
        UnmarkRowIfUnlinked(link, link->ParentItem(), link->ParentSubItem());
        UnmarkRowIfUnlinked(link, link->ChildItem(), link->ChildSubItem());
        doomed.reset();
        ReboundRelationsForItem(item, false);
    }
}

// --- routing ----------------------------------------------------------------------------

void TSchemaDesignArea::ReboundRelations()
{
    for (int i = 0; i < ControlCount(); ++i) {
        if (auto* link = qobject_cast<TSchemaRelation*>(Controls(i)))
            ReboundRelation(link, false);
    }
}

void TSchemaDesignArea::ReboundRelationsForItem(TSchemaItem* item, bool isDrag)
{
    for (int i = 0; i < ControlCount(); ++i) {
        auto* link = qobject_cast<TSchemaRelation*>(Controls(i));
        if (link && (link->ParentItem() == item || link->ChildItem() == item))
            ReboundRelation(link, isDrag);
    }
}

void TSchemaDesignArea::ReboundRelation(TSchemaRelation*, bool)
{
    viewport()->update();
}

void TSchemaDesignArea::Scrolled()
{
    ReboundRelations();
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

void TSchemaDesignArea::DrawCanvas(QPainter& canvas)
{
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

} // namespace schemakit
