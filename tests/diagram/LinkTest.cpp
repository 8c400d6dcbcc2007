// Links as a user makes and breaks them: boxes and rows going by every path,
// what a link draws where, and rows dragged from list to list.

#include "DiagramFixture.h"

#include <schemakit/diagram/RelationGeometry.h>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidgetItem>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {

TSchemaItem* Box(TSchemaDesignArea& pane, const QString& caption, int x, int y, int rows = 4,
                 TSchemaControlType kind = scCheckListBox)
{
    TSchemaItem* box = pane.AddItem(caption, kind);
    for (int r = 0; r < rows; ++r)
        box->AddSubItem(QStringLiteral("%1_f%2").arg(caption).arg(r), -1, false);
    box->RecalculateHeight();
    box->RecalculateWidth();
    box->move(x, y);
    return box;
}

struct Events {
    QStringList log;
    void Watch(TSchemaDesignArea& pane)
    {
        pane.OnDeleteRelation = [this](QObject*, TSchemaRelation* link) {
            log << QStringLiteral("relation %1").arg(link->Name());
        };
        pane.OnDeleteItem = [this](QObject*, TSchemaItem* box) {
            log << QStringLiteral("item %1").arg(box->Caption());
        };
    }
};

} // namespace

TEST_F(DiagramTest, BoxesGoingByAnyPathTakeTheirLinksAlong)
{
    Events events;
    events.Watch(*pane);
    TSchemaItem* a = Box(*pane, QStringLiteral("a"), 0, 0);
    TSchemaItem* b = Box(*pane, QStringLiteral("b"), 300, 0);
    TSchemaItem* c = Box(*pane, QStringLiteral("c"), 600, 0);
    pane->AddRelation(a, b, a->GetSubItem(0), b->GetSubItem(1));
    pane->AddRelation(c, a, c->GetSubItem(2), a->GetSubItem(3));
    pane->AddRelation(b, c, b->GetSubItem(1), c->GetSubItem(0));

    // Freed directly, the box announces its links as RemoveItem does, then itself.
    delete a;
    EXPECT_EQ(events.log, QStringList({"relation c :: a", "relation a :: b", "item a"}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_TRUE(b->GetSubItem(1)->Linked()); // still linked to c
    EXPECT_EQ(b->GetRank(), 4 + 20);
    // What used to read the freed box.
    pane->DeleteRelationsForItem(b, nullptr);
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_FALSE(b->GetSubItem(1)->Linked());
    EXPECT_FALSE(c->GetSubItem(0)->Linked());

    // A row that goes takes its links; the box's other links stay routed.
    events.log.clear();
    pane->AddRelation(b, c, b->GetSubItem(0), c->GetSubItem(0));
    pane->AddRelation(b, c, b->GetSubItem(2), c->GetSubItem(1));
    b->DeleteSubItem(0);
    EXPECT_EQ(events.log, QStringList({"relation b :: c"}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem(), b->GetSubItem(1));
    EXPECT_FALSE(c->GetSubItem(0)->Linked());
    EXPECT_TRUE(c->GetSubItem(1)->Linked());

    // ClearAll frees the links without the event, as it always did.
    events.log.clear();
    pane->ClearAll();
    EXPECT_EQ(events.log, QStringList({"item c", "item b"}));
    EXPECT_EQ(pane->ControlCount(), 0);
}

TEST_F(DiagramTest, ATreeNodeThatGoesTakesTheLinksOfItsChildren)
{
    TSchemaItem* tree = pane->AddItem(QStringLiteral("t"), scTreeView);
    tree->AddSubItem(QStringLiteral("root"), -1, false);
    tree->AddSubItem(QStringLiteral("child"), 0, false);
    tree->AddSubItem(QStringLiteral("other"), -1, false);
    TSchemaItem* list = Box(*pane, QStringLiteral("l"), 300, 0);
    TSchemaSubItem* child = tree->GetSubItem(1);
    pane->AddRelation(list, tree, list->GetSubItem(0), child);
    pane->AddRelation(tree, list, tree->GetSubItem(2), list->GetSubItem(1));
    tree->DeleteSubItem(0);
    ASSERT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem()->Caption(), QStringLiteral("other"));
    EXPECT_FALSE(list->GetSubItem(0)->Linked());
}

TEST_F(DiagramTest, ScrollBoxesForgetChildrenThatGoAndLetOthersBoxesGo)
{
    // A widget put into the list and freed leaves the list.
    auto* stray = new QWidget(pane->viewport());
    pane->InsertControl(stray);
    const int listed = pane->ControlCount();
    delete stray;
    EXPECT_EQ(pane->ControlCount(), listed - 1);

    // A box the pane made, put into another scroll box that is then freed: the
    // box goes back to its pane (hidden, off every list), and the pane frees it
    // with the usual event when it goes.
    int deleted = 0;
    pane->OnDeleteItem = [&](QObject*, TSchemaItem*) { ++deleted; };
    TSchemaItem* box = pane->AddItem(QStringLiteral("m"), scListBox);
    auto* other = new TScrollBox;
    box->SetParent(other);
    EXPECT_EQ(other->ControlCount(), 1);
    EXPECT_EQ(pane->GetItemCount(), 0);
    delete other;
    QPointer<TSchemaItem> watched = box;
    ASSERT_TRUE(watched);
    EXPECT_EQ(box->Parent(), nullptr);
    EXPECT_EQ(deleted, 0);
    pane.reset();
    EXPECT_FALSE(watched);
    EXPECT_EQ(deleted, 1);

    // A box of no pane goes down with the scroll box it stands in.
    auto* lone = new TSchemaItem(nullptr, scListBox);
    auto* holder = new TScrollBox;
    lone->SetParent(holder);
    QPointer<TSchemaItem> watchedLone = lone;
    delete holder;
    EXPECT_FALSE(watchedLone);
}

TEST_F(DiagramTest, LinksWhoseBandIsFlatCanStillBeClicked)
{
    TSchemaItem* a = Box(*pane, QStringLiteral("a"), 20, 20);
    TSchemaItem* b = Box(*pane, QStringLiteral("b"), 300, 20);
    TSchemaItem* c = Box(*pane, QStringLiteral("c"), 400, 300);
    // A link from a row to itself: rows at one height, a bracket 14 pixels high.
    TSchemaRelation* self = pane->AddRelation(c, c, c->GetSubItem(1), c->GetSubItem(1));
    // Two rows 14 pixels apart across a gap of 16: a straight band with no area.
    b->move(a->x() + a->width() + 16, a->y() + a->ListControl()->ItemHeight() + 14);
    TSchemaRelation* straight = pane->AddRelation(a, b, a->GetSubItem(1), b->GetSubItem(0));
    pane->viewport()->repaint();
    for (TSchemaRelation* link : {self, straight}) {
        const RelationGeometry::Layout layout = RelationGeometry::LayoutFor(
            link->LnkX(), link->LnkY(), link->ParentItem() == link->ChildItem(), link->Width(), link->Height());
        ASSERT_EQ(RelationGeometry::DoubleSignedArea(layout.band), 0) << link->Name().toStdString();
        const QPoint mid = (layout.line[1] + layout.line[2]) / 2;
        EXPECT_TRUE(link->HitTest(mid)) << link->Name().toStdString();
        EXPECT_EQ(pane->RelationAt(mid + link->BoundsRect().topLeft()), link);
        // Far from the line the link still lets clicks through.
        EXPECT_FALSE(link->HitTest(mid + QPoint(0, 10)));
    }
    EXPECT_EQ(self->Height(), 14);
}

namespace {

// Where each layout is drawn on a pane: the link's colour on the line's middle
// segment, a ring (colour at its rim, background inside) and a dot.
void ExpectDrawnAsLaidOut(const QImage& image, const TSchemaRelation& link, const QColor& color,
                          const QColor& background, bool marksShown = true)
{
    const RelationGeometry::Layout layout = RelationGeometry::LayoutFor(
        link.LnkX(), link.LnkY(), link.ParentItem() == link.ChildItem(), link.Width(), link.Height());
    const QPoint origin = link.BoundsRect().topLeft();
    const std::string name = link.Name().toStdString();
    auto at = [&](QPoint p) { return image.pixelColor(origin + p); };
    // A line's pixels may round to either side of a point it passes.
    auto near = [&](QPoint p) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (at(p + QPoint(dx, dy)) == color)
                    return true;
        return false;
    };
    EXPECT_TRUE(near(layout.line[1])) << name;
    EXPECT_TRUE(near(layout.line[2])) << name;
    EXPECT_TRUE(near((layout.line[1] + layout.line[2]) / 2)) << name;
    // Nothing is drawn half-way between the line and the far corner.
    const QPoint corner(layout.line[1].x() < layout.line[2].x() ? link.Width() - 1 : 0, 0);
    EXPECT_NE(at((layout.line[1] + corner) / 2 + QPoint(0, link.Height() / 4)), color) << name;
    if (!marksShown)
        return;
    EXPECT_EQ(at(layout.openMark + QPoint(3, 0)), color) << name;      // the ring's top
    EXPECT_EQ(at(layout.openMark + QPoint(3, 3)), background) << name; // and its hollow
    EXPECT_EQ(at(layout.filledMark + QPoint(3, 3)), color) << name;    // the dot is filled
}

} // namespace

TEST_F(DiagramTest, EveryLayoutDrawsItsLineAndMarksWhereItsCaseSays)
{
    pane->resize(1200, 900);
    const int h = 17; // row height of the lists
    struct Setup {
        RelationGeometry::LinkCase expected;
        QPoint parent, child;
        int parentRow, childRow;
        int childWidthExtra; // widens the child box past the parent's right edge
    };
    const Setup setups[] = {
        {RelationGeometry::LinkCase::StraightDown, {20, 20}, {400, 20}, 0, 3, 0},
        {RelationGeometry::LinkCase::StraightUp, {20, 220}, {400, 220}, 3, 0, 0},
        {RelationGeometry::LinkCase::RightLoopTopStart, {20, 420}, {60, 520}, 0, 1, 60},
        {RelationGeometry::LinkCase::RightLoopBottomStart, {620, 20}, {640, 160}, 0, 1, -80},
        {RelationGeometry::LinkCase::NarrowBracket, {620, 420}, {625, 560}, 0, 1, -12},
    };
    const TColor red = 0x0000FF;
    QList<TSchemaRelation*> links;
    int n = 0;
    for (const Setup& s : setups) {
        TSchemaItem* p = Box(*pane, QStringLiteral("p%1").arg(n), s.parent.x(), s.parent.y());
        TSchemaItem* c = Box(*pane, QStringLiteral("c%1").arg(n), s.child.x(), s.child.y());
        if (s.childWidthExtra != 0) // overlapping boxes: the right edges decide the layout
            c->resize(p->width() + s.childWidthExtra - (s.child.x() - s.parent.x()), c->height());
        TSchemaRelation* link = pane->AddRelation(p, c, p->GetSubItem(s.parentRow), c->GetSubItem(s.childRow));
        link->SetColor(red);
        links << link;
        EXPECT_EQ(RelationGeometry::ChooseCase(link->LnkX(), link->LnkY(), false, link->Width()), s.expected)
            << "setup " << n << " codes " << link->LnkX() << "/" << link->LnkY() << " width " << link->Width();
        ++n;
    }
    TSchemaItem* selfBox = Box(*pane, QStringLiteral("s"), 900, 250);
    TSchemaRelation* self = pane->AddRelation(selfBox, selfBox, selfBox->GetSubItem(0), selfBox->GetSubItem(3));
    self->SetColor(red);
    links << self;
    EXPECT_EQ(self->Left(), selfBox->x() + selfBox->width());
    EXPECT_EQ(self->Height(), 3 * h + 14);

    QImage image(pane->viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    pane->DrawCanvas(painter);
    painter.end();
    // The bracket's marks stand under the wider box, which covers them.
    for (TSchemaRelation* link : links)
        ExpectDrawnAsLaidOut(image, *link, Qt::red, Qt::white, link != links[4]);

    // A pressed link is drawn silver; its dot keeps the link's colour.
    links[0]->MouseDown();
    QImage pressed(pane->viewport()->size(), QImage::Format_RGB32);
    QPainter again(&pressed);
    pane->DrawCanvas(again);
    again.end();
    const RelationGeometry::Layout layout =
        RelationGeometry::LayoutFor(links[0]->LnkX(), links[0]->LnkY(), false, links[0]->Width(), links[0]->Height());
    EXPECT_EQ(pressed.pixelColor(links[0]->BoundsRect().topLeft() + layout.line[1]), QColor(192, 192, 192));
    links[0]->SetColor(clBlue); // a new colour ends the pressed look
    EXPECT_FALSE(links[0]->MouseIsDown());

    // A non-identifying link is dotted: its middle segment has gaps.
    links[0]->SetRelationType(rtNonIdentifying);
    QImage dotted(pane->viewport()->size(), QImage::Format_RGB32);
    QPainter third(&dotted);
    pane->DrawCanvas(third);
    third.end();
    int gaps = 0;
    const QPoint from = links[0]->BoundsRect().topLeft() + layout.line[1];
    for (int x = 0; x < 30; ++x)
        gaps += dotted.pixelColor(from + QPoint(x, 0)) == Qt::white;
    EXPECT_GT(gaps, 5);
}

TEST_F(DiagramTest, RowsAreLinkedByDraggingThemThroughQtsDropEvents)
{
    TSchemaItem* a = Box(*pane, QStringLiteral("a"), 0, 0);
    TSchemaItem* b = Box(*pane, QStringLiteral("b"), 300, 0);
    TCustomListBox* source = a->ListControl();
    TCustomListBox* target = b->ListControl();
    pane->repaint();

    // The user presses on row 2 of a and moves: the list selects the row and
    // starts a drag carrying itself. (Qt's offscreen platform ends every drag at
    // once, so the drop is delivered below as the platform would deliver it.)
    const QPoint press = source->ItemRect(2).center(); // right of the check box
    QTest::mousePress(source->viewport(), Qt::LeftButton, {}, press);
    QTest::mouseMove(source->viewport(), press + QPoint(30, 0));
    QTest::mouseRelease(source->viewport(), Qt::LeftButton, {}, press + QPoint(30, 0));
    ASSERT_EQ(a->GetItemIndex(), 2);

    auto drop = [&](TCustomListBox* over, int row) {
        TControlMimeData data(source);
        const QPoint at = over->ItemRect(row).center();
        QDragEnterEvent enter(at, Qt::LinkAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(over->viewport(), &enter);
        const bool accepted = enter.isAccepted();
        QDropEvent dropped(at, Qt::LinkAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(over->viewport(), &dropped);
        return accepted;
    };
    EXPECT_TRUE(drop(target, 1));
    ASSERT_EQ(pane->GetRelationCount(), 1);
    TSchemaRelation* link = pane->GetRelation(0);
    EXPECT_EQ(link->ParentItem(), a);
    EXPECT_EQ(link->ParentSubItem(), a->GetSubItem(2));
    EXPECT_EQ(link->ChildItem(), b);
    EXPECT_EQ(link->ChildSubItem(), b->GetSubItem(1));
    EXPECT_TRUE(a->GetSubItem(2)->Linked() && b->GetSubItem(1)->Linked());

    // The same drop again is refused through the error boundary: shown, not thrown.
    EXPECT_TRUE(drop(target, 1));
    EXPECT_EQ(dialogs->Messages, QStringList({QStringLiteral("These items are already linked.")}));
    EXPECT_EQ(pane->GetRelationCount(), 1);
    // The row dropped on itself makes nothing; on another row of its box, a self link.
    drop(source, 2);
    EXPECT_EQ(pane->GetRelationCount(), 1);
    drop(source, 0);
    EXPECT_EQ(pane->GetRelationCount(), 2);
    // A read-only pane refuses the drag everywhere.
    pane->SetReadOnly(true);
    EXPECT_FALSE(drop(target, 3));
    EXPECT_EQ(pane->GetRelationCount(), 2);
}

TEST_F(DiagramTest, RightPressOnARowListOpensTheBoxMenuAtTheMouse)
{
    TSchemaItem* a = Box(*pane, QStringLiteral("a"), 10, 10);
    QWidget* rows = a->ListControl()->viewport();
    const QPoint at(20, 12);
    QTest::mousePress(rows, Qt::RightButton, {}, at);
    ASSERT_TRUE(a->PopMenu()->isVisible());
    EXPECT_EQ(a->PopMenu()->pos(), rows->mapToGlobal(at));
    a->PopMenu()->hide();
    QTest::mouseRelease(rows, Qt::RightButton, {}, at);

    pane->SetReadOnly(true);
    QTest::mousePress(rows, Qt::RightButton, {}, at);
    EXPECT_FALSE(a->PopMenu()->isVisible());
}

TEST_F(DiagramTest, AScrollReroutesEveryLinkOnceAndNoBoxOnItsOwn)
{
    TSchemaItem* a = Box(*pane, QStringLiteral("a"), 0, 0);
    TSchemaItem* b = Box(*pane, QStringLiteral("b"), 300, 900);
    TSchemaRelation* link = pane->AddRelation(a, b, a->GetSubItem(0), b->GetSubItem(0));
    pane->UpdateScrollRange();
    const QRect before = link->BoundsRect();
    pane->itemRoutes.clear();
    pane->allRoutes = 0;
    pane->verticalScrollBar()->setValue(40);
    EXPECT_EQ(pane->allRoutes, 1);
    EXPECT_TRUE(pane->itemRoutes.isEmpty());
    EXPECT_EQ(link->BoundsRect(), before.translated(0, -40));
    // Moving a box still re-routes its links as a drag.
    b->move(b->x() + 5, b->y());
    ASSERT_FALSE(pane->itemRoutes.isEmpty());
    EXPECT_TRUE(pane->itemRoutes.last().IsDrag);
    EXPECT_EQ(link->Width(), before.width() + 5);
}
