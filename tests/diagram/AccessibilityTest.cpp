#include "DiagramFixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {

// The first child of `parent` with the role and name, searched one level deep.
QAccessibleInterface* ChildNamed(QAccessibleInterface* parent, QAccessible::Role role, const QString& name)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->role() == role && child->text(QAccessible::Name) == name)
            return child;
    }
    return nullptr;
}

// The box that holds the focus: a shape box itself, a list kind box through its list.
TSchemaItem* FocusedBox()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto* box = qobject_cast<TSchemaItem*>(w))
            return box;
    }
    return nullptr;
}

int CountRole(QAccessibleInterface* parent, QAccessible::Role role)
{
    int n = 0;
    for (int i = 0; i < parent->childCount(); ++i)
        n += parent->child(i) && parent->child(i)->role() == role ? 1 : 0;
    return n;
}

class AccessibilityTest : public DiagramTest {
protected:
    void SetUp() override
    {
        DiagramTest::SetUp();
        customers = pane->AddItem(QStringLiteral("customers"), scCheckListBox);
        customerId = customers->AddSubItem(QStringLiteral("customer_id"), -1, true);
        customers->AddSubItem(QStringLiteral("name"), -1, false);
        orders = pane->AddItem(QStringLiteral("orders"), scCheckListBox);
        orders->AddSubItem(QStringLiteral("order_id"), -1, false);
        orderCustomer = orders->AddSubItem(QStringLiteral("customer_id"), -1, false);
        orders->move(300, 100);
    }

    void Activate()
    {
        pane->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pane.get()));
    }

    TSchemaItem* customers = nullptr;
    TSchemaItem* orders = nullptr;
    TSchemaSubItem* customerId = nullptr;
    TSchemaSubItem* orderCustomer = nullptr;
};

} // namespace

TEST_F(AccessibilityTest, BoxesAreNamedAndTheirRowsReportTheirMarks)
{
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(customers);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("customers"));
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("Table, 2 fields"));
    customers->SetCaption(QStringLiteral("clients"));
    customers->AddSubItem(QStringLiteral("city"), -1, false);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("clients"));
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("Table, 3 fields"));
    customers->DeleteSubItem(2);
    customers->DeleteSubItem(1);
    EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("Table, 1 field"));
    TSchemaItem* note = pane->AddItem(QStringLiteral("note"), scText);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(note)->text(QAccessible::Description), QStringLiteral("Text"));

    // The rows are the list's items; a check list's are checkable and follow
    // the row's mark, whether code or the user changes it.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(orders->CheckListControl());
    auto row = [&](const char* name) { return ChildNamed(list, QAccessible::ListItem, QString::fromLatin1(name)); };
    ASSERT_NE(row("order_id"), nullptr);
    EXPECT_TRUE(row("order_id")->state().checkable);
    EXPECT_FALSE(row("order_id")->state().checked);
    orderCustomer->SetChecked(true);
    EXPECT_TRUE(row("customer_id")->state().checked);
    orders->CheckListControl()->SetItemIndex(0);
    QTest::keyClick(orders->CheckListControl(), Qt::Key_Space);
    EXPECT_TRUE(orders->GetSubItem(0)->Checked());
    EXPECT_TRUE(row("order_id")->state().checked);
    orders->_UnSelectAll();
    EXPECT_FALSE(row("order_id")->state().checked);
    EXPECT_FALSE(row("customer_id")->state().checked);
}

TEST_F(AccessibilityTest, LinksAreChildrenOfThePaneUntilTheyGo)
{
    TSchemaRelation* link = pane->AddRelation(customers, orders, customerId, orderCustomer);
    ASSERT_NE(link, nullptr);
    QAccessibleInterface* paneIface = QAccessible::queryAccessibleInterface(pane.get());
    const QString name = QStringLiteral("customers.customer_id = orders.customer_id");
    QAccessibleInterface* linkIface = ChildNamed(paneIface, QAccessible::Link, name);
    ASSERT_NE(linkIface, nullptr);
    EXPECT_EQ(linkIface->object(), link);
    EXPECT_EQ(linkIface->text(QAccessible::Description), QStringLiteral("Inner join"));
    EXPECT_EQ(linkIface->parent(), paneIface);
    EXPECT_EQ(paneIface->child(paneIface->indexOfChild(linkIface)), linkIface);
    // The links come after the pane's widgets, the viewport holding the boxes.
    EXPECT_EQ(paneIface->child(0)->object(), pane->viewport());
    const QRect bounds = link->BoundsRect();
    EXPECT_EQ(linkIface->rect(), QRect(pane->viewport()->mapToGlobal(bounds.topLeft()), bounds.size()));
    link->SetJoinOperator(roGreaterThan);
    link->SetJoinType(rjLeftOuter);
    EXPECT_EQ(linkIface->text(QAccessible::Name), QStringLiteral("customers.customer_id >= orders.customer_id"));
    EXPECT_EQ(linkIface->text(QAccessible::Description), QStringLiteral("Left outer join"));

    // A deleted link takes its interface with it; so does a link that goes
    // with its box. The pane lists neither afterwards.
    const QAccessible::Id id = QAccessible::uniqueId(linkIface);
    pane->DeleteRelation(link->findChild<QAction*>(QStringLiteral("mnuDeleteRelation")));
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
    EXPECT_EQ(CountRole(paneIface, QAccessible::Link), 0);

    TSchemaRelation* again = pane->AddRelation(orders, customers, orderCustomer, customerId);
    ASSERT_NE(again, nullptr);
    QAccessibleInterface* againIface = paneIface->child(paneIface->childCount() - 1);
    ASSERT_EQ(againIface->object(), again);
    const QAccessible::Id againId = QAccessible::uniqueId(againIface);
    orders->RemoveItem();
    EXPECT_EQ(QAccessible::accessibleInterface(againId), nullptr);
    EXPECT_EQ(CountRole(paneIface, QAccessible::Link), 0);

    // Nor does anything outlive a pane that goes with links on it.
    TSchemaItem* other = pane->AddItem(QStringLiteral("other"), scListBox);
    pane->AddRelation(customers, other, customerId, other->AddSubItem(QStringLiteral("x"), -1, false));
    const QAccessible::Id lastId = QAccessible::uniqueId(paneIface->child(paneIface->childCount() - 1));
    const QAccessible::Id paneId = QAccessible::uniqueId(paneIface);
    pane.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(lastId), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(paneId), nullptr);
}

TEST_F(AccessibilityTest, TabWalksTheBoxesInTheOrderTheyWereAdded)
{
    TSchemaItem* note = pane->AddItem(QStringLiteral("note"), scText);
    TSchemaItem* hidden = pane->AddItem(QStringLiteral("hidden"), scListBox);
    hidden->hide();
    Activate();
    pane->setFocus();
    QTest::keyClick(pane.get(), Qt::Key_Tab); // the pane enters at its first box
    QList<TSchemaItem*> visited{FocusedBox()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << FocusedBox();
    }
    EXPECT_EQ(visited, (QList<TSchemaItem*>{customers, orders, note, customers}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedBox(), note);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedBox(), orders);
}

TEST(AccessibilityFocusTest, CtrlTabLeavesThePane)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* pane = new TSchemaDesignArea(&window);
    auto* after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(pane);
    layout->addWidget(after);
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scListBox);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(after->hasFocus());
    box->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
}

TEST_F(AccessibilityTest, CtrlArrowsMoveTheBoxAsADragWouldAndPlainArrowsStayWithTheList)
{
    TSchemaRelation* link = pane->AddRelation(customers, orders, customerId, orderCustomer);
    orders->move(300, 100);
    const QRect linkBefore = link->BoundsRect();
    TCheckListBox* list = orders->CheckListControl();
    list->SetItemIndex(0);
    pane->itemRoutes.clear();
    QTest::keyClick(list, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(orders->pos(), QPoint(299, 100));
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(orders->pos(), QPoint(299, 110));
    ASSERT_FALSE(pane->itemRoutes.isEmpty());
    EXPECT_EQ(pane->itemRoutes.last().Item, orders);
    EXPECT_TRUE(pane->itemRoutes.last().IsDrag);
    EXPECT_NE(link->BoundsRect(), linkBefore);
    EXPECT_EQ(list->ItemIndex(), 0);

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(orders->pos(), QPoint(299, 110));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(orderCustomer->Checked());
}

TEST_F(AccessibilityTest, MenuKeyOpensTheBoxMenuExceptOnAReadOnlyPane)
{
    QMenu* menu = customers->PopMenu();
    QTest::keyClick(customers->CheckListControl(), Qt::Key_Menu);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QTest::keyClick(customers->CheckListControl(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    pane->SetReadOnly(true);
    QTest::keyClick(customers->CheckListControl(), Qt::Key_Menu);
    EXPECT_FALSE(menu->isVisible());
}
