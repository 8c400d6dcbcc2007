#include "DiagramFixture.h"

#include <schemakit/diagram/ItemGeometry.h>
#include <schemakit/package/PlatformMetrics.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {
int ClientTop(const TSchemaItem* box)
{
    return box->ClientRect().top();
}
} // namespace

TEST_F(DiagramTest, CheckedRowsRaiseOnSubItemCheckBeforeOnAddSubItem)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    QStringList events;
    box->OnSubItemCheck = [&](QObject* sender) {
        auto* row = qobject_cast<TSchemaSubItem*>(sender);
        ASSERT_NE(row, nullptr);
        events << QStringLiteral("check %1 %2").arg(row->Caption()).arg(row->Checked());
    };
    pane->OnAddSubItem = [&](QObject* sender, TSchemaSubItem* row) {
        EXPECT_EQ(sender, pane.get());
        events << QStringLiteral("add %1").arg(row->Caption());
    };
    TSchemaSubItem* id = box->AddSubItem(QStringLiteral("ID"), -1, true);
    TSchemaSubItem* name = box->AddSubItem(QStringLiteral("NAME"), -1, false);
    EXPECT_EQ(events, (QStringList{"check ID 1", "add ID", "add NAME"}));
    EXPECT_EQ(id->Index(), 0);
    EXPECT_EQ(name->Index(), 1);
    EXPECT_EQ(id->ItemOwner(), box);
    EXPECT_TRUE(box->CheckListControl()->Checked(0));
    EXPECT_FALSE(box->CheckListControl()->Checked(1));

    // Setting the present value raises nothing; a change mirrors into the list.
    events.clear();
    id->SetChecked(true);
    name->SetChecked(true);
    EXPECT_EQ(events, (QStringList{"check NAME 1"}));
    EXPECT_TRUE(box->CheckListControl()->Checked(1));
}

TEST_F(DiagramTest, ClickingACheckBoxTogglesTheRow)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    box->AddSubItem(QStringLiteral("a"), -1, false);
    TSchemaSubItem* b = box->AddSubItem(QStringLiteral("b"), -1, false);
    box->RecalculateHeight();
    QList<bool> states;
    box->OnSubItemCheck = [&](QObject* sender) { states.append(static_cast<TSchemaSubItem*>(sender)->Checked()); };
    auto* list = box->CheckListControl();
    const QPoint check(3, list->ItemRect(1).center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, check);
    EXPECT_TRUE(b->Checked());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, check);
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(states, (QList<bool>{true, false}));
    EXPECT_FALSE(list->Checked(1));
}

TEST_F(DiagramTest, ShapeBoxesHoldOneRowAndListBoxesMany)
{
    TSchemaItem* text = pane->AddItem(QStringLiteral("Note"), scText);
    EXPECT_FALSE(text->ShowCaption());
    EXPECT_FALSE(text->Border());
    int adds = 0;
    pane->OnAddSubItem = [&](QObject*, TSchemaSubItem*) { ++adds; };
    TSchemaSubItem* row = text->AddSubItem(QStringLiteral("only"), -1, false);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Index(), -1);
    EXPECT_EQ(text->AddSubItem(QStringLiteral("second"), -1, true), nullptr);
    EXPECT_EQ(text->GetSubItemCount(), 1);
    EXPECT_EQ(adds, 1);
    EXPECT_EQ(text->GetSubItem(42), row); // the index is ignored
    EXPECT_EQ(text->GetItemName(42), QStringLiteral("Note"));
    EXPECT_EQ(text->GetItemIndex(), -1);
    text->DeleteSubItem(0); // nothing for shapes
    EXPECT_EQ(text->GetSubItemCount(), 1);

    TSchemaItem* icon = pane->AddItem(QStringLiteral("pic"), scIcon);
    EXPECT_EQ(icon->GetItemName(0), QString());
    // A text or icon box is dragged from anywhere on it.
    EXPECT_EQ(icon->HitTest(QPoint(2, 2)), THitArea::Caption);
}

TEST_F(DiagramTest, RowLookupsAndDeletion)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scListBox);
    int field = 0;
    TSchemaSubItem* id = box->AddSubItemObject(QStringLiteral("Id"), -1, false, &field);
    TSchemaSubItem* name = box->AddSubItem(QStringLiteral("N\u00e4me"), -1, false);
    TSchemaSubItem* city = box->AddSubItem(QStringLiteral("city"), -1, false);
    EXPECT_EQ(id->Data(), &field);
    EXPECT_EQ(box->GetSubItemCount(), 3);
    EXPECT_EQ(box->GetSubItem(3), nullptr);
    EXPECT_EQ(box->GetSubItem(-1), nullptr);
    EXPECT_EQ(box->GetSubItemByName(QStringLiteral("ID")), id);
    EXPECT_EQ(box->GetSubItemByName(QStringLiteral("N\u00c4ME")), nullptr);
    EXPECT_EQ(box->GetItemName(1), QStringLiteral("N\u00e4me"));
    EXPECT_EQ(box->GetItemName(3), QString());
    TSchemaItem* other = pane->AddItem(QStringLiteral("o"), scListBox);
    EXPECT_EQ(box->GetIndexBySubItem(other->AddSubItem(QStringLiteral("x"), -1, false)), -1);
    box->SelectItemBold(nullptr, true);

    QPointer<TSchemaSubItem> gone(name);
    box->DeleteSubItem(1);
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(box->GetSubItemCount(), 2);
    EXPECT_EQ(box->GetIndexBySubItem(city), 1);
    EXPECT_EQ(box->GetSubItem(1), city);
    box->DeleteSubItem(5); // out of range: nothing
    EXPECT_EQ(box->GetItemIndex(), -1);
    box->ListControl()->SetItemIndex(1);
    EXPECT_EQ(box->GetItemIndex(), 1);
}

TEST_F(DiagramTest, TreeRowsFollowParentIndexesAndDeleteWithChildren)
{
    TSchemaItem* tree = pane->AddItem(QStringLiteral("t"), scTreeView);
    tree->AddSubItem(QStringLiteral("root"), -1, false);
    TSchemaSubItem* child = tree->AddSubItem(QStringLiteral("child"), 0, false);
    TSchemaSubItem* top = tree->AddSubItem(QStringLiteral("top"), tree->GetSubItemCount(), false);
    TSchemaSubItem* grandChild = tree->AddSubItem(QStringLiteral("grand"), 1, false);
    EXPECT_EQ(child->Index(), 1);
    EXPECT_EQ(top->Index(), 2);
    EXPECT_EQ(grandChild->Index(), 2); // absolute index when it was added
    TTreeView* view = tree->TreeControl();
    EXPECT_EQ(view->Node(1)->parent(), view->Node(0));
    EXPECT_EQ(view->Node(3)->parent(), nullptr);
    EXPECT_EQ(tree->GetIndexBySubItem(top), 3);
    EXPECT_EQ(tree->GetSubItemByName(QStringLiteral("GRAND")), grandChild);

    // Bold marks the node; image indexes reach it too.
    tree->SelectItemBold(child, true);
    EXPECT_TRUE(TTreeView::Bold(view->Node(1)));
    EXPECT_TRUE(child->Linked());
    child->SetStateIndex(2);
    EXPECT_EQ(TTreeView::ImageIndex(view->Node(1), TTreeView::ikState), 2);

    tree->DeleteSubItem(1);
    EXPECT_EQ(tree->GetSubItemCount(), 2);
    EXPECT_EQ(tree->GetSubItem(1), top);
    tree->TreeControl()->setCurrentItem(view->Node(1));
    EXPECT_EQ(tree->GetItemIndex(), 1);
}

TEST_F(DiagramTest, ListRowsAttachAtTheirLineInPaneCoordinates)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    for (int i = 0; i < 30; ++i)
        box->AddSubItem(QStringLiteral("f%1").arg(i), -1, false);
    box->ListControl()->SetItemHeight(13);
    box->SetClientHeight(13 * 8);
    box->move(40, 60);
    const int origin = 60 + ClientTop(box);
    EXPECT_EQ(box->GetRowY(0), origin + 7);
    EXPECT_EQ(box->GetRowY(2), origin + 33);
    box->ListControl()->SetTopIndex(3);
    ASSERT_EQ(box->ListControl()->TopIndex(), 3);
    EXPECT_EQ(box->GetRowY(1), origin - 18);
    // A row far below the visible part attaches at the bottom edge of the list.
    EXPECT_EQ(box->GetRowY(29), origin + box->ItemControl()->height());
}

TEST_F(DiagramTest, TreeRowsInCollapsedNodesAttachAtTheShownParent)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scTreeView);
    box->AddSubItem(QStringLiteral("n0"), -1, false);
    box->AddSubItem(QStringLiteral("n1"), -1, false);
    box->AddSubItem(QStringLiteral("n2"), 1, false);
    box->AddSubItem(QStringLiteral("n3"), 1, false);
    box->AddSubItem(QStringLiteral("n4"), -1, false);
    box->RecalculateHeight();
    box->TreeControl()->Node(1)->setExpanded(false);
    const int top = box->mapTo(pane->viewport(), box->ClientRect().topLeft()).y();
    EXPECT_EQ(box->GetRowY(3), top + 25);
    EXPECT_EQ(box->GetRowY(4), top + 41);
}

TEST_F(DiagramTest, BoxesSizeThemselvesToTheirRows)
{
    TSchemaItem* list = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    for (int i = 0; i < 5; ++i)
        list->AddSubItem(QStringLiteral("f%1").arg(i), -1, false);
    list->ListControl()->SetItemHeight(13);
    list->RecalculateHeight();
    EXPECT_EQ(list->ClientHeight(), 74);

    TSchemaItem* tree = pane->AddItem(QStringLiteral("t"), scTreeView);
    tree->AddSubItem(QStringLiteral("a"), -1, false);
    tree->AddSubItem(QStringLiteral("b"), 0, false);
    tree->AddSubItem(QStringLiteral("c"), 1, false);
    tree->TreeControl()->collapseAll();
    tree->RecalculateHeight();
    EXPECT_EQ(tree->ClientHeight(), 57);
    EXPECT_TRUE(tree->TreeControl()->Node(1)->isExpanded());

    // Widths: the widest row or 110, plus border, padding and the check glyph;
    // then widened for a long caption.
    const QString longRow(40, QLatin1Char('W'));
    TSchemaItem* wide = pane->AddItem(QStringLiteral("w"), scListBox);
    wide->AddSubItem(longRow, -1, false);
    wide->RecalculateWidth();
    const int measured = wide->ListControl()->TextWidth(longRow);
    EXPECT_EQ(wide->Width(), ItemGeometry::ListOuterWidth(measured, true, CheckBoxGlyphSize()));
    const QString caption(60, QLatin1Char('M'));
    wide->SetCaption(caption);
    wide->RecalculateWidth();
    EXPECT_EQ(wide->Width(), QFontMetrics(wide->CanvasFont()).horizontalAdvance(caption) + 34);

    TSchemaItem* note = pane->AddItem(QStringLiteral("two\rlines"), scText);
    note->ItemControl()->resize(77, 40);
    note->RecalculateWidth();
    EXPECT_EQ(note->Width(), 77);
}

TEST_F(DiagramTest, ParentMustBeAScrollBox)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scListBox);
    QWidget plain;
    try {
        box->SetParent(&plain);
        FAIL() << "a plain widget was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Parent must be TScrollBox or its descendant."));
    }
    EXPECT_EQ(box->Parent(), pane.get());
    EXPECT_EQ(pane->GetItemCount(), 1);

    box->SetParent(nullptr);
    EXPECT_EQ(pane->GetItemCount(), 0);
    EXPECT_FALSE(box->isVisible());
    box->SetParent(pane.get());
    EXPECT_EQ(pane->GetItem(0), box);

    // Only boxes can own rows.
    QObject stranger;
    EXPECT_THROW(TSchemaSubItem{&stranger}, EInvalidCast);
}

TEST_F(DiagramTest, MovingSizingScrollingAndExpandingRerouteTheBoxLinks)
{
    TSchemaItem* list = pane->AddItem(QStringLiteral("l"), scListBox);
    for (int i = 0; i < 40; ++i)
        list->AddSubItem(QStringLiteral("f%1").arg(i), -1, false);
    TSchemaItem* tree = pane->AddItem(QStringLiteral("t"), scTreeView);
    tree->AddSubItem(QStringLiteral("a"), -1, false);
    tree->AddSubItem(QStringLiteral("b"), 0, false);
    QApplication::processEvents();

    auto routesFor = [&](TSchemaItem* item) {
        QList<bool> drags;
        for (const auto& c : pane->itemRoutes) {
            if (c.Item == item)
                drags.append(c.IsDrag);
        }
        pane->itemRoutes.clear();
        return drags;
    };
    routesFor(nullptr);
    list->move(100, 100);
    EXPECT_EQ(routesFor(list), QList<bool>{true});
    list->resize(150, 90);
    EXPECT_EQ(routesFor(list), QList<bool>{true});
    list->ListControl()->SetTopIndex(5);
    EXPECT_EQ(routesFor(list), QList<bool>{false});
    tree->TreeControl()->Node(0)->setExpanded(true);
    tree->TreeControl()->Node(0)->setExpanded(false);
    EXPECT_EQ(routesFor(tree), (QList<bool>{true, true}));
}

TEST_F(DiagramTest, LinkedRowsDrawBoldWithThePaneImages)
{
    TImageList images(nullptr, 8, 8);
    QPixmap red(8, 8), blue(8, 8);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    images.Add(red);
    images.Add(blue);
    pane->SetImages(&images);
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scListBox);
    TSchemaSubItem* row = box->AddSubItem(QStringLiteral("id"), -1, false);
    row->SetImageIndex(0);
    row->SetSelectedIndex(7); // not a valid image: the plain one is used

    QImage canvas(100, 16, QImage::Format_RGB32);
    auto draw = [&](TOwnerDrawState state) {
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        QFont f = box->ItemControl()->font();
        f.setBold(false);
        p.setFont(f);
        p.setBrush(Qt::yellow);
        box->CustomListDrawItem(box->ItemControl(), 0, QRect(0, 0, 100, 16), state, p);
        return p.font().bold();
    };
    EXPECT_FALSE(draw({}));
    EXPECT_EQ(canvas.pixelColor(4, 8), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(99, 15), QColor(Qt::yellow)); // filled with the brush
    EXPECT_EQ(draw({odSelected}), false);
    EXPECT_EQ(canvas.pixelColor(4, 8), QColor(Qt::red));
    row->SetSelectedIndex(1);
    draw({odSelected});
    EXPECT_EQ(canvas.pixelColor(4, 8), QColor(Qt::blue));
    box->SelectItemBold(row, true);
    EXPECT_TRUE(draw({}));

    // Rows outside the list draw nothing.
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    box->CustomListDrawItem(box->ItemControl(), 1, QRect(0, 0, 100, 16), {}, p);
    p.end();
    EXPECT_EQ(canvas.pixelColor(50, 8), QColor(Qt::white));

    // Tree boxes take the pane's images when they are made, not later.
    TSchemaItem* tree = pane->AddItem(QStringLiteral("tree"), scTreeView);
    EXPECT_EQ(tree->TreeControl()->Images(), &images);
    TImageList later;
    pane->SetImages(&later);
    EXPECT_EQ(tree->TreeControl()->Images(), &images);
}

TEST_F(DiagramTest, ShapeBoxesAreDraggedFromAnywhereAndListBoxesByTheirCaption)
{
    TSchemaItem* note = pane->AddItem(QStringLiteral("Note"), scText);
    note->SetBounds(100, 100, 80, 40);
    const QPoint middle(40, 20);
    QTest::mousePress(note, Qt::LeftButton, {}, middle);
    QTest::mouseMove(note, middle + QPoint(25, 15));
    QTest::mouseRelease(note, Qt::LeftButton, {}, middle + QPoint(25, 15));
    EXPECT_EQ(note->pos(), QPoint(125, 115));

    // A list box's client area belongs to its list, which does not move the box.
    TSchemaItem* list = pane->AddItem(QStringLiteral("t"), scListBox);
    list->move(300, 100);
    EXPECT_EQ(list->HitTest(list->ClientRect().center()), THitArea::Client);
    const QPoint caption(20, list->FrameMetrics().Frame + 3);
    QTest::mousePress(list, Qt::LeftButton, {}, caption);
    QTest::mouseMove(list, caption + QPoint(-50, 10));
    QTest::mouseRelease(list, Qt::LeftButton, {}, caption + QPoint(-50, 10));
    EXPECT_EQ(list->pos(), QPoint(250, 110));
}

TEST_F(DiagramTest, ColourReachesTheInnerControlExceptForIcons)
{
    TSchemaItem* list = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    list->SetColor(clInfoBk);
    EXPECT_EQ(list->Color(), clInfoBk);
    EXPECT_EQ(list->ItemControl()->palette().color(QPalette::Base), ColorToQColor(clInfoBk));

    TSchemaItem* icon = pane->AddItem(QStringLiteral("i"), scIcon);
    const QColor before = icon->ItemControl()->palette().color(QPalette::Window);
    icon->SetColor(clRed);
    EXPECT_EQ(icon->Color(), clRed);
    EXPECT_EQ(icon->ItemControl()->palette().color(QPalette::Window), before);
    // The icon box keeps its own font, also through activation.
    EXPECT_TRUE(icon->Font().Style.Contains(fsBold));
    TFont f = icon->Font();
    f.Size = 14;
    icon->SetFont(f);
    EXPECT_EQ(icon->Font().Size, 14);
}
