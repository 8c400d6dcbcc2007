#include "DiagramFixture.h"

#include <schemakit/diagram/SchmRel.h>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidgetItem>

#include <cstdlib>
#include <initializer_list>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {

const QString kAlreadyLinked = QStringLiteral("These items are already linked.");

QAction* Entry(const QMenu* menu, const char* name)
{
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

// Chooses a menu entry as the user does. Commands run once control is back in
// the event loop (the menu's owner may go with them), so let that happen.
void Choose(QAction* entry)
{
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class LinkBehaviour : public DiagramTest {
protected:
    void SetUp() override
    {
        DiagramTest::SetUp();
        pane->OnAddRelation = [this](QObject* sender, TSchemaRelation* link) {
            EXPECT_EQ(sender, pane.get());
            log << QStringLiteral("add ") + Ends(link);
        };
        pane->OnDeleteRelation = [this](QObject* sender, TSchemaRelation* link) {
            EXPECT_EQ(sender, pane.get());
            // Raised while the link is still on the pane.
            EXPECT_GE(pane->IndexOfControl(link), 0);
            log << QStringLiteral("del ") + Ends(link);
        };
        pane->OnDeleteItem = [this](QObject*, TSchemaItem* item) { log << QStringLiteral("item ") + item->Caption(); };
    }

    // A box whose rows are named after it: "a0", "a1", ...
    TSchemaItem* Box(const QString& caption, int rows, TSchemaControlType kind = scListBox, QPoint at = {})
    {
        TSchemaItem* box = pane->AddItem(caption, kind);
        for (int i = 0; i < rows; ++i)
            box->AddSubItem(caption + QString::number(i), -1, false);
        box->RecalculateHeight();
        box->move(at);
        return box;
    }

    TSchemaRelation* Join(TSchemaItem* parent, int parentRow, TSchemaItem* child, int childRow)
    {
        return pane->AddRelation(parent, child, parent->GetSubItem(parentRow), child->GetSubItem(childRow));
    }

    static QString Ends(const TSchemaRelation* link)
    {
        const auto name = [](const TSchemaSubItem* row) { return row ? row->Caption() : QStringLiteral("?"); };
        return name(link->ParentSubItem()) + QLatin1Char('-') + name(link->ChildSubItem());
    }

    // The message of the error AddRelation raises, empty when it raises none.
    QString RefusalOf(TSchemaItem* si1, TSchemaItem* si2, TSchemaSubItem* ssi1, TSchemaSubItem* ssi2)
    {
        try {
            pane->AddRelation(si1, si2, ssi1, ssi2);
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    }

    // The row y a link attaches at, as the routing reads it.
    static int RowY(const TSchemaItem* box, const TSchemaSubItem* row)
    {
        return box->GetRowY(box->GetIndexBySubItem(row));
    }

    // A link whose parent box stands well left of its child box lies between
    // their facing edges and between its two rows, 7 pixels beyond each.
    static void ExpectRoutedApart(const TSchemaRelation* link)
    {
        const TSchemaItem* p = link->ParentItem();
        const TSchemaItem* c = link->ChildItem();
        const int yP = RowY(p, link->ParentSubItem());
        const int yC = RowY(c, link->ChildSubItem());
        EXPECT_EQ(link->LnkX(), 1);
        EXPECT_EQ(link->Left(), p->Left() + p->Width());
        EXPECT_EQ(link->Left() + link->Width(), c->Left());
        EXPECT_EQ(link->Top(), std::min(yP, yC) - 7);
        EXPECT_EQ(link->Height(), std::abs(yC - yP) + 14);
        EXPECT_EQ(link->LnkY(), yC > yP ? 1 : 2);
    }

    // Sends a drag of `source` over row point `pos` of `target` and drops it,
    // the way Qt delivers a drag that ends on a list.
    static void QtDrop(QWidget* source, QAbstractItemView* target, QPoint pos)
    {
        TControlMimeData mime(source);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(pos, actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &enter);
        QDragMoveEvent move(pos, actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &move);
        QDropEvent drop(QPointF(pos), actions, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &drop);
    }

    static QPoint RowPoint(const TSchemaItem* box, int row)
    {
        if (TTreeView* tree = box->TreeControl())
            return tree->visualItemRect(tree->Node(row)).center();
        return box->ListControl()->ItemRect(row).center();
    }

    QStringList log;
};

} // namespace

TEST_F(LinkBehaviour, AddRelationMarksRoutesShowsThenRaisesTheEvent)
{
    TSchemaItem* a = Box("orders", 3);
    TSchemaItem* b = Box("lines", 3, scCheckListBox, {300, 40});
    TSchemaSubItem* ra = a->GetSubItem(1);
    TSchemaSubItem* rb = b->GetSubItem(2);
    bool seen = false;
    pane->OnAddRelation = [&](QObject* sender, TSchemaRelation* link) {
        EXPECT_EQ(sender, pane.get());
        EXPECT_EQ(pane->GetRelationCount(), 1);
        EXPECT_TRUE(ra->Linked());
        EXPECT_TRUE(rb->Linked());
        EXPECT_TRUE(link->Visible());
        EXPECT_EQ(link->LnkX(), 1);
        EXPECT_EQ(Entry(link->PopMenu(), "mnuRelationName")->text(), QStringLiteral("orders :: lines"));
        seen = true;
    };
    TSchemaRelation* link = pane->AddRelation(a, b, ra, rb);
    pane->OnAddRelation = nullptr;
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(link->parent(), pane.get());
    EXPECT_EQ(link->ParentItem(), a);
    EXPECT_EQ(link->ChildItem(), b);
    EXPECT_EQ(link->ParentSubItem(), ra);
    EXPECT_EQ(link->ChildSubItem(), rb);
    EXPECT_EQ(link->JoinOperator(), roEqual);
    EXPECT_EQ(link->JoinType(), rjInner);
    EXPECT_EQ(link->RelationType(), rtNormal);
    EXPECT_EQ(link->Color(), clBlack);
    EXPECT_FALSE(link->MouseIsDown());
    EXPECT_FALSE(a->GetSubItem(0)->Linked());
    // Links stand before the boxes in the child list.
    EXPECT_EQ(pane->IndexOfControl(link), 0);
    EXPECT_EQ(pane->GetRelation(0), link);

    // A tree row carries the mark as the node's bold state.
    TSchemaItem* tree = Box("t", 2, scTreeView, {0, 300});
    TSchemaRelation* toTree = Join(a, 0, tree, 1);
    EXPECT_TRUE(TTreeView::Bold(tree->TreeControl()->Node(1)));
    EXPECT_FALSE(TTreeView::Bold(tree->TreeControl()->Node(0)));
    pane->DeleteRelation(Entry(toTree->PopMenu(), "mnuDeleteRelation"));
    EXPECT_FALSE(TTreeView::Bold(tree->TreeControl()->Node(1)));
    EXPECT_FALSE(tree->GetSubItem(1)->Linked());
}

TEST_F(LinkBehaviour, DuplicateLinksEitherWayRoundAreRefusedAndChangeNothing)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scCheckListBox, {300, 0});
    TSchemaSubItem* a0 = a->GetSubItem(0);
    TSchemaSubItem* b1 = b->GetSubItem(1);
    TSchemaRelation* link = pane->AddRelation(a, b, a0, b1);
    const QRect routed = link->BoundsRect();
    const int controls = pane->ControlCount();
    log.clear();

    EXPECT_EQ(RefusalOf(a, b, a0, b1), kAlreadyLinked);
    EXPECT_EQ(RefusalOf(b, a, b1, a0), kAlreadyLinked);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(pane->ControlCount(), controls);
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(pane->GetRelation(0), link);
    EXPECT_EQ(link->BoundsRect(), routed);
    EXPECT_TRUE(a0->Linked());
    EXPECT_TRUE(b1->Linked());

    // Other rows of the same boxes are free to link, and so is a row with itself, once.
    EXPECT_NE(Join(a, 0, b, 0), nullptr);
    EXPECT_NE(Join(a, 1, a, 1), nullptr);
    EXPECT_EQ(RefusalOf(a, a, a->GetSubItem(1), a->GetSubItem(1)), kAlreadyLinked);
    EXPECT_EQ(pane->GetRelationCount(), 3);
    EXPECT_EQ(log, (QStringList{"add a0-b0", "add a1-a1"}));
}

TEST_F(LinkBehaviour, FindRelationAndFindOtherRelationIgnoreTheLinkAsked)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    TSchemaItem* c = Box("c", 2, scListBox, {0, 250});
    TSchemaRelation* ab = Join(a, 0, b, 0);
    EXPECT_FALSE(pane->FindRelation(ab));
    EXPECT_FALSE(pane->FindOtherRelation(ab, a, a->GetSubItem(0)));
    EXPECT_FALSE(pane->FindOtherRelation(ab, b, b->GetSubItem(0)));

    // A link set up by hand the other way round is found, and finds the first.
    TSchemaRelation* reverse = Link(b, b->GetSubItem(0), a, a->GetSubItem(0));
    EXPECT_TRUE(pane->FindRelation(reverse));
    EXPECT_TRUE(pane->FindRelation(ab));
    TSchemaRelation* elsewhere = Link(b, b->GetSubItem(0), a, a->GetSubItem(1));
    EXPECT_FALSE(pane->FindRelation(elsewhere));
    delete reverse;
    delete elsewhere;

    // a0 is the child end of another link: either end counts, but box and row go together.
    TSchemaRelation* ca = Join(c, 1, a, 0);
    EXPECT_TRUE(pane->FindOtherRelation(ab, a, a->GetSubItem(0)));
    EXPECT_TRUE(pane->FindOtherRelation(ca, a, a->GetSubItem(0)));
    EXPECT_FALSE(pane->FindOtherRelation(ca, c, c->GetSubItem(1)));
    EXPECT_FALSE(pane->FindOtherRelation(ab, a, b->GetSubItem(0)));
    EXPECT_TRUE(pane->FindOtherRelation(nullptr, b, b->GetSubItem(0)));
}

TEST_F(LinkBehaviour, DeleteRelationActsOnTheLinkOwningTheEntry)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    TSchemaItem* c = Box("c", 2, scListBox, {300, 250});
    TSchemaRelation* ab = Join(a, 0, b, 0);
    TSchemaRelation* ac = Join(a, 0, c, 1);
    log.clear();

    // Entries owned by anything but a link do nothing.
    pane->DeleteRelation(nullptr);
    pane->DeleteRelation(Entry(a->PopMenu(), "mnuDeleteRelation"));
    QObject stranger;
    pane->DeleteRelation(&stranger);
    EXPECT_EQ(pane->GetRelationCount(), 2);

    QPointer<TSchemaRelation> gone(ab);
    pane->DeleteRelation(Entry(ab->PopMenu(), "mnuDeleteRelation"));
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_TRUE(a->GetSubItem(0)->Linked()); // still the parent end of a-c
    EXPECT_FALSE(b->GetSubItem(0)->Linked());

    // Chosen from the link's own menu, the entry's link goes with it.
    Choose(Entry(ac->PopMenu(), "mnuDeleteRelation"));
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_FALSE(a->GetSubItem(0)->Linked());
    EXPECT_FALSE(c->GetSubItem(1)->Linked());
    EXPECT_EQ(log, (QStringList{"del a0-b0", "del a0-c1"}));
}

TEST_F(LinkBehaviour, DeleteRelationsForItemTakesLinksFromTheLastAndReroutesTheRest)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    TSchemaItem* c = Box("c", 2, scListBox, {300, 250});
    Join(a, 0, b, 0);
    Join(b, 1, a, 0);
    TSchemaRelation* a1c0 = Join(a, 1, c, 0);
    TSchemaRelation* b0c1 = Join(b, 0, c, 1);
    const QRect routed = a1c0->BoundsRect();
    a1c0->SetBounds(QRect(1, 1, 2, 2));
    log.clear();
    pane->itemRoutes.clear();

    pane->DeleteRelationsForItem(a, a->GetSubItem(0));
    ASSERT_FALSE(pane->itemRoutes.isEmpty());
    for (const auto& call : pane->itemRoutes) {
        EXPECT_EQ(call.Item, a);
        EXPECT_FALSE(call.IsDrag);
    }
    EXPECT_EQ(log, (QStringList{"del b1-a0", "del a0-b0"}));
    EXPECT_EQ(pane->GetRelationCount(), 2);
    EXPECT_EQ(pane->GetRelation(0), a1c0);
    EXPECT_EQ(a1c0->BoundsRect(), routed); // the box's remaining link is routed again
    EXPECT_FALSE(a->GetSubItem(0)->Linked());
    EXPECT_TRUE(b->GetSubItem(0)->Linked()); // still on b0-c1
    EXPECT_FALSE(b->GetSubItem(1)->Linked());

    // A row given is matched against both ends of the box's links, whichever box it is in.
    log.clear();
    pane->DeleteRelationsForItem(b, c->GetSubItem(1));
    EXPECT_EQ(log, QStringList{"del b0-c1"});
    EXPECT_EQ(pane->GetRelationCount(), 1);
    Q_UNUSED(b0c1);

    log.clear();
    pane->DeleteRelationsForItem(b, nullptr); // nothing of b left
    EXPECT_TRUE(log.isEmpty());
    pane->DeleteRelationsForItem(a, nullptr);
    EXPECT_EQ(log, QStringList{"del a1-c0"});
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_FALSE(c->GetSubItem(0)->Linked());
}

TEST_F(LinkBehaviour, ClearAllFreesBoxesWithoutReportingTheirLinks)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scCheckListBox, {300, 0});
    Join(a, 0, b, 1);
    Join(b, 0, b, 1);
    log.clear();
    pane->ClearAll();
    EXPECT_EQ(log, (QStringList{"item b", "item a"}));
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_EQ(pane->ControlCount(), 0);
    // The pane works on afterwards.
    TSchemaItem* c = Box("c", 1);
    EXPECT_NE(Join(c, 0, c, 0), nullptr);
}

TEST_F(LinkBehaviour, LinksCountInIndexesAndRank)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 3, scListBox, {300, 0});
    TSchemaRelation* ab = Join(a, 0, b, 0);
    TSchemaRelation* self = Join(a, 0, a, 1);
    EXPECT_EQ(pane->GetItemIndex(a), 2);
    EXPECT_EQ(pane->GetItemIndex(b), 3);
    EXPECT_EQ(pane->GetItem(0), a);
    EXPECT_EQ(pane->GetRelationCount(), 2);
    EXPECT_EQ(pane->GetRelation(0), ab);
    EXPECT_EQ(pane->GetRelation(1), self);
    EXPECT_EQ(pane->GetRelation(2), nullptr);
    EXPECT_EQ(pane->GetRelation(-1), nullptr);
    EXPECT_EQ(a->Rank(), 2 + 10 * (2 + 2));
    EXPECT_EQ(b->Rank(), 3 + 10 * 1);
    pane->DeleteRelation(Entry(self->PopMenu(), "mnuDeleteRelation"));
    EXPECT_EQ(a->Rank(), 2 + 10 * 2);
    EXPECT_EQ(pane->GetItemIndex(a), 1);
}

TEST_F(LinkBehaviour, LinkMenuReadsActionsWhenTheLinkIsMade)
{
    TSchemaItem* a = Box("a", 3);
    TSchemaRelation* before = Join(a, 0, a, 1);
    QMenu* menu = before->PopMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnu"));
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 6);
    const struct {
        const char* Name;
        const char* Caption;
        bool Enabled;
    } expected[] = {{"mnuRelationName", "a :: a", false},
                    {"", "", true},
                    {"mnuOptions", "Edit relation...", true},
                    {"mnuDeleteRelation", "Delete relation", true},
                    {"", "", true},
                    {"mnuColorRelation", "Change background color...", true}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QAction* entry = entries[i];
        EXPECT_EQ(entry->isSeparator(), i == 1 || i == 4);
        if (entry->isSeparator())
            continue;
        EXPECT_EQ(entry->parent(), before);
        EXPECT_EQ(entry->objectName(), QLatin1String(expected[i].Name));
        EXPECT_EQ(entry->text(), QLatin1String(expected[i].Caption));
        EXPECT_EQ(entry->isEnabled(), expected[i].Enabled);
        EXPECT_TRUE(entry->shortcut().isEmpty());
    }

    pane->SetActions({});
    TSchemaRelation* after = Join(a, 1, a, 2);
    EXPECT_TRUE(Entry(before->PopMenu(), "mnuOptions")->isEnabled());
    EXPECT_TRUE(Entry(before->PopMenu(), "mnuDeleteRelation")->isEnabled());
    EXPECT_FALSE(Entry(after->PopMenu(), "mnuOptions")->isEnabled());
    EXPECT_FALSE(Entry(after->PopMenu(), "mnuDeleteRelation")->isEnabled());
    EXPECT_TRUE(Entry(after->PopMenu(), "mnuColorRelation")->isEnabled());

    pane->SetActions({saEditRelation});
    TSchemaRelation* editOnly = Join(a, 0, a, 2);
    EXPECT_TRUE(Entry(editOnly->PopMenu(), "mnuOptions")->isEnabled());
    EXPECT_FALSE(Entry(editOnly->PopMenu(), "mnuDeleteRelation")->isEnabled());
    pane->SetActions({saDeleteReleation});
    TSchemaRelation* deleteOnly = Join(a, 2, a, 2);
    EXPECT_FALSE(Entry(deleteOnly->PopMenu(), "mnuOptions")->isEnabled());
    EXPECT_TRUE(Entry(deleteOnly->PopMenu(), "mnuDeleteRelation")->isEnabled());
}

TEST_F(LinkBehaviour, RoutingSpansTheBoxEdgesAsTheyStand)
{
    TSchemaItem* p = Box("p", 3);
    TSchemaItem* c = Box("c", 3, scListBox, {400, 0});
    TSchemaRelation* link = Join(p, 0, c, 2);
    const struct {
        int pLeft, pWidth, cLeft, cWidth;
        int left, width, code;
    } cases[] = {
        {0, 100, 116, 100, 100, 16, 1},  // more than 15 apart, parent on the left
        {0, 100, 115, 100, 100, 130, 2}, // exactly 15: close, the child's edge is outer
        {115, 100, 0, 100, 100, 15, 4},  // exactly 15, child on the left: apart
        {114, 100, 0, 100, 100, 129, 3}, // 14: close, the parent's edge is outer
        {50, 100, 50, 100, 150, 15, 3},  // identical edges
        {0, 150, 50, 100, 150, 15, 2},   // same right edge, child starts further right
        {50, 50, 0, 200, 100, 115, 2},   // child overlaps from the left and reaches further
        {0, 300, 20, 100, 120, 195, 3},  // child inside the parent
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << "parent " << k.pLeft << "+" << k.pWidth << ", child " << k.cLeft << "+"
                                        << k.cWidth);
        p->SetBounds(k.pLeft, 20, k.pWidth, 120);
        c->SetBounds(k.cLeft, 20, k.cWidth, 120);
        EXPECT_EQ(link->LnkX(), k.code);
        EXPECT_EQ(link->Left(), k.left);
        EXPECT_EQ(link->Width(), k.width);
    }

    // Vertically the rows decide: child row lower, higher, level.
    p->SetBounds(0, 20, 100, 120);
    c->SetBounds(200, 100, 100, 120);
    int yP = RowY(p, link->ParentSubItem());
    int yC = RowY(c, link->ChildSubItem());
    ASSERT_GT(yC, yP);
    EXPECT_EQ(link->LnkY(), 1);
    EXPECT_EQ(link->Top(), yP - 7);
    EXPECT_EQ(link->Height(), yC - yP + 14);
    c->move(200, -40);
    yC = RowY(c, link->ChildSubItem());
    ASSERT_LT(yC, yP);
    EXPECT_EQ(link->LnkY(), 2);
    EXPECT_EQ(link->Top(), yC - 7);
    EXPECT_EQ(link->Height(), yP - yC + 14);
    c->move(200, c->Top() + yP - yC);
    ASSERT_EQ(RowY(c, link->ChildSubItem()), yP);
    EXPECT_EQ(link->LnkY(), 2);
    EXPECT_EQ(link->Height(), 14);

    // A link of a box to itself reaches 15 pixels out of its right edge; the
    // horizontal code is left as it was.
    TSchemaItem* s = Box("s", 3, scListBox, {500, 300});
    s->resize(120, 100);
    TSchemaRelation* self = Join(s, 2, s, 0);
    EXPECT_EQ(self->Left(), 620);
    EXPECT_EQ(self->Width(), 15);
    EXPECT_EQ(self->LnkX(), 0);
    EXPECT_EQ(self->LnkY(), 2);
    EXPECT_EQ(self->Top(), RowY(s, s->GetSubItem(0)) - 7);
    EXPECT_EQ(self->Height(), RowY(s, s->GetSubItem(2)) - RowY(s, s->GetSubItem(0)) + 14);
}

TEST_F(LinkBehaviour, LinksFollowTheirRowsAndTheView)
{
    TSchemaItem* list = Box("l", 30, scListBox, {0, 40});
    list->SetClientHeight(5 * list->ListControl()->ItemHeight());
    TSchemaItem* tree = Box("t", 0, scTreeView, {0, 250});
    tree->AddSubItem(QStringLiteral("t0"), -1, false);
    tree->AddSubItem(QStringLiteral("t1"), 0, false);
    tree->AddSubItem(QStringLiteral("t2"), -1, false);
    tree->RecalculateHeight();
    TSchemaItem* note = Box("n", 1, scText, {0, 450});
    TSchemaItem* far = Box("far", 2, scListBox, {400, 100});
    TSchemaRelation* fromList = Join(list, 10, far, 0);
    TSchemaRelation* fromTree = Join(tree, 1, far, 1);
    TSchemaRelation* fromNote = Join(note, 0, far, 1);
    {
        SCOPED_TRACE("as made");
        for (TSchemaRelation* link : {fromList, fromTree, fromNote})
            ExpectRoutedApart(link);
    }
    // A shape box's row attaches 9 pixels below the top of its shape.
    EXPECT_EQ(RowY(note, note->GetSubItem(0)), note->ItemControl()->mapTo(pane->viewport(), QPoint()).y() + 9);

    // Row 10 is below the list's visible part, so it attaches at the list's
    // bottom; scrolled into view, the link follows it.
    QApplication::processEvents(); // the list lays out its rows
    const int clamped = RowY(list, list->GetSubItem(10));
    list->ListControl()->SetTopIndex(8);
    EXPECT_LT(RowY(list, list->GetSubItem(10)), clamped);
    {
        SCOPED_TRACE("list scrolled");
        ExpectRoutedApart(fromList);
    }
    // A collapsed node's row attaches at its parent's line.
    tree->TreeControl()->Node(0)->setExpanded(false);
    EXPECT_EQ(RowY(tree, tree->GetSubItem(1)), RowY(tree, tree->GetSubItem(0)));
    {
        SCOPED_TRACE("tree collapsed");
        ExpectRoutedApart(fromTree);
    }
    // Scrolling the pane moves the boxes and every link with them.
    TSchemaItem* corner = Box("corner", 1, scListBox, {1500, 1200});
    Q_UNUSED(corner);
    QApplication::sendPostedEvents(pane.get(), QEvent::LayoutRequest);
    const QRect before = fromNote->BoundsRect();
    pane->verticalScrollBar()->setValue(60);
    pane->horizontalScrollBar()->setValue(25);
    EXPECT_EQ(fromNote->BoundsRect(), before.translated(-25, -60));
    SCOPED_TRACE("pane scrolled");
    for (TSchemaRelation* link : {fromList, fromTree, fromNote})
        ExpectRoutedApart(link);
}

TEST_F(LinkBehaviour, AListScrolledRightAfterFillingTakesItsLinksAlong)
{
    TSchemaItem* list = Box("l", 30);
    list->SetClientHeight(5 * list->ListControl()->ItemHeight());
    TSchemaItem* far = Box("far", 1, scListBox, {400, 0});
    TSchemaRelation* link = Join(list, 10, far, 0);
    list->ListControl()->SetTopIndex(8);
    EXPECT_EQ(list->ListControl()->TopIndex(), 8);
    ExpectRoutedApart(link);
    EXPECT_LT(RowY(list, list->GetSubItem(10)),
              list->ItemControl()->mapTo(pane->viewport(), QPoint()).y() + list->ItemControl()->height());
}

TEST_F(LinkBehaviour, MenuNameFollowsTheCaptionsWhenRouted)
{
    TSchemaItem* p = Box("orders", 1);
    TSchemaItem* c = Box("lines", 1, scListBox, {300, 0});
    TSchemaRelation* link = Join(p, 0, c, 0);
    QAction* name = Entry(link->PopMenu(), "mnuRelationName");
    EXPECT_EQ(name->text(), QStringLiteral("orders :: lines"));
    p->SetCaption(QStringLiteral("order"));
    pane->ReboundRelation(link, false);
    EXPECT_EQ(name->text(), QStringLiteral("order :: lines"));
    c->SetCaption(QString());
    c->move(310, 0);
    EXPECT_EQ(name->text(), QStringLiteral("order :: "));
}

TEST_F(LinkBehaviour, SetColorRepaintsAndReleasesOnlyOnChange)
{
    TSchemaItem* p = Box("p", 1);
    TSchemaItem* c = Box("c", 1, scListBox, {300, 100});
    TSchemaRelation* link = Join(p, 0, c, 0);
    PaintCounter paints(pane->viewport());
    link->MouseDown();
    ASSERT_TRUE(link->MouseIsDown());
    QTest::qWait(20);
    paints.count = 0;

    link->SetColor(clBlack);
    QTest::qWait(20);
    EXPECT_TRUE(link->MouseIsDown());
    EXPECT_EQ(paints.count, 0);

    link->SetColor(clRed);
    QTest::qWait(20);
    EXPECT_EQ(link->Color(), clRed);
    EXPECT_FALSE(link->MouseIsDown());
    EXPECT_GT(paints.count, 0);

    // The colour command of the menu goes through the colour dialog.
    dialogs->ColorAnswers = {clNavy, std::nullopt};
    Choose(Entry(link->PopMenu(), "mnuColorRelation"));
    EXPECT_EQ(dialogs->LastColorShown, clRed);
    EXPECT_EQ(link->Color(), clNavy);
    Choose(Entry(link->PopMenu(), "mnuColorRelation"));
    EXPECT_EQ(link->Color(), clNavy);
}

TEST_F(LinkBehaviour, OnlyTheBandTakesClicksAndOpensTheMenu)
{
    TSchemaItem* p = Box("p", 3);
    TSchemaItem* c = Box("c", 3, scListBox, {400, 200});
    p->resize(100, p->height());
    TSchemaRelation* lower = Join(p, 0, c, 0);
    TSchemaRelation* upper = Join(p, 1, c, 1); // the same shape one row further down
    ASSERT_EQ(lower->LnkX(), 1);
    ASSERT_EQ(lower->LnkY(), 1);
    ASSERT_EQ(upper->BoundsRect().size(), lower->BoundsRect().size());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    pane->viewport()->repaint(); // painting replaces the hit regions

    const int w = lower->Width();
    const int h = lower->Height();
    const QPoint middle(w / 2, h / 2); // on the middle segment of a straight-down line
    const QPoint corner(w - 3, 3);     // inside the rectangle, far from the line
    const QPoint onLower = lower->BoundsRect().topLeft() + middle;
    const QPoint offBoth = lower->BoundsRect().topLeft() + corner;
    EXPECT_TRUE(lower->HitTest(middle));
    EXPECT_FALSE(lower->HitTest(corner));
    ASSERT_TRUE(upper->BoundsRect().contains(onLower));
    EXPECT_FALSE(upper->HitTest(onLower - upper->BoundsRect().topLeft()));
    // The later link does not claim the point: it falls through to the earlier one.
    EXPECT_EQ(pane->RelationAt(onLower), lower);
    EXPECT_EQ(upper->ControlAtPos(onLower - upper->BoundsRect().topLeft()), lower);
    EXPECT_EQ(pane->RelationAt(offBoth), nullptr);

    QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, offBoth);
    EXPECT_FALSE(lower->PopMenu()->isVisible());
    EXPECT_FALSE(upper->PopMenu()->isVisible());
    EXPECT_FALSE(lower->MouseIsDown());
    QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, offBoth);

    QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, onLower);
    EXPECT_TRUE(lower->PopMenu()->isVisible());
    EXPECT_EQ(lower->PopMenu()->pos(), pane->viewport()->mapToGlobal(onLower));
    EXPECT_FALSE(upper->PopMenu()->isVisible());
    EXPECT_TRUE(lower->MouseIsDown());
    lower->PopMenu()->hide();
    QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, onLower);
    EXPECT_FALSE(lower->MouseIsDown());

    QTest::mousePress(pane->viewport(), Qt::RightButton, {}, onLower);
    EXPECT_TRUE(lower->PopMenu()->isVisible());
    EXPECT_TRUE(lower->MouseIsDown());
    lower->PopMenu()->hide();
    QTest::mouseRelease(pane->viewport(), Qt::RightButton, {}, onLower);
    EXPECT_FALSE(lower->MouseIsDown());

    // Read-only: no menu, but the press still reaches the link.
    pane->SetReadOnly(true);
    QTest::mousePress(pane->viewport(), Qt::RightButton, {}, onLower);
    EXPECT_FALSE(lower->PopMenu()->isVisible());
    EXPECT_TRUE(lower->MouseIsDown());
    QTest::mouseRelease(pane->viewport(), Qt::RightButton, {}, onLower);
    lower->PopupAt(middle);
    EXPECT_FALSE(lower->PopMenu()->isVisible());
}

TEST_F(LinkBehaviour, EditRelationStoresOnOkOnly)
{
    TSchemaItem* p = pane->AddItem(QStringLiteral("orders"), scListBox);
    TSchemaItem* c = pane->AddItem(QStringLiteral("lines"), scListBox);
    c->move(300, 0);
    TSchemaRelation* link = pane->AddRelation(p, c, p->AddSubItem(QStringLiteral("id"), -1, false),
                                              c->AddSubItem(QStringLiteral("order_id"), -1, false));
    link->SetJoinOperator(roLess);
    link->SetJoinType(rjLeftOuter);
    link->SetRelationType(rtIdentifying);
    log.clear();

    dialogs->ModalAnswers.push_back([](QDialog& dialog) {
        auto& form = static_cast<TfrmZBRelation&>(dialog);
        EXPECT_EQ(form.txtTable1->text(), QStringLiteral("orders"));
        EXPECT_EQ(form.txtCol1->text(), QStringLiteral("id"));
        EXPECT_EQ(form.txtTable2->text(), QStringLiteral("lines"));
        EXPECT_EQ(form.txtCol2->text(), QStringLiteral("order_id"));
        EXPECT_EQ(form.rgJoinOperator->ItemIndex(), int(roLess));
        EXPECT_EQ(form.rgJoinType->ItemIndex(), int(rjLeftOuter));
        form.rgJoinOperator->SetItemIndex(roNonEqual);
        form.rgJoinType->SetItemIndex(rjFull);
        return int(QDialog::Accepted);
    });
    Choose(Entry(link->PopMenu(), "mnuOptions"));
    EXPECT_EQ(link->JoinOperator(), roNonEqual);
    EXPECT_EQ(link->JoinType(), rjFull);
    EXPECT_EQ(link->RelationType(), rtIdentifying);

    dialogs->ModalAnswers.push_back([](QDialog& dialog) {
        auto& form = static_cast<TfrmZBRelation&>(dialog);
        form.rgJoinOperator->SetItemIndex(roGreater);
        form.rgJoinType->SetItemIndex(rjInner);
        return int(QDialog::Rejected);
    });
    link->EditRelation();
    EXPECT_EQ(link->JoinOperator(), roNonEqual);
    EXPECT_EQ(link->JoinType(), rjFull);
    EXPECT_EQ(dialogs->Requests.size(), 2);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(LinkBehaviour, BoxMenuEntriesFollowTheActionsOfTheirTime)
{
    for (TSchemaControlType kind : {scListBox, scCheckListBox, scTreeView}) {
        SCOPED_TRACE(int(kind));
        TSchemaItem* box = Box("b", 1, kind);
        QMenu* menu = box->PopMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QStringLiteral("mnu"));
        const QList<QAction*> entries = menu->actions();
        ASSERT_EQ(entries.size(), 8);
        const char* names[] = {"mnuSelectAll",  "mnuUnSelectAll",     "", "mnuDeleteRelation", "mnuClose", "",
                               "mnuChangeFont", "mnuChangeBackground"};
        const char* captions[] = {"Select All",
                                  "Unselect All",
                                  "",
                                  "Delete relations",
                                  "Delete item",
                                  "",
                                  "Change font...",
                                  "Change background color..."};
        for (int i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(entries[i]->isSeparator(), i == 2 || i == 5);
            if (entries[i]->isSeparator())
                continue;
            EXPECT_EQ(entries[i]->parent(), box);
            EXPECT_EQ(entries[i]->objectName(), QLatin1String(names[i]));
            EXPECT_EQ(entries[i]->text(), QLatin1String(captions[i]));
            EXPECT_TRUE(entries[i]->isEnabled());
            EXPECT_FALSE(entries[i]->isCheckable());
        }
    }
    for (TSchemaControlType kind : {scText, scIcon})
        EXPECT_EQ(pane->AddItem(QStringLiteral("s"), kind)->PopMenu(), nullptr);

    // The font and colour entries reach the pane's commands for their box.
    TSchemaItem* styled = Box("styled", 1);
    TFont font = styled->Font();
    font.Size = 11;
    dialogs->FontAnswers = {font};
    dialogs->ColorAnswers = {clInfoBk};
    Choose(Entry(styled->PopMenu(), "mnuChangeFont"));
    Choose(Entry(styled->PopMenu(), "mnuChangeBackground"));
    EXPECT_EQ(styled->Font().Size, 11);
    EXPECT_EQ(styled->Color(), clInfoBk);

    TSchemaItem* before = Box("before", 1);
    pane->SetActions({saDeleteReleation});
    TSchemaItem* noDelete = Box("noDelete", 1);
    pane->SetActions({saDeleteItem, saEditRelation});
    TSchemaItem* noRelations = Box("noRelations", 1);
    EXPECT_TRUE(Entry(before->PopMenu(), "mnuClose")->isEnabled());
    EXPECT_FALSE(Entry(noDelete->PopMenu(), "mnuClose")->isEnabled());
    EXPECT_TRUE(Entry(noDelete->PopMenu(), "mnuDeleteRelation")->isEnabled());
    EXPECT_TRUE(Entry(noRelations->PopMenu(), "mnuClose")->isEnabled());
    EXPECT_FALSE(Entry(noRelations->PopMenu(), "mnuDeleteRelation")->isEnabled());
    EXPECT_TRUE(Entry(noRelations->PopMenu(), "mnuSelectAll")->isEnabled());
}

TEST_F(LinkBehaviour, RightPressOnARowListOpensTheBoxMenuUnlessReadOnly)
{
    for (TSchemaControlType kind : {scListBox, scCheckListBox, scTreeView}) {
        SCOPED_TRACE(int(kind));
        pane->SetReadOnly(false);
        TSchemaItem* box = Box("b", 3, kind, {100, 100});
        QApplication::processEvents();
        auto* view = static_cast<QAbstractItemView*>(box->ItemControl());
        const QPoint at = RowPoint(box, 1);
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, at);
        EXPECT_TRUE(box->PopMenu()->isVisible());
        EXPECT_EQ(box->PopMenu()->pos(), view->viewport()->mapToGlobal(at));
        box->PopMenu()->hide();
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, at);

        pane->SetReadOnly(true);
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, at);
        EXPECT_FALSE(box->PopMenu()->isVisible());
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, at);
        box->PopupMenuAt(view->viewport()->mapToGlobal(at));
        EXPECT_FALSE(box->PopMenu()->isVisible());
        box->PopMenu()->hide();
    }
}

TEST_F(LinkBehaviour, SelectAllAndUnselectAllRaiseOneEventPerChangedRowInOrder)
{
    TSchemaItem* box = Box("b", 4, scCheckListBox);
    box->GetSubItem(1)->SetChecked(true);
    QList<QObject*> senders;
    box->OnSubItemCheck = [&](QObject* sender) { senders.append(sender); };
    const auto rows = [&](std::initializer_list<int> indexes) {
        QList<QObject*> list;
        for (int i : indexes)
            list.append(box->GetSubItem(i));
        return list;
    };

    Choose(Entry(box->PopMenu(), "mnuSelectAll"));
    EXPECT_EQ(senders, rows({0, 2, 3}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(box->CheckListControl()->Checked(i)) << i;
        EXPECT_TRUE(box->GetSubItem(i)->Checked()) << i;
    }
    senders.clear();
    Choose(Entry(box->PopMenu(), "mnuUnSelectAll"));
    EXPECT_EQ(senders, rows({0, 1, 2, 3}));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(box->CheckListControl()->Checked(i)) << i;
        EXPECT_FALSE(box->GetSubItem(i)->Checked()) << i;
    }

    // Plain lists and trees keep the marks on their rows alone.
    for (TSchemaControlType kind : {scListBox, scTreeView}) {
        TSchemaItem* plain = Box("p", 2, kind);
        int events = 0;
        plain->OnSubItemCheck = [&](QObject*) { ++events; };
        plain->_SelectAll(nullptr);
        EXPECT_EQ(events, 2);
        EXPECT_TRUE(plain->GetSubItem(0)->Checked() && plain->GetSubItem(1)->Checked());
        plain->_SelectAll(nullptr);
        EXPECT_EQ(events, 2);
    }
    TSchemaItem* text = Box("t", 1, scText);
    int shapeEvents = 0;
    text->OnSubItemCheck = [&](QObject*) { ++shapeEvents; };
    text->_SelectAll(nullptr);
    EXPECT_EQ(shapeEvents, 0);
    EXPECT_FALSE(text->GetSubItem(0)->Checked());
}

TEST_F(LinkBehaviour, DeletingABoxReportsItsLinksFirst)
{
    TSchemaItem* a = Box("a", 1);
    TSchemaItem* b = Box("b", 2, scListBox, {250, 0});
    TSchemaItem* c = Box("c", 2, scListBox, {500, 0});
    Join(a, 0, b, 0);
    Join(b, 1, c, 0);
    log.clear();
    Choose(Entry(b->PopMenu(), "mnuClose"));
    EXPECT_EQ(log, (QStringList{"del b1-c0", "del a0-b0", "item b"}));
    EXPECT_EQ(pane->GetItemCount(), 2);
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_FALSE(a->GetSubItem(0)->Linked());
    EXPECT_FALSE(c->GetSubItem(0)->Linked());

    // The close glyph of the caption bar does the same.
    Join(a, 0, c, 0);
    Join(c, 1, a, 0);
    log.clear();
    QPointer<TSchemaItem> closing(c);
    QTest::mouseClick(c, Qt::LeftButton, {}, c->FrameMetrics().CloseButtonRect(c->size()).center());
    QApplication::sendPostedEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    EXPECT_EQ(log, (QStringList{"del c1-a0", "del a0-c0", "item c"}));
    EXPECT_FALSE(a->GetSubItem(0)->Linked());

    // "Delete relations" keeps the box and clears the marks at both ends.
    TSchemaItem* d = Box("d", 1, scTreeView, {0, 300});
    Join(a, 0, d, 0);
    Choose(Entry(d->PopMenu(), "mnuDeleteRelation"));
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_FALSE(a->GetSubItem(0)->Linked());
    EXPECT_FALSE(d->GetSubItem(0)->Linked());
    EXPECT_EQ(pane->GetItemCount(), 2);
}

TEST_F(LinkBehaviour, DroppingARowLinksTheDraggedRowToTheRowBeneath)
{
    TSchemaItem* a = Box("a", 3);
    TSchemaItem* b = Box("b", 3, scCheckListBox, {300, 0});
    TSchemaItem* t = Box("t", 2, scTreeView, {0, 300});
    for (TSchemaItem* box : {a, b, t})
        box->SetClientHeight(150); // room below the last row
    QApplication::processEvents();

    bool accept = false;
    a->_DragOver(a->ItemControl(), b->ItemControl(), 0, 0, Qt::MoveAction, accept);
    EXPECT_TRUE(accept);
    a->_DragOver(a->ItemControl(), t->ItemControl(), -5, 999, Qt::MoveAction, accept);
    EXPECT_TRUE(accept);
    a->_DragOver(a->ItemControl(), a->ItemControl(), 0, 0, Qt::MoveAction, accept);
    EXPECT_TRUE(accept);
    // Only the row list of a box is a source.
    TCustomListBox loose;
    TSchemaItem* note = Box("n", 1, scText, {600, 0});
    QObject* strangers[] = {nullptr, b, pane.get(), &loose, b->ListControl()->viewport(), note->ItemControl()};
    for (QObject* source : strangers) {
        accept = true;
        a->_DragOver(a->ItemControl(), source, 0, 0, Qt::MoveAction, accept);
        EXPECT_FALSE(accept);
    }
    loose.AddObject(QStringLiteral("x"), nullptr);
    loose.SetItemIndex(0);
    a->_DragDrop(a->ItemControl(), &loose, RowPoint(a, 0).x(), RowPoint(a, 0).y());
    EXPECT_EQ(pane->GetRelationCount(), 0);

    b->ListControl()->SetItemIndex(1);
    a->_DragDrop(a->ItemControl(), b->ItemControl(), RowPoint(a, 2).x(), RowPoint(a, 2).y());
    ASSERT_EQ(pane->GetRelationCount(), 1);
    TSchemaRelation* link = pane->GetRelation(0);
    EXPECT_EQ(link->ParentItem(), b);
    EXPECT_EQ(link->ParentSubItem(), b->GetSubItem(1));
    EXPECT_EQ(link->ChildItem(), a);
    EXPECT_EQ(link->ChildSubItem(), a->GetSubItem(2));
    EXPECT_TRUE(a->GetSubItem(2)->Linked() && b->GetSubItem(1)->Linked());

    // Below the last row, and from a box without a current row: nothing.
    const QPoint below = a->ListControl()->ItemRect(2).bottomLeft() + QPoint(5, 20);
    ASSERT_EQ(a->ListControl()->ItemAtPos(below), -1);
    a->_DragDrop(a->ItemControl(), b->ItemControl(), below.x(), below.y());
    b->ListControl()->SetItemIndex(-1);
    a->_DragDrop(a->ItemControl(), b->ItemControl(), RowPoint(a, 0).x(), RowPoint(a, 0).y());
    EXPECT_EQ(pane->GetRelationCount(), 1);

    // Within one box: on itself nothing, on another row a link to the box itself.
    a->ListControl()->SetItemIndex(0);
    a->_DragDrop(a->ItemControl(), a->ItemControl(), RowPoint(a, 0).x(), RowPoint(a, 0).y());
    EXPECT_EQ(pane->GetRelationCount(), 1);
    a->_DragDrop(a->ItemControl(), a->ItemControl(), RowPoint(a, 1).x(), RowPoint(a, 1).y());
    ASSERT_EQ(pane->GetRelationCount(), 2);
    EXPECT_EQ(pane->GetRelation(1)->ParentItem(), a);
    EXPECT_EQ(pane->GetRelation(1)->ChildItem(), a);
    EXPECT_EQ(Ends(pane->GetRelation(1)), QStringLiteral("a0-a1"));

    // A tree as target and as source.
    t->_DragDrop(t->ItemControl(), a->ItemControl(), RowPoint(t, 1).x(), RowPoint(t, 1).y());
    ASSERT_EQ(pane->GetRelationCount(), 3);
    EXPECT_EQ(Ends(pane->GetRelation(2)), QStringLiteral("a0-t1"));
    t->TreeControl()->setCurrentItem(t->TreeControl()->Node(0));
    b->_DragDrop(b->ItemControl(), t->ItemControl(), RowPoint(b, 2).x(), RowPoint(b, 2).y());
    ASSERT_EQ(pane->GetRelationCount(), 4);
    EXPECT_EQ(Ends(pane->GetRelation(3)), QStringLiteral("t0-b2"));
    EXPECT_TRUE(dialogs->Messages.isEmpty());

    // A read-only pane takes no drops.
    pane->SetReadOnly(true);
    a->_DragOver(a->ItemControl(), b->ItemControl(), 0, 0, Qt::MoveAction, accept);
    EXPECT_FALSE(accept);
    b->ListControl()->SetItemIndex(0);
    a->_DragDrop(a->ItemControl(), b->ItemControl(), RowPoint(a, 1).x(), RowPoint(a, 1).y());
    EXPECT_EQ(pane->GetRelationCount(), 4);
}

TEST_F(LinkBehaviour, ADuplicateDropIsShownAndChangesNothing)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    QApplication::processEvents();
    b->ListControl()->SetItemIndex(0);
    QtDrop(b->ItemControl(), a->ListControl(), RowPoint(a, 1));
    ASSERT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(Ends(pane->GetRelation(0)), QStringLiteral("b0-a1"));
    EXPECT_TRUE(dialogs->Messages.isEmpty());
    log.clear();

    // Dragged again, and dragged back the other way.
    QtDrop(b->ItemControl(), a->ListControl(), RowPoint(a, 1));
    a->ListControl()->SetItemIndex(1);
    QtDrop(a->ItemControl(), b->ListControl(), RowPoint(b, 0));
    EXPECT_EQ(dialogs->Messages, (QStringList{kAlreadyLinked, kAlreadyLinked}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(a->GetSubItem(1)->Linked() && b->GetSubItem(0)->Linked());
}

TEST_F(LinkBehaviour, AFreedBoxTakesItsLinksAlong)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    TSchemaItem* c = Box("c", 1, scListBox, {300, 300});
    Join(a, 0, b, 0);
    Join(c, 0, a, 0);
    TSchemaRelation* bc = Join(b, 1, c, 0);
    Join(a, 0, a, 1);
    log.clear();
    delete a;
    // Each link is reported once, with its ends still readable.
    log.sort();
    EXPECT_EQ(log, (QStringList{"del a0-a1", "del a0-b0", "del c0-a0", "item a"}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(pane->GetRelation(0), bc);
    EXPECT_FALSE(b->GetSubItem(0)->Linked());
    EXPECT_TRUE(c->GetSubItem(0)->Linked());

    log.clear();
    pane->DeleteRelationsForItem(b, nullptr);
    EXPECT_EQ(log, QStringList{"del b1-c0"});
    pane->ReboundRelations();
    EXPECT_EQ(pane->GetRelationCount(), 0);
}

TEST_F(LinkBehaviour, DeletingALinkedRowTakesItsLinksAlong)
{
    TSchemaItem* a = Box("a", 2);
    TSchemaItem* b = Box("b", 2, scListBox, {300, 0});
    TSchemaItem* t = Box("t", 2, scTreeView, {0, 300});
    Join(a, 0, b, 0);
    Join(t, 1, a, 0);
    Join(a, 1, b, 1);
    log.clear();
    a->DeleteSubItem(0);
    log.sort();
    EXPECT_EQ(log, (QStringList{"del a0-b0", "del t1-a0"}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_FALSE(b->GetSubItem(0)->Linked());
    EXPECT_FALSE(t->GetSubItem(1)->Linked());
    EXPECT_FALSE(TTreeView::Bold(t->TreeControl()->Node(1)));
    EXPECT_TRUE(b->GetSubItem(1)->Linked());
    // The remaining link is routed from the row that moved up.
    pane->ReboundRelations();
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem(), a->GetSubItem(0));
}

TEST_F(LinkBehaviour, ABoxPutIntoAnotherScrollBoxIsStillFreedOnce)
{
    TSchemaItem* a = Box("a", 1);
    TSchemaItem* m = Box("m", 1, scListBox, {300, 0});
    Join(a, 0, m, 0);
    QPointer<TSchemaItem> watch(m);
    {
        TScrollBox other;
        m->SetParent(&other);
        m->move(20, 20); // moving it there must not reach for a pane it is not on
        EXPECT_EQ(other.IndexOfControl(m), 0);
    }
    // Whether the box went with that scroll box or stayed the pane's, it is
    // reported once in the end, and no link is left on a freed box.
    pane->ReboundRelations();
    pane->viewport()->repaint();
    if (watch.isNull()) {
        EXPECT_EQ(log.count(QStringLiteral("item m")), 1);
        EXPECT_EQ(pane->GetRelationCount(), 0);
    }

    // Put into a scroll box that outlives the pane, the box goes with the pane.
    TSchemaItem* kept = Box("kept", 1, scListBox, {0, 300});
    Join(a, 0, kept, 0);
    QPointer<TSchemaItem> watchKept(kept);
    TScrollBox keeper;
    kept->SetParent(&keeper);
    pane.reset();
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(watchKept.isNull());
    EXPECT_EQ(log.count(QStringLiteral("item m")), 1);
    EXPECT_EQ(log.count(QStringLiteral("item kept")), 1);
    EXPECT_EQ(log.count(QStringLiteral("item a")), 1);
    EXPECT_EQ(keeper.ControlCount(), 0);
}

TEST_F(LinkBehaviour, ADestroyedChildLeavesTheControlList)
{
    TSchemaItem* a = Box("a", 1);
    auto* widget = new QWidget(pane->viewport());
    pane->InsertControl(widget);
    auto* element = new QObject(pane.get());
    pane->InsertControl(element);
    ASSERT_EQ(pane->ControlCount(), 3);
    delete widget;
    delete element;
    EXPECT_EQ(pane->ControlCount(), 1);
    EXPECT_EQ(pane->Controls(0), a);
    EXPECT_EQ(pane->GetItemIndex(a), 0);
    EXPECT_EQ(pane->Controls(1), nullptr);
}
