#include "DiagramFixture.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

QToolButton* Button(TSchemaDesignArea& pane, const QString& caption)
{
    for (QToolButton* button : pane.ItemToolbar()->findChildren<QToolButton*>()) {
        if (button->property("Tag").isValid() && button->text() == caption)
            return button;
    }
    return nullptr;
}

QAction* IconEntry(TSchemaDesignArea& pane, const QString& caption)
{
    for (QAction* entry : pane.IconMenu()->actions()) {
        if (entry->text() == caption)
            return entry;
    }
    return nullptr;
}

} // namespace

TEST_F(DiagramTest, TheItemToolbarComesOnceAndGoesOnce)
{
    EXPECT_EQ(pane->ItemToolbar(), nullptr);
    pane->SetShowItemToolbar(true);
    pane->SetShowItemToolbar(true);
    ASSERT_NE(pane->ItemToolbar(), nullptr);
    EXPECT_EQ(pane->ControlCount(), 1);
    EXPECT_EQ(pane->Controls(0), pane->ItemToolbarBand());
    QStringList captions;
    // The buttons that carry a Tag: the bar has an extension button of its own.
    for (QToolButton* button : pane->ItemToolbar()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->property("Tag").isValid())
            captions << button->text();
    }
    EXPECT_EQ(captions, (QStringList{u"Listbox"_s, u"Check Listbox"_s, u"Treeview"_s, u"Text"_s, u"Icon"_s}));
    EXPECT_EQ(pane->ItemToolbarImages()->Count(), 5);
    ASSERT_EQ(pane->IconMenu()->actions().size(), 31);
    EXPECT_EQ(pane->IconMenu()->actions().first()->text(), u"Default"_s);
    EXPECT_EQ(pane->IconMenu()->actions().last()->text(), u"User"_s);
    EXPECT_EQ(Button(*pane, u"Icon"_s)->popupMode(), QToolButton::MenuButtonPopup);

    // The face of "Icon" adds nothing; the other buttons add boxes that stay
    // when the toolbar goes, and the toolbar stays when the boxes go.
    Button(*pane, u"Icon"_s)->click();
    EXPECT_EQ(pane->GetItemCount(), 0);
    QList<TSchemaItem*> added;
    pane->OnAddItem = [&](QObject*, TSchemaItem* item) { added << item; };
    Button(*pane, u"Check Listbox"_s)->click();
    ASSERT_EQ(added.size(), 1);
    TSchemaItem* box = added.first();
    EXPECT_EQ(box->SchemaControlType(), scCheckListBox);
    EXPECT_TRUE(box->Caption().startsWith(u"New item"_s));
    EXPECT_LT(box->Caption().mid(8).toInt(), 100);
    EXPECT_LT(box->Left(), 100);
    EXPECT_LT(box->Top(), 100);
    pane->ClearAll();
    EXPECT_NE(pane->ItemToolbar(), nullptr);
    Button(*pane, u"Text"_s)->click();

    pane->SetShowItemToolbar(false);
    pane->SetShowItemToolbar(false);
    EXPECT_EQ(pane->ItemToolbar(), nullptr);
    EXPECT_EQ(pane->IconMenu(), nullptr);
    EXPECT_EQ(pane->GetItemCount(), 1);
    EXPECT_EQ(pane->ControlCount(), 1);
}

TEST_F(DiagramTest, ToolbarBoxesAreRepeatableWithASeedAndIconsShowTheirPicture)
{
    auto captions = [this](quint32 seed) {
        pane->ClearAll();
        pane->SetRandomSeed(seed);
        Button(*pane, u"Listbox"_s)->click();
        IconEntry(*pane, u"User"_s)->trigger();
        QStringList seen;
        for (int i = 0; i < pane->GetItemCount(); ++i) {
            const TSchemaItem* item = pane->GetItem(i);
            seen << u"%1@%2,%3"_s.arg(item->Caption()).arg(item->Left()).arg(item->Top());
        }
        return seen;
    };
    pane->SetShowItemToolbar(true);
    EXPECT_EQ(captions(7), captions(7));

    IconEntry(*pane, u"Default"_s)->trigger();
    ASSERT_EQ(pane->GetItemCount(), 3);
    EXPECT_EQ(pane->GetItem(2)->IconControl()->IconType(), itDefault);
    EXPECT_EQ(pane->GetItem(2)->Width(), 32);
    TSchemaItem* icon = pane->GetItem(1);
    ASSERT_NE(icon->IconControl(), nullptr);
    EXPECT_EQ(icon->IconControl()->IconType(), itUser);
    EXPECT_TRUE(icon->Caption().startsWith(u"New icon"_s));
    EXPECT_EQ(icon->Width(), 32);
    EXPECT_EQ(icon->ClientHeight(), 36);
}

TEST_F(DiagramTest, BoxesAreRankedAndCanBeArrangedApart)
{
    pane->AutoArrange();
    EXPECT_TRUE(dialogs->Messages.isEmpty());

    TSchemaItem* five = pane->AddItem(u"five"_s, scListBox);
    TSchemaItem* twelve = pane->AddItem(u"twelve"_s, scListBox);
    for (int i = 0; i < 5; ++i)
        five->AddSubItem(u"f%1"_s.arg(i), -1, false);
    for (int i = 0; i < 12; ++i)
        twelve->AddSubItem(u"t%1"_s.arg(i), -1, false);
    pane->AutoArrange();
    EXPECT_EQ(dialogs->Messages, (QStringList{u"12"_s, u"5"_s}));
    EXPECT_EQ(five->Left(), 0); // ranking moves nothing

    // Three rows, parent of one link and child of another: 3 + 10 × (2 + 1).
    TSchemaItem* three = pane->AddItem(u"three"_s, scListBox);
    for (int i = 0; i < 3; ++i)
        three->AddSubItem(u"r%1"_s.arg(i), -1, false);
    pane->AddRelation(three, five, three->GetSubItem(0), five->GetSubItem(0));
    pane->AddRelation(twelve, three, twelve->GetSubItem(0), three->GetSubItem(1));
    EXPECT_EQ(three->GetRank(), 33);

    // Arranging: the boxes no longer overlap and the links follow them.
    pane->ArrangeItems(30);
    const QList<TSchemaItem*> boxes{five, twelve, three};
    for (TSchemaItem* a : boxes) {
        for (TSchemaItem* b : boxes) {
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry())) << a->Caption().toStdString();
            }
        }
    }
    EXPECT_EQ(three->geometry().topLeft(), QPoint(30, 30)); // the highest rank leads
    const TSchemaRelation* link = pane->GetRelation(0);
    EXPECT_TRUE(link->BoundsRect().intersects(three->geometry().adjusted(-40, -40, 40, 40)));
}
