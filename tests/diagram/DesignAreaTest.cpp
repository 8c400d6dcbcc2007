#include "DiagramFixture.h"

#include <schemakit/engines/ZBDEngine.h>

#include <memory>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

using namespace schemakit;
using schemakit::test::DiagramTest;

TEST_F(DiagramTest, NewPaneIsEmptyWhiteAndOffersEveryAction)
{
    EXPECT_EQ(pane->Color(), clWhite);
    EXPECT_EQ(pane->Actions().ToInt(), 7u);
    EXPECT_FALSE(pane->ReadOnly());
    EXPECT_FALSE(pane->ShowItemToolbar());
    EXPECT_EQ(pane->DataEngine(), nullptr);
    EXPECT_EQ(pane->GetItemCount(), 0);
    EXPECT_EQ(pane->GetRelationCount(), 0);
    EXPECT_EQ(pane->GetItem(0), nullptr);
    EXPECT_EQ(pane->GetItem(-1), nullptr);
    EXPECT_EQ(pane->FindItem(QStringLiteral("x")), nullptr);
}

TEST_F(DiagramTest, DataEngineReadsNullOnceTheEngineIsDestroyed)
{
    auto engine = std::make_unique<TSchemaCustomDataEngine>();
    pane->SetDataEngine(engine.get());
    EXPECT_EQ(pane->DataEngine(), engine.get());
    EXPECT_EQ(pane->property("DataEngine").value<TSchemaDataEngine*>(), engine.get());
    engine.reset();
    EXPECT_EQ(pane->DataEngine(), nullptr);
}

TEST_F(DiagramTest, AddItemPlacesAnActivatedBoxAndRaisesOnAddItem)
{
    QList<QPair<QObject*, TSchemaItem*>> added;
    pane->OnAddItem = [&](QObject* sender, TSchemaItem* item) {
        // The box is complete and on the pane when the handler sees it.
        EXPECT_EQ(item->Parent(), pane.get());
        EXPECT_TRUE(item->isVisible());
        added.append({sender, item});
    };
    int payload = 7;
    TSchemaItem* a = pane->AddItem(QStringLiteral("customers"), scCheckListBox);
    TSchemaItem* b = pane->AddItemObject(QStringLiteral("orders"), scListBox, &payload);
    ASSERT_TRUE(a && b);
    ASSERT_EQ(added.size(), 2);
    EXPECT_EQ(added[0].first, pane.get());
    EXPECT_EQ(added[1].second, b);
    EXPECT_EQ(b->Data(), &payload);
    EXPECT_EQ(a->Caption(), QStringLiteral("customers"));
    EXPECT_EQ(a->pos(), QPoint(0, 0));
    EXPECT_TRUE(a->Font().Style.Contains(fsBold));
    EXPECT_EQ(a->Font().Size, 8);
    EXPECT_FALSE(a->Icon().isNull());
    EXPECT_EQ(a->Designer(), pane.get());
    EXPECT_EQ(pane->GetItemCount(), 2);
    EXPECT_EQ(pane->GetItem(1), b);
    EXPECT_EQ(pane->GetItem(2), nullptr);
}

TEST_F(DiagramTest, FailingAddLeavesNoBoxAndReportsTheDeletionOnce)
{
    int deleted = 0;
    pane->OnDeleteItem = [&](QObject*, TSchemaItem*) { ++deleted; };
    pane->OnAddItem = [](QObject*, TSchemaItem*) { throw Exception(QStringLiteral("refused")); };
    EXPECT_EQ(pane->AddItem(QStringLiteral("t"), scListBox), nullptr);
    EXPECT_EQ(pane->AddItemObject(QStringLiteral("t"), scTreeView, nullptr), nullptr);
    EXPECT_EQ(pane->GetItemCount(), 0);
    EXPECT_EQ(pane->ControlCount(), 0);
    EXPECT_EQ(deleted, 2);
    // The caller only sees null; the person is told why, once per failure.
    EXPECT_EQ(dialogs->Messages, QStringList({QStringLiteral("refused"), QStringLiteral("refused")}));

    // The silent abort stays silent, and a handler that frees the pane before
    // it raises leaves a report without a parent rather than a dangling one.
    dialogs->Messages.clear();
    pane->OnAddItem = [](QObject*, TSchemaItem*) { Abort(); };
    EXPECT_EQ(pane->AddItem(QStringLiteral("t"), scListBox), nullptr);
    EXPECT_TRUE(dialogs->Messages.isEmpty());
    pane->OnAddItem = [this](QObject*, TSchemaItem*) {
        pane.reset();
        throw Exception(QStringLiteral("gone"));
    };
    EXPECT_EQ(pane->AddItem(QStringLiteral("t"), scListBox), nullptr);
    EXPECT_EQ(pane, nullptr);
    EXPECT_EQ(dialogs->Messages, QStringList{QStringLiteral("gone")});
}

TEST_F(DiagramTest, FindItemFoldsAsciiOnlyAndPrefersTheLaterBox)
{
    TSchemaItem* first = pane->AddItem(QStringLiteral("orders"), scListBox);
    TSchemaItem* second = pane->AddItem(QStringLiteral("Orders"), scListBox);
    pane->AddItem(QStringLiteral("\u00e4rger"), scListBox);
    EXPECT_EQ(pane->FindItem(QStringLiteral("ORDERS")), second);
    EXPECT_EQ(pane->FindItem(QStringLiteral("\u00c4RGER")), nullptr);
    second->RemoveItem();
    EXPECT_EQ(pane->FindItem(QStringLiteral("ORDERS")), first);
}

TEST_F(DiagramTest, ItemIndexCountsLinksBeforeTheBoxes)
{
    TSchemaItem* a = pane->AddItem(QStringLiteral("a"), scListBox);
    TSchemaItem* b = pane->AddItem(QStringLiteral("b"), scListBox);
    TSchemaSubItem* ra = a->AddSubItem(QStringLiteral("id"), -1, false);
    TSchemaSubItem* rb = b->AddSubItem(QStringLiteral("a_id"), -1, false);
    TSchemaRelation* l1 = Link(a, ra, b, rb);
    TSchemaRelation* l2 = Link(b, rb, b, rb);
    EXPECT_EQ(pane->GetItemIndex(a), 2);
    EXPECT_EQ(pane->GetItem(0), a);
    EXPECT_EQ(pane->GetRelation(0), l1);
    EXPECT_EQ(pane->GetRelation(1), l2);
    EXPECT_EQ(pane->GetRelationCount(), 2);

    TSchemaDesignArea other;
    TSchemaItem* foreign = other.AddItem(QStringLiteral("f"), scListBox);
    EXPECT_EQ(pane->GetItemIndex(foreign), -1);
    EXPECT_EQ(pane->GetItemIndex(nullptr), -1);

    // Rank: rows plus ten per link end, a parent end counting two.
    EXPECT_EQ(a->Rank(), 1 + 10 * 2);
    EXPECT_EQ(b->Rank(), 1 + 10 * (1 + 2));
}

TEST_F(DiagramTest, ClearAllFreesBoxesAndLinksButNotOtherChildren)
{
    TSchemaItem* a = pane->AddItem(QStringLiteral("a"), scCheckListBox);
    TSchemaItem* b = pane->AddItem(QStringLiteral("b"), scTreeView);
    Link(a, a->AddSubItem(QStringLiteral("x"), -1, false), b, b->AddSubItem(QStringLiteral("y"), -1, false));
    auto* toolbar = new QWidget(pane->viewport());
    pane->InsertControl(toolbar);

    QList<TSchemaItem*> deleted;
    int relationEvents = 0;
    pane->OnDeleteItem = [&](QObject* sender, TSchemaItem* item) {
        EXPECT_EQ(sender, pane.get());
        deleted.append(item);
    };
    pane->OnDeleteRelation = [&](QObject*, TSchemaRelation*) { ++relationEvents; };
    pane->ClearAll();
    EXPECT_EQ(deleted, (QList<TSchemaItem*>{b, a})); // from the last child to the first
    EXPECT_EQ(relationEvents, 0);
    EXPECT_EQ(pane->GetItemCount(), 0);
    EXPECT_EQ(pane->GetRelationCount(), 0);
    ASSERT_EQ(pane->ControlCount(), 1);
    EXPECT_EQ(pane->Controls(0), toolbar);
}

TEST_F(DiagramTest, EveryWayOfFreeingABoxReportsItOnce)
{
    QList<TSchemaItem*> deleted;
    pane->OnDeleteItem = [&](QObject*, TSchemaItem* item) { deleted.append(item); };

    TSchemaItem* viaRemove = pane->AddItem(QStringLiteral("r"), scListBox);
    viaRemove->RemoveItem();
    EXPECT_EQ(deleted.size(), 1);

    TSchemaItem* viaClose = pane->AddItem(QStringLiteral("c"), scCheckListBox);
    QPointer<TSchemaItem> watch(viaClose);
    viaClose->close();
    QApplication::sendPostedEvents();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(deleted.size(), 2);

    // A deletion handler that fails is reported and does not stop the freeing.
    pane->OnDeleteItem = [&](QObject*, TSchemaItem* item) {
        deleted.append(item);
        throw Exception(QStringLiteral("handler failed"));
    };
    pane->AddItem(QStringLiteral("p1"), scTreeView);
    TSchemaItem* unplaced = new TSchemaItem(pane.get(), scListBox);
    pane.reset();
    EXPECT_EQ(deleted.size(), 4);
    EXPECT_EQ(deleted.back(), unplaced);
    EXPECT_EQ(dialogs->Messages.size(), 2);
}

TEST_F(DiagramTest, DrawingLockIsAFlagNotACounter)
{
    pane->BeginUpdate();
    EXPECT_TRUE(pane->IsLocked());
    pane->BeginUpdate();
    pane->EndUpdate();
    EXPECT_FALSE(pane->IsLocked());
    EXPECT_TRUE(pane->viewport()->updatesEnabled());
    pane->EndUpdate();

    // The lock goes to one window at a time; a refused request is silent.
    TSchemaDesignArea other;
    other.BeginUpdate();
    pane->BeginUpdate();
    EXPECT_FALSE(pane->IsLocked());
    other.EndUpdate();
    EXPECT_TRUE(dialogs->Messages.isEmpty());
}

TEST_F(DiagramTest, ScrollingMovesBoxesAndReroutesAllLinks)
{
    TSchemaItem* far = pane->AddItem(QStringLiteral("far"), scListBox);
    far->move(1500, 1200);
    QApplication::sendPostedEvents(pane.get(), QEvent::LayoutRequest);
    EXPECT_GT(pane->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(pane->verticalScrollBar()->maximum(), 0);
    const int before = pane->allRoutes;
    pane->verticalScrollBar()->setValue(100);
    EXPECT_EQ(far->Top(), 1100);
    pane->horizontalScrollBar()->setValue(50);
    EXPECT_EQ(far->Left(), 1450);
    EXPECT_EQ(pane->allRoutes, before + 2);
}

TEST_F(DiagramTest, FontAndColourCommandsActOnTheOwnerOfTheMenuEntry)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("t"), scCheckListBox);
    auto* entry = new QAction(box);
    TFont chosen = box->Font();
    chosen.Size = 12;
    chosen.Style = TFontStyles{fsItalic};
    dialogs->FontAnswers = {chosen, std::nullopt};
    pane->ChangeItemFont(entry);
    EXPECT_EQ(dialogs->LastFontShown->Size, 8);
    EXPECT_EQ(box->Font().Size, 12);
    EXPECT_TRUE(box->Font().Style.Contains(fsItalic));
    pane->ChangeItemFont(entry); // cancelled
    EXPECT_EQ(box->Font().Size, 12);

    dialogs->ColorAnswers = {clInfoBk};
    pane->ChangeBackground(entry);
    EXPECT_EQ(box->Color(), clInfoBk);

    TSchemaRelation* link = Link(box, nullptr, box, nullptr);
    auto* linkEntry = new QAction(link);
    dialogs->ColorAnswers = {clRed};
    pane->ChangeBackground(linkEntry);
    EXPECT_EQ(link->Color(), clRed);

    // An entry owned by something else does nothing and asks nothing.
    const qsizetype asked = dialogs->Requests.size();
    QObject stranger;
    auto* strayEntry = new QAction(&stranger);
    pane->ChangeItemFont(strayEntry);
    pane->ChangeBackground(strayEntry);
    pane->ChangeBackground(nullptr);
    EXPECT_EQ(dialogs->Requests.size(), asked);
}

TEST_F(DiagramTest, PaneKeyEventsAndMenuGoToTheApplication)
{
    QList<int> downs;
    QString typed;
    pane->OnKeyDown = [&](QObject* sender, int& key, Qt::KeyboardModifiers) {
        EXPECT_EQ(sender, pane.get());
        downs.append(key);
        if (key == Qt::Key_Delete)
            key = 0; // swallowed: no key press follows
    };
    pane->OnKeyPress = [&](QObject*, QChar& key) { typed += key; };
    QTest::keyClick(pane.get(), Qt::Key_A);
    QTest::keyClick(pane.get(), Qt::Key_Delete);
    EXPECT_EQ(downs, (QList<int>{Qt::Key_A, Qt::Key_Delete}));
    EXPECT_EQ(typed, QStringLiteral("a"));

    QMenu menu;
    menu.addAction(QStringLiteral("Arrange"));
    pane->SetPopupMenu(&menu);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), pane->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(pane->viewport(), &click);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST_F(DiagramTest, DrawCanvasPaintsTheDiagramAsShown)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("customers"), scCheckListBox);
    box->AddSubItem(QStringLiteral("customer_id"), -1, true);
    box->RecalculateHeight();
    box->move(30, 40);
    QImage image(pane->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    pane->DrawCanvas(painter);
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)); // the pane's own colour
    const QPoint inCaption = box->pos() + box->FrameMetrics().CaptionRect(box->size()).center();
    EXPECT_NE(image.pixelColor(inCaption), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(inCaption), QColor(Qt::black));
}
