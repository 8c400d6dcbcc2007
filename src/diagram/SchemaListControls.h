#pragma once

// The inner controls of the list kind boxes: thin subclasses of the platform's
// list, check list and tree that open their box's menu, keep links on their rows
// while they scroll, and (for the check list) turn a check click into the row's
// Checked.

#include "SchemaTypes.h"

#include "../package/OwnerDrawList.h"
#include "../package/TreeView.h"

#include <QPointer>

#include <QMenu>

namespace schemakit {

class TSchemaListBox : public TCustomListBox {
    Q_OBJECT
public:
    explicit TSchemaListBox(QWidget* parent = nullptr);
    ~TSchemaListBox() override;

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

protected:
    void Scrolled() override;
    void RightButtonPressed(QPoint pos) override;

private:
    QPointer<QMenu> FPopupMenu;
};

class TSchemaCheckListBox : public TCheckListBox {
    Q_OBJECT
public:
    explicit TSchemaCheckListBox(QWidget* parent = nullptr);
    ~TSchemaCheckListBox() override;

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

protected:
    void Scrolled() override;
    void RightButtonPressed(QPoint pos) override;
    // The user toggled entry ItemIndex: the row follows (its setter raises the
    // box's OnSubItemCheck).
    void ClickCheck() override;

private:
    QPointer<QMenu> FPopupMenu;
};

class TSchemaTreeView : public TTreeView {
    Q_OBJECT
public:
    explicit TSchemaTreeView(QWidget* parent = nullptr);
    ~TSchemaTreeView() override;

    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

protected:
    void Scrolled() override;
    void RightButtonPressed(QPoint pos) override;
    void Expanded(QTreeWidgetItem* node) override;
    void Collapsed(QTreeWidgetItem* node) override;

private:
    QPointer<QMenu> FPopupMenu;
};

} // namespace schemakit
