#include "TestSupport.h"

#include <schemakit/diagram/SchmRel.h>

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace schemakit;

namespace {

// The caption a user reads on a control, whatever its kind.
QString CaptionOf(const QWidget* w)
{
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return QString();
}

QStringList ButtonTexts(const TRadioGroup* group)
{
    QStringList texts;
    for (int i = 0; i < group->Count(); ++i)
        texts << CaptionOf(group->Buttons(i));
    return texts;
}

// Clicks a radio button of a group, as a user picks an entry.
void Pick(TRadioGroup* group, int index)
{
    QRadioButton* button = group->Buttons(index);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

class RelationDialogTest : public testing::Test {
protected:
    void SetUp() override { dialogs = &test::InstallScriptedDialogs(); }

    TScriptedDialogService* dialogs = nullptr;
};

} // namespace

TEST(RelationDialog, FormLayoutNamesCaptionsAndFonts)
{
    TfrmZBRelation form;
    EXPECT_EQ(form.objectName(), QStringLiteral("frmZBRelation"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Relation properties"));
    EXPECT_EQ(form.size(), QSize(322, 256));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 10);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint) && flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));

    const struct {
        QWidget* Control;
        const char* Name;
        QWidget* Parent;
        QRect Bounds;
        const char* Caption;
    } controls[] = {
        {form.rgJoinOperator, "rgJoinOperator", &form, {5, 140, 130, 60}, " Join Operator "},
        {form.rgJoinType, "rgJoinType", &form, {140, 140, 178, 60}, " Join Type "},
        {form.BtnOk, "BtnOk", &form, {163, 225, 75, 25}, "&OK"},
        {form.BtnCancel, "BtnCancel", &form, {243, 225, 75, 25}, "&Cancel"},
        {form.bvlButtons, "bvlButtons", &form, {0, 216, 322, 40}, ""},
        {form.gbParent, "gbParent", &form, {5, 8, 313, 57}, " Parent "},
        {form.Label1, "Label1", form.gbParent, {4, 15, 60, 13}, "Table 1:"},
        {form.Label3, "Label3", form.gbParent, {4, 32, 60, 13}, "Column 1:"},
        {form.txtCol1, "txtCol1", form.gbParent, {70, 31, 205, 16}, ""},
        {form.txtTable1, "txtTable1", form.gbParent, {70, 15, 205, 16}, ""},
        {form.gbChild, "gbChild", &form, {5, 72, 313, 57}, " Child "},
        {form.Label2, "Label2", form.gbChild, {4, 15, 60, 13}, "Table 2:"},
        {form.Label4, "Label4", form.gbChild, {4, 31, 60, 13}, "Column 2:"},
        {form.txtCol2, "txtCol2", form.gbChild, {70, 31, 205, 16}, ""},
        {form.txtTable2, "txtTable2", form.gbChild, {70, 15, 205, 16}, ""},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Control->objectName(), QLatin1String(c.Name));
        EXPECT_EQ(c.Control->parentWidget(), c.Parent);
        EXPECT_EQ(c.Control->geometry(), c.Bounds);
        EXPECT_EQ(CaptionOf(c.Control), QLatin1String(c.Caption));
        if (auto* label = qobject_cast<QLabel*>(c.Control)) {
            const bool value = c.Caption[0] == 0;
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, value ? Qt::AlignLeft : Qt::AlignRight);
            EXPECT_EQ(label->font().family(), QStringLiteral("MS Sans Serif"));
            EXPECT_EQ(label->font().pixelSize(), 11);
            EXPECT_EQ(label->font().bold(), value);
            EXPECT_EQ(label->palette().color(QPalette::WindowText) == QColor(0, 0, 128), value);
        }
    }

    EXPECT_EQ(ButtonTexts(form.rgJoinOperator), (QStringList{"=", "<", ">", "<=", ">=", "<>"}));
    EXPECT_EQ(form.rgJoinOperator->Columns(), 3);
    EXPECT_EQ(form.rgJoinOperator->ItemIndex(), 0);
    EXPECT_EQ(ButtonTexts(form.rgJoinType), (QStringList{"Inner", "Left Outer", "Right Outer", "Full Outer"}));
    EXPECT_EQ(form.rgJoinType->Columns(), 2);
    EXPECT_EQ(form.rgJoinType->ItemIndex(), 0);
}

TEST(RelationDialog, FramesDrawWhereTheLayoutExpects)
{
    TfrmZBRelation form;
    // The band overlaps the buttons; they must still get the clicks.
    EXPECT_EQ(form.childAt(form.BtnOk->geometry().center()), form.BtnOk);
    EXPECT_EQ(form.childAt(form.BtnCancel->geometry().center()), form.BtnCancel);

    const QImage image = form.grab().toImage();
    const QRgb background = image.pixel(10, 240);
    EXPECT_NE(image.pixel(10, 216), background);
    EXPECT_EQ(image.pixel(10, 220), background);

    // A group box's top line runs through the middle of its caption, so the
    // controls placed just under the caption stay clear of it.
    const QImage group = form.gbParent->grab().toImage();
    const int middle = QFontMetrics(form.gbParent->font()).height() / 2 - 1;
    const int x = group.width() - 4;
    EXPECT_NE(group.pixel(x, middle), group.pixel(x, 0));
    EXPECT_EQ(group.pixel(x, middle + 3), group.pixel(x, 0));
}

TEST(RelationDialog, RadioGroupsFillColumnsTopToBottom)
{
    // Five in two columns: three in the first, two in the second; the two rows
    // of height that do not divide evenly become margin, one above.
    EXPECT_EQ(RadioGroupButtonRects({100, 62}, 5, 2, 13),
              (QList<QRect>{{8, 15, 45, 14}, {8, 29, 45, 14}, {8, 43, 45, 14}, {53, 15, 45, 14}, {53, 29, 45, 14}}));
    EXPECT_TRUE(RadioGroupButtonRects({100, 60}, 0, 2, 13).isEmpty());
    EXPECT_EQ(RadioGroupButtonRects({100, 60}, 2, 0, 13).at(1).topLeft(), QPoint(8, 35));

    // The dialog's operators: "<" under "=", ">" beside it; all inside the group.
    TfrmZBRelation form;
    const TRadioGroup* op = form.rgJoinOperator;
    EXPECT_EQ(op->Buttons(1)->x(), op->Buttons(0)->x());
    EXPECT_GT(op->Buttons(1)->y(), op->Buttons(0)->y());
    EXPECT_EQ(op->Buttons(2)->pos(), op->Buttons(0)->pos() + QPoint(op->Buttons(0)->width(), 0));
    for (const TRadioGroup* group : {form.rgJoinOperator, form.rgJoinType})
        for (int i = 0; i < group->Count(); ++i)
            EXPECT_TRUE(group->rect().contains(group->Buttons(i)->geometry())) << i;
}

TEST(RelationDialog, RadioGroupItemIndex)
{
    TRadioGroup group;
    group.SetItems({"a", "b", "c"});
    EXPECT_EQ(group.ItemIndex(), -1);
    QSignalSpy changed(&group, &TRadioGroup::itemIndexChanged);
    for (int i : {2, 0, 1}) {
        group.SetItemIndex(i);
        EXPECT_EQ(group.ItemIndex(), i);
        EXPECT_TRUE(group.Buttons(i)->isChecked());
    }
    EXPECT_EQ(changed.count(), 3);
    group.SetItemIndex(1);
    EXPECT_EQ(changed.count(), 3);

    // Out of range is pulled back; -1 leaves no button checked, which an
    // exclusive button would refuse by itself.
    group.SetItemIndex(99);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetItemIndex(-5);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < group.Count(); ++i)
        EXPECT_FALSE(group.Buttons(i)->isChecked()) << i;

    // A click is the user's choice.
    group.show();
    Pick(&group, 1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(changed.last().at(0).toInt(), 1);
    group.SetItemIndex(2);
    EXPECT_FALSE(group.Buttons(1)->isChecked());

    // Fewer items keep the index in range.
    group.SetItems({"x", "y"});
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.Buttons(1)->isChecked());
    EXPECT_EQ(group.Buttons(2), nullptr);
}

TEST(RelationDialog, FocusStartsAtJoinOperatorAndTabsInOrder)
{
    TfrmZBRelation form;
    EXPECT_EQ(form.focusWidget(), form.rgJoinOperator->Buttons(0));
    // Focus stays on the checked entry when the selection is set before showing.
    form.rgJoinOperator->SetItemIndex(roLessThan);
    form.rgJoinType->SetItemIndex(rjFull);
    EXPECT_EQ(form.focusWidget(), form.rgJoinOperator->Buttons(roLessThan));

    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(QApplication::focusWidget(), form.rgJoinOperator->Buttons(roLessThan));
    const QList<QWidget*> expected{form.rgJoinType->Buttons(rjFull), form.BtnOk, form.BtnCancel,
                                   form.rgJoinOperator->Buttons(roLessThan)};
    QList<QWidget*> visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(RelationDialogTest, EditShowsTheEndsAndStoresTheChoiceOnOk)
{
    TSDRelationOperator op = roGreater;
    TSDRelationJoin join = rjRightOuter;
    QPointer<QDialog> shown;
    dialogs->ModalAnswers.push_back([&](QDialog& dialog) {
        auto& form = static_cast<TfrmZBRelation&>(dialog);
        shown = &form;
        EXPECT_EQ(form.txtTable1->text(), QStringLiteral("orders"));
        EXPECT_EQ(form.txtCol1->text(), QStringLiteral("<b>id</b>"));
        EXPECT_EQ(form.txtTable2->text(), QStringLiteral("lines"));
        EXPECT_EQ(form.txtCol2->text(), QStringLiteral("order_id"));
        EXPECT_EQ(form.txtCol1->textFormat(), Qt::PlainText);
        EXPECT_EQ(form.rgJoinOperator->ItemIndex(), int(roGreater));
        EXPECT_EQ(form.rgJoinType->ItemIndex(), int(rjRightOuter));
        form.show();
        Pick(form.rgJoinOperator, roNonEqual);
        Pick(form.rgJoinType, rjLeftOuter);
        QTest::mouseClick(form.BtnOk, Qt::LeftButton);
        return form.result();
    });
    EXPECT_TRUE(EditRelationValues("orders", "<b>id</b>", "lines", "order_id", op, join));
    EXPECT_EQ(op, roNonEqual);
    EXPECT_EQ(join, rjLeftOuter);
    ASSERT_EQ(dialogs->Requests.size(), 1);
    EXPECT_EQ(dialogs->Requests.at(0).Kind, QStringLiteral("modal"));
    EXPECT_EQ(dialogs->Requests.at(0).Text, QStringLiteral("frmZBRelation"));
    EXPECT_TRUE(shown.isNull()); // freed after the edit
}

TEST_F(RelationDialogTest, CancelEscapeOrCloseLeaveTheValues)
{
    TSDRelationOperator op = roLess;
    TSDRelationJoin join = rjFull;
    const auto changeBothThen = [](std::function<void(TfrmZBRelation&)> close) {
        return [close](QDialog& dialog) {
            auto& form = static_cast<TfrmZBRelation&>(dialog);
            form.show();
            Pick(form.rgJoinOperator, roGreaterThan);
            Pick(form.rgJoinType, rjInner);
            EXPECT_EQ(form.rgJoinOperator->ItemIndex(), int(roGreaterThan));
            close(form);
            EXPECT_FALSE(form.isVisible());
            return form.result();
        };
    };
    dialogs->ModalAnswers.push_back(
        changeBothThen([](TfrmZBRelation& form) { QTest::mouseClick(form.BtnCancel, Qt::LeftButton); }));
    dialogs->ModalAnswers.push_back(
        changeBothThen([](TfrmZBRelation& form) { QTest::keyClick(&form, Qt::Key_Escape); }));
    // No answer at all reads as the dialog closed from its system menu.
    for (int run = 0; run < 3; ++run) {
        EXPECT_FALSE(EditRelationValues("a", "x", "b", "y", op, join)) << run;
        EXPECT_EQ(op, roLess);
        EXPECT_EQ(join, rjFull);
    }
}
