#include "SchemaListControls.h"

#include "SchemaDesignArea.h"
#include "SchemaItem.h"
#include "SchemaSubItem.h"

#include <QMenu>

namespace schemakit {

namespace {

TSchemaItem* BoxOf(const QWidget* control)
{
    return qobject_cast<TSchemaItem*>(control->parentWidget());
}

// Links follow their rows when a list scrolls; this is not a drag.
void ReboundAfterScroll(const QWidget* control)
{
    if (TSchemaItem* box = BoxOf(control)) {
        if (TSchemaDesignArea* pane = box->Designer())
            pane->ReboundRelationsForItem(box, false);
    }
}

// `pos` is in the list's client area, its viewport; the box is the list's
// parent, not the viewport's.
void PopupBoxMenu(QAbstractScrollArea* list, QMenu* menu, QPoint pos)
{
    TSchemaItem* box = BoxOf(list);
    if (!box || !box->Designer() || box->Designer()->ReadOnly() || !menu)
        return;
    menu->popup(list->viewport()->mapToGlobal(pos));
}

} // namespace

TSchemaListBox::TSchemaListBox(QWidget* parent) : TCustomListBox(parent)
{
}
TSchemaListBox::~TSchemaListBox() = default;

void TSchemaListBox::Scrolled()
{
    ReboundAfterScroll(this);
}

void TSchemaListBox::RightButtonPressed(QPoint pos)
{
    PopupBoxMenu(this, FPopupMenu, pos);
}

TSchemaCheckListBox::TSchemaCheckListBox(QWidget* parent) : TCheckListBox(parent)
{
}
TSchemaCheckListBox::~TSchemaCheckListBox() = default;

void TSchemaCheckListBox::Scrolled()
{
    ReboundAfterScroll(this);
}

void TSchemaCheckListBox::RightButtonPressed(QPoint pos)
{
    PopupBoxMenu(this, FPopupMenu, pos);
}

void TSchemaCheckListBox::ClickCheck()
{
    TCheckListBox::ClickCheck();
    if (auto* row = static_cast<TSchemaSubItem*>(Objects(ItemIndex())))
        row->SetChecked(!row->Checked());
}

TSchemaTreeView::TSchemaTreeView(QWidget* parent) : TTreeView(parent)
{
}
TSchemaTreeView::~TSchemaTreeView() = default;

void TSchemaTreeView::Scrolled()
{
    ReboundAfterScroll(this);
}

void TSchemaTreeView::RightButtonPressed(QPoint pos)
{
    PopupBoxMenu(this, FPopupMenu, pos);
}

void TSchemaTreeView::Expanded(QTreeWidgetItem* node)
{
    if (TSchemaItem* box = BoxOf(this))
        box->RelationUpdating(this, node);
}

void TSchemaTreeView::Collapsed(QTreeWidgetItem* node)
{
    if (TSchemaItem* box = BoxOf(this))
        box->RelationUpdating(this, node);
}

} // namespace schemakit
