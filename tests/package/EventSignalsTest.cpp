// Events and their signals: the contract of Raise, and the signals of the
// platform's scroll box and grid.

#include "TestSupport.h"

#include <schemakit/package/DrawGrid.h>
#include <schemakit/package/Raise.h>
#include <schemakit/package/ScrollBox.h>

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace schemakit::test {
namespace {

// An object with one event in the library's shape: Sender first, a value, and
// an answer the handler gives by reference.
class TAsker : public QObject {
    Q_OBJECT
public:
    std::function<void(QObject* Sender, int Value, bool& Answer)> OnAsk;

    bool Ask(int value, bool& answer) { return Raise(this, OnAsk, &TAsker::asked, this, value, answer); }

signals:
    void asked(int value, bool* answer);
};

TEST(Raise, HandlerFirstThenSignalWithTheSameArgumentsButSender)
{
    for (const bool assigned : {false, true}) {
        SCOPED_TRACE(assigned ? "with a handler" : "without a handler");
        TAsker asker;
        QStringList order;
        if (assigned) {
            asker.OnAsk = [&](QObject* sender, int value, bool&) {
                EXPECT_EQ(sender, &asker);
                order << QStringLiteral("event %1").arg(value);
            };
        }
        QObject::connect(&asker, &TAsker::asked,
                         [&](int value, bool*) { order << QStringLiteral("signal %1").arg(value); });
        QSignalSpy spy(&asker, &TAsker::asked);
        bool answer = false;

        EXPECT_TRUE(asker.Ask(7, answer));

        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), 7);
        EXPECT_EQ(spy.at(0).at(1).value<bool*>(), &answer); // the caller's own variable
        const QStringList expected = assigned ? QStringList{"event 7", "signal 7"} : QStringList{"signal 7"};
        EXPECT_EQ(order, expected);
    }
}

TEST(Raise, ReferenceArgumentsTravelBothWays)
{
    TAsker asker;
    asker.OnAsk = [](QObject*, int, bool& answer) { answer = true; };
    bool seenByReceiver = false;
    QObject::connect(&asker, &TAsker::asked, [&](int, bool* answer) {
        seenByReceiver = *answer; // what the handler left
        *answer = false;          // and the receiver has the last word
    });
    bool answer = false;
    asker.Ask(1, answer);
    EXPECT_TRUE(seenByReceiver);
    EXPECT_FALSE(answer);
}

TEST(Raise, TellsWhetherTheEmitterOutlivedItsHandlerAndReceivers)
{
    bool answer = false;
    {
        // A handler that frees the emitter leaves no signal to emit.
        auto* asker = new TAsker;
        QSignalSpy spy(asker, &TAsker::asked);
        asker->OnAsk = [asker](QObject*, int, bool&) { delete asker; };
        EXPECT_FALSE(asker->Ask(1, answer));
        EXPECT_EQ(spy.count(), 0);
    }
    {
        auto* asker = new TAsker;
        QObject::connect(asker, &TAsker::asked, asker, [asker] { delete asker; });
        EXPECT_FALSE(asker->Ask(1, answer));
    }
}

TEST(Raise, HandlerExceptionLeavesBeforeTheSignal)
{
    TAsker asker;
    QSignalSpy spy(&asker, &TAsker::asked);
    asker.OnAsk = [](QObject*, int, bool&) { throw std::runtime_error("no"); };
    bool answer = false;
    EXPECT_THROW(asker.Ask(1, answer), std::runtime_error);
    EXPECT_EQ(spy.count(), 0);
}

// --- the scroll box's keys -------------------------------------------------------

void SendKey(QWidget* target, QEvent::Type type, int key, const QString& text)
{
    QKeyEvent event(type, key, Qt::ShiftModifier, text);
    QCoreApplication::sendEvent(target, &event);
}

TEST(ScrollBoxSignals, KeysComeAfterTheirHandlersAndMaySwallowTheKey)
{
    InstallScriptedDialogs();
    TScrollBox box;
    QStringList order;
    box.OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) {
        order << QStringLiteral("OnKeyDown %1").arg(key);
    };
    box.OnKeyPress = [&](QObject*, QChar& key) { order << QStringLiteral("OnKeyPress ") + key; };
    box.OnKeyUp = [&](QObject*, int&, Qt::KeyboardModifiers) { order << QStringLiteral("OnKeyUp"); };
    QObject::connect(&box, &TScrollBox::keyDown, [&](int* key, Qt::KeyboardModifiers shift) {
        EXPECT_EQ(shift, Qt::ShiftModifier);
        order << QStringLiteral("keyDown %1").arg(*key);
    });
    QObject::connect(&box, &TScrollBox::keyPressed, [&](QChar* key) { order << QStringLiteral("keyPressed ") + *key; });
    QObject::connect(&box, &TScrollBox::keyUp, [&] { order << QStringLiteral("keyUp"); });

    SendKey(&box, QEvent::KeyPress, Qt::Key_A, QStringLiteral("A"));
    SendKey(&box, QEvent::KeyRelease, Qt::Key_A, QStringLiteral("A"));
    EXPECT_EQ(order, (QStringList{"OnKeyDown 65", "keyDown 65", "OnKeyPress A", "keyPressed A", "OnKeyUp", "keyUp"}));

    // Without handlers the signals still come, and a receiver that clears the
    // key swallows it as a handler would: no key press follows.
    TScrollBox plain;
    QSignalSpy pressed(&plain, &TScrollBox::keyPressed);
    QObject::connect(&plain, &TScrollBox::keyDown, [](int* key, Qt::KeyboardModifiers) { *key = 0; });
    SendKey(&plain, QEvent::KeyPress, Qt::Key_B, QStringLiteral("B"));
    EXPECT_EQ(pressed.count(), 0);
}

TEST(ScrollBoxSignals, ReceiverMayFreeTheScrollBox)
{
    InstallScriptedDialogs();
    for (auto signal : {&TScrollBox::keyDown, &TScrollBox::keyUp}) {
        QPointer<TScrollBox> box = new TScrollBox;
        QObject::connect(box, signal, box, [&box] { delete box.data(); });
        SendKey(box, QEvent::KeyPress, Qt::Key_C, QStringLiteral("C"));
        if (box)
            SendKey(box, QEvent::KeyRelease, Qt::Key_C, QStringLiteral("C"));
        EXPECT_TRUE(box.isNull());
    }
    QPointer<TScrollBox> box = new TScrollBox;
    QObject::connect(box, &TScrollBox::keyPressed, box, [&box] { delete box.data(); });
    SendKey(box, QEvent::KeyPress, Qt::Key_D, QStringLiteral("D"));
    EXPECT_TRUE(box.isNull());
}

// --- the grid --------------------------------------------------------------------

class GridSignals : public testing::Test {
protected:
    void SetUp() override
    {
        InstallScriptedDialogs();
        grid = new TDrawGrid;
        guard = grid;
        grid->SetColCount(6);
        grid->SetRowCount(4);
        grid->resize(400, 300);
        grid->show();
    }
    void TearDown() override { delete guard.data(); }

    TDrawGrid* grid = nullptr;
    QPointer<TDrawGrid> guard;
};

TEST_F(GridSignals, EachFiresOnceAfterItsHandlerWithItsArguments)
{
    QStringList order;
    grid->OnSelectCell = [&](QObject*, int, int, bool&) { order << "OnSelectCell"; };
    grid->OnColumnMoved = [&](QObject*, int, int) { order << "OnColumnMoved"; };
    grid->OnEditCell = [&](QObject*, int, int) { order << "OnEditCell"; };
    QObject::connect(grid, &TDrawGrid::selectingCell, [&] { order << "selectingCell"; });
    QObject::connect(grid, &TDrawGrid::columnMoved, [&] { order << "columnMoved"; });
    QObject::connect(grid, &TDrawGrid::editCellRequested, [&] { order << "editCellRequested"; });
    QSignalSpy selecting(grid, &TDrawGrid::selectingCell);
    QSignalSpy moved(grid, &TDrawGrid::columnMoved);
    QSignalSpy edit(grid, &TDrawGrid::editCellRequested);

    ASSERT_TRUE(grid->SetCurrent(2, 3));
    grid->UserMoveColumn(2, 4);
    SendKey(grid, QEvent::KeyPress, Qt::Key_F2, QString());

    EXPECT_EQ(order, (QStringList{"OnSelectCell", "selectingCell", "OnColumnMoved", "columnMoved", "OnEditCell",
                                  "editCellRequested"}));
    ASSERT_EQ(selecting.count(), 1);
    EXPECT_EQ(selecting.at(0).at(0).toInt(), 2);
    EXPECT_EQ(selecting.at(0).at(1).toInt(), 3);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0), (QVariantList{2, 4}));
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(edit.at(0), (QVariantList{grid->Col(), grid->Row()}));
}

TEST_F(GridSignals, ReceiverMayRefuseACellAndPaintOverOne)
{
    QObject::connect(grid, &TDrawGrid::selectingCell, [](int col, int, bool* canSelect) { *canSelect = col != 3; });
    EXPECT_TRUE(grid->SetCurrent(2, 2));
    EXPECT_FALSE(grid->SetCurrent(3, 2));
    EXPECT_EQ(grid->Col(), 2);

    // No OnDrawCell: the grid's own background, then the receiver's paint.
    QList<QPoint> drawn;
    QObject::connect(grid, &TDrawGrid::drawCell,
                     [&](int col, int row, const QRect& rect, TGridDrawState state, QPainter* canvas) {
                         drawn.append({col, row});
                         if (col == 2 && row == 2) {
                             EXPECT_TRUE(state.Contains(gdSelected));
                             canvas->fillRect(rect, Qt::red);
                         }
                     });
    QImage image(grid->viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        grid->PaintCells(painter, image.rect());
    }
    EXPECT_TRUE(drawn.contains(QPoint(0, 0)));
    EXPECT_TRUE(drawn.contains(QPoint(2, 2)));
    EXPECT_EQ(image.pixelColor(grid->CellRect(2, 2).center()), QColor(Qt::red));
}

TEST_F(GridSignals, ReceiverMayFreeTheGrid)
{
    QObject::connect(grid, &TDrawGrid::selectingCell, grid, [this] { delete grid; });
    EXPECT_FALSE(grid->SetCurrent(2, 2));
    EXPECT_TRUE(guard.isNull());

    grid = new TDrawGrid;
    guard = grid;
    grid->SetColCount(6);
    QObject::connect(grid, &TDrawGrid::columnMoved, grid, [this] { delete grid; });
    grid->UserMoveColumn(1, 3);
    EXPECT_TRUE(guard.isNull());

    grid = new TDrawGrid;
    guard = grid;
    grid->SetColCount(40);
    grid->resize(100, 100);
    grid->show();
    QObject::connect(grid, &TDrawGrid::topLeftChanged, grid, [this] { delete grid; });
    QSignalSpy layout(grid, &TDrawGrid::layoutChanged);
    grid->SetLeftCol(20);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(layout.count(), 0); // nothing after the grid went
}

} // namespace
} // namespace schemakit::test

#include "EventSignalsTest.moc"
