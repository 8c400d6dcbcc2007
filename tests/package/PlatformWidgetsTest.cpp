#include "TestSupport.h"

#include <schemakit/package/Platform.h>
#include <schemakit/package/WindowLock.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

class PlatformWidgets : public testing::Test {
protected:
    void SetUp() override { dialogs = &test::InstallScriptedDialogs(); }
    TScriptedDialogService* dialogs = nullptr;
};

class ProbeWindow : public TBoxWindow {
public:
    using TBoxWindow::TBoxWindow;
    int closeRequests = 0;
    int moves = 0;
    int resizes = 0;

protected:
    void CloseRequested() override { ++closeRequests; }
    void Moved() override { ++moves; }
    void Resized() override
    {
        ++resizes;
        throw Exception(QStringLiteral("resize handler failed"));
    }
};

} // namespace

TEST_F(PlatformWidgets, ErrorBoundaryReportsErrorsAndKeepsAbortSilent)
{
    EXPECT_TRUE(Guarded(nullptr, [] {}));
    EXPECT_FALSE(Guarded(nullptr, [] { throw Exception(QStringLiteral("These items are already linked.")); }));
    EXPECT_FALSE(Guarded(nullptr, [] { Abort(); }));
    EXPECT_FALSE(Guarded(nullptr, [] { throw std::runtime_error("low level"); }));
    EXPECT_EQ(dialogs->Messages, (QStringList{"These items are already linked.", "low level"}));
}

TEST_F(PlatformWidgets, ScriptedDialogsAnswerInOrderAndCancelWhenEmpty)
{
    dialogs->ColorAnswers = {clRed, std::nullopt};
    TColor c = clWhite;
    EXPECT_TRUE(Dialogs().ExecuteColorDialog(c, nullptr));
    EXPECT_EQ(c, clRed);
    EXPECT_FALSE(Dialogs().ExecuteColorDialog(c, nullptr));
    EXPECT_FALSE(Dialogs().ExecuteColorDialog(c, nullptr));
    EXPECT_EQ(c, clRed);
    dialogs->FileAnswers = {QStringLiteral("/tmp/diagram")};
    QString name;
    EXPECT_TRUE(Dialogs().ExecuteSaveDialog(name, QStringLiteral("Schema files (*.sch)|*.sch"), QStringLiteral("sch"),
                                            nullptr));
    EXPECT_EQ(name, QStringLiteral("/tmp/diagram.sch"));
}

TEST_F(PlatformWidgets, WindowLockIsGrantedToOneWindowAtATime)
{
    QWidget a, b;
    EXPECT_TRUE(LockWindowUpdate(&a));
    EXPECT_FALSE(a.updatesEnabled());
    EXPECT_FALSE(LockWindowUpdate(&b));
    EXPECT_TRUE(b.updatesEnabled());
    UnlockWindowUpdate();
    EXPECT_TRUE(a.updatesEnabled());
    EXPECT_EQ(LockedWindow(), nullptr);
    {
        QWidget gone;
        EXPECT_TRUE(LockWindowUpdate(&gone));
    }
    // A destroyed holder does not keep the lock.
    EXPECT_TRUE(LockWindowUpdate(&b));
    UnlockWindowUpdate();
}

TEST_F(PlatformWidgets, ImageListScalesAddsAndDrawsByIndex)
{
    TImageList images(nullptr, 8, 8);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPixmap blue(8, 8);
    blue.fill(Qt::blue);
    EXPECT_EQ(images.Add(red), 0);
    EXPECT_EQ(images.Add(blue), 1);
    EXPECT_EQ(images.Count(), 2);
    EXPECT_EQ(images.Image(0).size(), QSize(8, 8));
    EXPECT_TRUE(images.Image(2).isNull());

    QImage canvas(20, 10, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    images.Draw(p, 0, 0, 1);
    images.Draw(p, 10, 0, 5); // out of range: nothing
    p.end();
    EXPECT_EQ(canvas.pixelColor(4, 4), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(14, 4), QColor(Qt::white));
}

TEST_F(PlatformWidgets, ScrollBoxShowsItsColourOnScreen)
{
    TScrollBox box;
    box.resize(120, 90);
    box.SetColor(0x00FF8000); // blue 0xFF, green 0x80, red 0: stored as $00BBGGRR
    const QImage shot = box.viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(0, 0x80, 0xFF));
}

TEST_F(PlatformWidgets, ScrollBoxListsWindowlessChildrenFirstAndScrollsItsWidgets)
{
    TScrollBox box;
    box.resize(200, 150);
    QObject link1, link2;
    auto* w1 = new QWidget(box.viewport());
    auto* w2 = new QWidget(box.viewport());
    box.InsertControl(w1);
    box.InsertControl(&link1);
    box.InsertControl(w2);
    box.InsertControl(&link2);
    ASSERT_EQ(box.ControlCount(), 4);
    EXPECT_EQ(box.Controls(0), &link1);
    EXPECT_EQ(box.Controls(1), &link2);
    EXPECT_EQ(box.Controls(2), w1);
    EXPECT_EQ(box.Controls(3), w2);
    EXPECT_EQ(box.Controls(4), nullptr);

    w1->setGeometry(10, 10, 50, 50);
    w2->setGeometry(400, 300, 100, 100);
    w1->show();
    w2->show();
    box.show();
    QApplication::sendPostedEvents(&box, QEvent::LayoutRequest);
    const int viewWidth = box.viewport()->width();
    EXPECT_EQ(box.horizontalScrollBar()->maximum(), 500 - viewWidth);

    box.horizontalScrollBar()->setValue(100);
    EXPECT_EQ(w1->x(), -90);
    EXPECT_EQ(w2->x(), 300);
    EXPECT_EQ(box.ContentRect().left(), 10);

    box.RemoveControl(&link1);
    box.RemoveControl(w2);
    EXPECT_EQ(box.ControlCount(), 2);
    EXPECT_EQ(box.Controls(0), &link2);
    EXPECT_EQ(box.Controls(1), w1);
}

TEST_F(PlatformWidgets, BoxWindowMovesByCaptionSizesByFrameAndClosesByGlyph)
{
    QWidget host;
    host.resize(400, 300);
    ProbeWindow win(&host);
    win.setGeometry(20, 20, 150, 100);
    host.show();
    const TFrameMetrics& m = win.FrameMetrics();

    const QPoint caption(40, m.Frame + 4);
    QTest::mousePress(&win, Qt::LeftButton, {}, caption);
    QTest::mouseMove(&win, caption + QPoint(30, 10));
    QTest::mouseRelease(&win, Qt::LeftButton, {}, caption + QPoint(30, 10));
    EXPECT_EQ(win.pos(), QPoint(50, 30));
    EXPECT_GT(win.moves, 0);

    const QPoint corner(win.width() - 1, win.height() - 1);
    QTest::mousePress(&win, Qt::LeftButton, {}, corner);
    QTest::mouseMove(&win, corner + QPoint(20, 15));
    QTest::mouseRelease(&win, Qt::LeftButton, {}, corner + QPoint(20, 15));
    EXPECT_EQ(win.size(), QSize(170, 115));
    // An error inside a handler is reported, never thrown into the event loop.
    EXPECT_GT(win.resizes, 0);
    EXPECT_EQ(dialogs->Messages.value(0), QStringLiteral("resize handler failed"));

    const QPoint close = m.CloseButtonRect(win.size()).center();
    QTest::mouseClick(&win, Qt::LeftButton, {}, close);
    EXPECT_EQ(win.closeRequests, 1);
    EXPECT_TRUE(win.isVisible());

    // Pressing the glyph and releasing elsewhere does not close.
    QTest::mousePress(&win, Qt::LeftButton, {}, close);
    QTest::mouseRelease(&win, Qt::LeftButton, {}, QPoint(40, 60));
    EXPECT_EQ(win.closeRequests, 1);

    win.SetShowCaption(false);
    win.SetBorder(false);
    EXPECT_EQ(win.ClientRect(), QRect(QPoint(0, 0), win.size()));
    win.SetClientHeight(50);
    EXPECT_EQ(win.Height(), 50);
}

TEST_F(PlatformWidgets, CheckListTogglesOnlyFromTheCheckColumn)
{
    TCheckListBox list;
    list.resize(150, 100);
    list.AddObject(QStringLiteral("a"), nullptr);
    list.AddObject(QStringLiteral("b"), nullptr);
    list.show();
    int clicks = 0;
    list.OnClickCheck = [&](QObject*) { ++clicks; };
    const QRect row1 = list.ItemRect(1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(3, row1.center().y()));
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(list.ItemIndex(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(80, row1.center().y()));
    EXPECT_TRUE(list.Checked(1));
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(list.Checked(1));
    EXPECT_EQ(clicks, 2);
}

TEST_F(PlatformWidgets, ListAddsManyEntriesInOrderWithTheirObjects)
{
    int a = 0, b = 0, c = 0, d = 0;
    auto entries = [](const TCustomListBox& list) {
        QStringList shown;
        for (int i = 0; i < list.Count(); ++i)
            shown << list.Strings(i);
        return shown;
    };
    TCustomListBox list;
    list.SetSorted(true);
    // Unsorted input on an empty list, equal names in the order they came.
    list.AddObjects({QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("a")}, {&b, &a, &c});
    EXPECT_EQ(entries(list), (QStringList{QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(list.Objects(0), &a);
    EXPECT_EQ(list.Objects(1), &c);
    EXPECT_EQ(list.Objects(2), &b);
    // Entries that belong between those already there still find their place.
    list.AddObjects({QStringLiteral("c"), QStringLiteral("ab")}, {&d, nullptr});
    EXPECT_EQ(entries(list),
              (QStringList{QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("b"),
                           QStringLiteral("c")}));
    EXPECT_EQ(list.Objects(4), &d);

    TCustomListBox unsorted;
    unsorted.AddObjects({QStringLiteral("z"), QStringLiteral("y")}, {&a, &b});
    EXPECT_EQ(entries(unsorted), (QStringList{QStringLiteral("z"), QStringLiteral("y")}));
    EXPECT_EQ(unsorted.Objects(1), &b);
}

TEST_F(PlatformWidgets, TreeAddressesNodesDepthFirst)
{
    TTreeView tree;
    QTreeWidgetItem* a = tree.AddChildObject(nullptr, QStringLiteral("a"), nullptr);
    QTreeWidgetItem* a1 = tree.AddChildObject(a, QStringLiteral("a1"), nullptr);
    QTreeWidgetItem* b = tree.AddChildObject(nullptr, QStringLiteral("b"), nullptr);
    tree.AddChildObject(a1, QStringLiteral("a1x"), nullptr);
    EXPECT_EQ(tree.Count(), 4);
    EXPECT_EQ(tree.AbsoluteIndex(b), 3);
    EXPECT_EQ(tree.Node(2)->text(0), QStringLiteral("a1x"));
    EXPECT_EQ(tree.Node(4), nullptr);
    tree.Delete(a1);
    EXPECT_EQ(tree.Count(), 2);
    EXPECT_EQ(tree.AbsoluteIndex(b), 1);
}
