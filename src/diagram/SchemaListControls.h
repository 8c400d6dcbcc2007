#pragma once

#include <schemakit/schemakit_export.h>

// The inner controls of the list kind boxes: thin subclasses of the platform's
// list, check list and tree that open their box's menu, keep links on their rows
// while they scroll, and (for the check list) turn a check click into the row's
// Checked.

#include "../package/SchemaTypes.h"

#include "../package/OwnerDrawList.h"
#include "../package/TreeView.h"

#include <QPointer>

#include <QMenu>

namespace schemakit {

/// The list of a scListBox box.
class SCHEMAKIT_EXPORT TSchemaListBox : public TCustomListBox {
    Q_OBJECT
public:
    /// An empty list; its parent is the box.
    explicit TSchemaListBox(QWidget* parent = nullptr);
    ~TSchemaListBox() override;

    ///@{
    /// The box's menu, opened by a right click unless the pane is read-only; not owned.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    ///@}

protected:
    /// Re-routes the box's links, which follow their rows.
    void Scrolled() override;
    /// Opens PopupMenu at the click.
    void RightButtonPressed(QPoint pos) override;

private:
    QPointer<QMenu> FPopupMenu;
};

/// The check list of a scCheckListBox box.
class SCHEMAKIT_EXPORT TSchemaCheckListBox : public TCheckListBox {
    Q_OBJECT
public:
    /// An empty check list; its parent is the box.
    explicit TSchemaCheckListBox(QWidget* parent = nullptr);
    ~TSchemaCheckListBox() override;

    ///@{
    /// The box's menu, opened by a right click unless the pane is read-only; not owned.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    ///@}

protected:
    /// Re-routes the box's links, which follow their rows.
    void Scrolled() override;
    /// Opens PopupMenu at the click.
    void RightButtonPressed(QPoint pos) override;
    /// The user toggled entry ItemIndex: the row follows (its setter raises the
    /// box's OnSubItemCheck).
    void ClickCheck() override;

private:
    QPointer<QMenu> FPopupMenu;
};

/// The tree of a scTreeView box.
class SCHEMAKIT_EXPORT TSchemaTreeView : public TTreeView {
    Q_OBJECT
public:
    /// An empty tree; its parent is the box.
    explicit TSchemaTreeView(QWidget* parent = nullptr);
    ~TSchemaTreeView() override;

    ///@{
    /// The box's menu, opened by a right click unless the pane is read-only; not owned.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }
    ///@}

protected:
    /// Re-routes the box's links, which follow their rows.
    void Scrolled() override;
    /// Opens PopupMenu at the click.
    void RightButtonPressed(QPoint pos) override;
    ///@{
    /// Updates the links of the box, whose rows moved.
    void Expanded(QTreeWidgetItem* node) override;
    void Collapsed(QTreeWidgetItem* node) override;
    ///@}

private:
    QPointer<QMenu> FPopupMenu;
};

} // namespace schemakit
