// The signals of the pane and its boxes: each comes once, right after the event
// of the same meaning, assigned or not; and a receiver that frees what it hears
// from does not bring the library down (run these under the sanitizers).

#include "DiagramFixture.h"

#include <QAction>
#include <QBuffer>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalSpy>

#include <functional>

namespace schemakit::test {
namespace {

QAction* DeleteEntry(TSchemaRelation* link)
{
    return link->findChild<QAction*>(QStringLiteral("mnuDeleteRelation"));
}

// Two boxes of two rows each and two links between them:
// a.id -> b.a_id and a.name -> b.id.
struct Diagram {
    TSchemaItem* A = nullptr;
    TSchemaItem* B = nullptr;
    TSchemaRelation* First = nullptr;
    TSchemaRelation* Second = nullptr;

    explicit Diagram(TSchemaDesignArea& pane)
    {
        A = pane.AddItem(QStringLiteral("a"), scCheckListBox);
        A->AddSubItem(QStringLiteral("id"), -1, false);
        A->AddSubItem(QStringLiteral("name"), -1, false);
        B = pane.AddItem(QStringLiteral("b"), scCheckListBox);
        B->AddSubItem(QStringLiteral("id"), -1, false);
        B->AddSubItem(QStringLiteral("a_id"), -1, false);
        First = pane.AddRelation(A, B, A->GetSubItem(0), B->GetSubItem(1));
        Second = pane.AddRelation(A, B, A->GetSubItem(1), B->GetSubItem(0));
    }
};

TEST(DiagramSignals, EachComesOnceRightAfterItsEvent)
{
    InstallScriptedDialogs();
    for (const bool assigned : {false, true}) {
        SCOPED_TRACE(assigned ? "with handlers" : "without handlers");
        QStringList order; // outlives the pane, whose end still reports
        TSchemaDesignArea pane;
        const auto note = [&order](const char* what) { return [&order, what] { order << QLatin1String(what); }; };
        if (assigned) {
            pane.OnAddItem = [&](QObject* sender, TSchemaItem*) {
                EXPECT_EQ(sender, &pane);
                order << "OnAddItem";
            };
            pane.OnAddSubItem = [&](QObject*, TSchemaSubItem*) { order << "OnAddSubItem"; };
            pane.OnAddRelation = [&](QObject*, TSchemaRelation*) { order << "OnAddRelation"; };
            pane.OnDeleteRelation = [&](QObject*, TSchemaRelation*) { order << "OnDeleteRelation"; };
            pane.OnDeleteItem = [&](QObject*, TSchemaItem*) { order << "OnDeleteItem"; };
        }
        QObject::connect(&pane, &TSchemaDesignArea::itemAdded, note("itemAdded"));
        QObject::connect(&pane, &TSchemaDesignArea::subItemAdded, note("subItemAdded"));
        QObject::connect(&pane, &TSchemaDesignArea::relationAdded, note("relationAdded"));
        QObject::connect(&pane, &TSchemaDesignArea::relationDeleted, note("relationDeleted"));
        QObject::connect(&pane, &TSchemaDesignArea::itemDeleted, note("itemDeleted"));
        QSignalSpy itemAdded(&pane, &TSchemaDesignArea::itemAdded);
        QSignalSpy subItemAdded(&pane, &TSchemaDesignArea::subItemAdded);
        QSignalSpy relationAdded(&pane, &TSchemaDesignArea::relationAdded);
        QSignalSpy relationDeleted(&pane, &TSchemaDesignArea::relationDeleted);
        QSignalSpy itemDeleted(&pane, &TSchemaDesignArea::itemDeleted);

        TSchemaItem* a = pane.AddItem(QStringLiteral("a"), scCheckListBox);
        QList<QObject*> checkSenders;
        if (assigned) {
            a->OnSubItemCheck = [&](QObject* sender) {
                checkSenders << sender;
                order << "OnSubItemCheck";
            };
        }
        QObject::connect(a, &TSchemaItem::subItemChecked, note("subItemChecked"));
        QSignalSpy checked(a, &TSchemaItem::subItemChecked);
        TSchemaSubItem* aRow = a->AddSubItem(QStringLiteral("id"), -1, true); // checked as it comes
        TSchemaItem* b = pane.AddItem(QStringLiteral("b"), scListBox);
        TSchemaSubItem* bRow = b->AddSubItem(QStringLiteral("a_id"), -1, false);
        TSchemaRelation* link = pane.AddRelation(a, b, aRow, bRow);
        aRow->SetChecked(false);
        pane.DeleteRelation(DeleteEntry(link));
        delete b;

        QStringList expected{"itemAdded",     "subItemChecked", "subItemAdded",    "itemAdded",  "subItemAdded",
                             "relationAdded", "subItemChecked", "relationDeleted", "itemDeleted"};
        if (assigned) {
            const QStringList events{"OnAddItem",      "OnSubItemCheck",   "OnAddSubItem",
                                     "OnAddItem",      "OnAddSubItem",     "OnAddRelation",
                                     "OnSubItemCheck", "OnDeleteRelation", "OnDeleteItem"};
            QStringList both;
            for (qsizetype i = 0; i < expected.size(); ++i)
                both << events[i] << expected[i];
            expected = both;
        }
        EXPECT_EQ(order, expected);

        ASSERT_EQ(itemAdded.count(), 2);
        EXPECT_EQ(itemAdded.at(0).at(0).value<TSchemaItem*>(), a);
        EXPECT_EQ(itemAdded.at(1).at(0).value<TSchemaItem*>(), b);
        ASSERT_EQ(subItemAdded.count(), 2);
        EXPECT_EQ(subItemAdded.at(0).at(0).value<TSchemaSubItem*>(), aRow);
        EXPECT_EQ(subItemAdded.at(1).at(0).value<TSchemaSubItem*>(), bRow);
        ASSERT_EQ(checked.count(), 2);
        EXPECT_EQ(checked.at(1).at(0).value<TSchemaSubItem*>(), aRow);
        if (assigned) {
            EXPECT_EQ(checkSenders, (QList<QObject*>{aRow, aRow})); // the row is the handler's Sender
        }
        ASSERT_EQ(relationAdded.count(), 1);
        EXPECT_EQ(relationAdded.at(0).at(0).value<TSchemaRelation*>(), link);
        ASSERT_EQ(relationDeleted.count(), 1);
        EXPECT_EQ(relationDeleted.at(0).at(0).value<TSchemaRelation*>(), link);
        ASSERT_EQ(itemDeleted.count(), 1);
        EXPECT_EQ(itemDeleted.at(0).at(0).value<TSchemaItem*>(), b);
    }
}

TEST(DiagramSignals, DragSignalsNameTheControlAndMayAccept)
{
    InstallScriptedDialogs();
    TSchemaDesignArea pane;
    QWidget source;
    TSchemaItem* box = pane.AddItem(QStringLiteral("a"), scListBox);
    QSignalSpy over(&pane, &TSchemaDesignArea::dragOver);
    QSignalSpy dropped(&pane, &TSchemaDesignArea::dragDropped);
    QObject::connect(&pane, &TSchemaDesignArea::dragOver,
                     [](QObject*, QObject*, int, int, Qt::DropAction, bool* accept) { *accept = !*accept; });

    // No handler: the receiver alone accepts.
    bool accept = false;
    pane._DragOver(&pane, &source, 3, 4, Qt::CopyAction, accept);
    EXPECT_TRUE(accept);
    ASSERT_EQ(over.count(), 1);
    EXPECT_EQ(over.at(0).at(0).value<QObject*>(), &pane);
    EXPECT_EQ(over.at(0).at(1).value<QObject*>(), &source);
    EXPECT_EQ(over.at(0).at(2).toInt(), 3);
    EXPECT_EQ(over.at(0).at(3).toInt(), 4);
    EXPECT_EQ(over.at(0).at(4).value<Qt::DropAction>(), Qt::CopyAction);

    // The receiver sees what the handler decided, and has the last word. A drag
    // over a box from elsewhere comes with the box as the control.
    pane.OnDragOver = [](QObject*, QObject*, int, int, Qt::DropAction, bool& accept) { accept = true; };
    accept = false;
    box->_DragOver(box, &source, 5, 6, Qt::MoveAction, accept);
    EXPECT_FALSE(accept);
    ASSERT_EQ(over.count(), 2);
    EXPECT_EQ(over.at(1).at(0).value<QObject*>(), box);

    pane._DragDrop(box, &source, 7, 8);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0),
              (QVariantList{QVariant::fromValue<QObject*>(box), QVariant::fromValue<QObject*>(&source), 7, 8}));
}

// --- receivers that free what they hear from ---------------------------------------

// Frees the object once, however often the receiver is called afterwards (a
// pane's end still reports its boxes).
template <typename T>
std::function<void()> FreeOnce(QPointer<T>& object)
{
    return [&object, done = false]() mutable {
        if (!std::exchange(done, true))
            delete object.data();
    };
}

TEST(DiagramSignals, ReceiverMayFreeTheBoxItHearsOf)
{
    InstallScriptedDialogs();
    TSchemaDesignArea pane;

    // A check mark changed by hand, by "Select All" over several rows, and on a
    // row being added checked.
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        QPointer<TSchemaItem> box = pane.AddItem(QStringLiteral("a"), scCheckListBox);
        for (const char* name : {"id", "name", "total"})
            box->AddSubItem(QLatin1String(name), -1, false);
        QSignalSpy checked(box, &TSchemaItem::subItemChecked);
        QObject::connect(box, &TSchemaItem::subItemChecked, box, FreeOnce(box));
        switch (way) {
        case 0: box->GetSubItem(1)->SetChecked(true); break;
        case 1: box->_SelectAll(); break;
        case 2: EXPECT_EQ(box->AddSubItem(QStringLiteral("more"), -1, true), nullptr); break;
        case 3: {
            // The space bar on the check list, as a person ticks a row.
            box->CheckListControl()->SetItemIndex(0);
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(box->CheckListControl(), &space);
            break;
        }
        }
        EXPECT_TRUE(box.isNull());
        EXPECT_EQ(checked.count(), 1);
        EXPECT_EQ(pane.GetItemCount(), 0);
    }

    // A box freed as it is added: AddItem hands back none.
    {
        const auto connection =
            QObject::connect(&pane, &TSchemaDesignArea::itemAdded, [&](TSchemaItem* item) { delete item; });
        EXPECT_EQ(pane.AddItem(QStringLiteral("a"), scListBox), nullptr);
        EXPECT_EQ(pane.GetItemCount(), 0);
        QObject::disconnect(connection);
    }

    // A link freed as it is added: AddRelation hands back none.
    Diagram d(pane);
    const auto connection =
        QObject::connect(&pane, &TSchemaDesignArea::relationAdded, [](TSchemaRelation* link) { delete link; });
    EXPECT_EQ(pane.AddRelation(d.B, d.A, d.B->GetSubItem(0), d.A->GetSubItem(0)), nullptr);
    EXPECT_EQ(pane.GetRelationCount(), 2);
    QObject::disconnect(connection);
}

// Each step runs on a fresh pane holding the two-box diagram, with a receiver
// of `signal` that frees the pane; the pane must be gone and nothing touched
// after it.
template <typename Signal>
void FreeingThePaneOn(Signal signal, const std::function<void(TSchemaDesignArea&, Diagram&)>& step)
{
    QPointer<TSchemaDesignArea> pane = new TSchemaDesignArea;
    pane->resize(400, 300);
    pane->show();
    Diagram d(*pane);
    QObject::connect(pane, signal, FreeOnce(pane));
    step(*pane, d);
    EXPECT_TRUE(pane.isNull());
    delete pane.data();
}

TEST(DiagramSignals, ReceiverMayFreeThePane)
{
    InstallScriptedDialogs();
    using Step = std::function<void(TSchemaDesignArea&, Diagram&)>;
    const Step addItem = [](TSchemaDesignArea& pane, Diagram&) {
        EXPECT_EQ(pane.AddItem(QStringLiteral("c"), scTreeView), nullptr);
    };
    const Step addRow = [](TSchemaDesignArea&, Diagram& d) {
        EXPECT_EQ(d.A->AddSubItem(QStringLiteral("more"), -1, false), nullptr);
    };
    const Step addLink = [](TSchemaDesignArea& pane, Diagram& d) {
        EXPECT_EQ(pane.AddRelation(d.B, d.A, d.B->GetSubItem(0), d.A->GetSubItem(0)), nullptr);
    };
    const Step deleteLink = [](TSchemaDesignArea& pane, Diagram& d) { pane.DeleteRelation(DeleteEntry(d.First)); };
    const Step deleteLinksOfBox = [](TSchemaDesignArea& pane, Diagram& d) {
        pane.DeleteRelationsForItem(d.A, nullptr);
    };
    const Step removeBox = [](TSchemaDesignArea&, Diagram& d) { d.B->RemoveItem(); };
    const Step deleteBox = [](TSchemaDesignArea&, Diagram& d) { delete d.A; };
    const Step clearAll = [](TSchemaDesignArea& pane, Diagram&) { pane.ClearAll(); };

    FreeingThePaneOn(&TSchemaDesignArea::itemAdded, addItem);
    FreeingThePaneOn(&TSchemaDesignArea::subItemAdded, addRow);
    FreeingThePaneOn(&TSchemaDesignArea::relationAdded, addLink);
    for (const Step& step : {deleteLink, deleteLinksOfBox, removeBox, deleteBox}) {
        SCOPED_TRACE("relationDeleted");
        FreeingThePaneOn(&TSchemaDesignArea::relationDeleted, step);
    }
    // itemDeleted comes from the box's destructor: the pane goes while that box
    // is still finishing.
    for (const Step& step : {removeBox, deleteBox, clearAll}) {
        SCOPED_TRACE("itemDeleted");
        FreeingThePaneOn(&TSchemaDesignArea::itemDeleted, step);
    }
}

TEST(DiagramSignals, ReceiverMayFreeThePaneWhileAFileLoads)
{
    InstallScriptedDialogs();
    QBuffer file;
    {
        TSchemaDesignArea source;
        Diagram d(source);
        file.open(QIODevice::WriteOnly);
        source.SaveToStream(file);
        file.close();
    }
    const auto load = [&file](TSchemaDesignArea& pane, Diagram&) {
        file.open(QIODevice::ReadOnly);
        pane.LoadFromStream(file);
        file.close();
    };
    FreeingThePaneOn(&TSchemaDesignArea::itemDeleted, load); // by ClearAll, before reading
    FreeingThePaneOn(&TSchemaDesignArea::itemAdded, load);
    FreeingThePaneOn(&TSchemaDesignArea::subItemAdded, load);
    FreeingThePaneOn(&TSchemaDesignArea::relationAdded, load); // once the boxes are read
}

} // namespace
} // namespace schemakit::test
