// The builder window's and the builder dialog's signals: each right after the
// event of the same meaning, assigned or not; the dialog passes on its
// window's.

#include "BuilderFormFixture.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>

using namespace schemakit;
using namespace schemakit::test;

namespace {

using BuilderFormSignals = BuilderFormTest;

TEST_F(BuilderFormSignals, BoxSignalsComeAfterTheirEvents)
{
    QStringList order;
    int rowsWhenHeard = 0;
    QObject::connect(form.get(), &TfrmZBSQLBuilder::itemAdded, [&](TSchemaItem* box) {
        rowsWhenHeard = box->GetSubItemCount();
        order << QStringLiteral("itemAdded ") + box->Caption();
    });
    QObject::connect(form.get(), &TfrmZBSQLBuilder::itemDeleted,
                     [&](TSchemaItem* box) { order << QStringLiteral("itemDeleted ") + box->Caption(); });
    QSignalSpy added(form.get(), &TfrmZBSQLBuilder::itemAdded);

    TSchemaItem* customer = Drop(QStringLiteral("customer"));
    ASSERT_TRUE(customer);
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.at(0).at(0).value<TSchemaItem*>(), customer);
    EXPECT_EQ(rowsWhenHeard, 3); // "*" and the two fields: the box was filled first
    customer->RemoveItem();
    EXPECT_EQ(order, QStringList({"itemAdded customer", "itemDeleted customer"}));

    order.clear();
    form->OnAddItem = [&](QObject* sender, TSchemaItem* box) {
        EXPECT_EQ(sender, form->SchemaDesignArea);
        order << QStringLiteral("OnAddItem ") + box->Caption();
    };
    form->OnDeleteItem = [&](QObject*, TSchemaItem* box) { order << QStringLiteral("OnDeleteItem ") + box->Caption(); };
    Drop(QStringLiteral("orders"))->RemoveItem();
    EXPECT_EQ(order,
              QStringList({"OnAddItem orders", "itemAdded orders", "OnDeleteItem orders", "itemDeleted orders"}));
}

TEST_F(BuilderFormSignals, TableEntriesAreDrawnThenSignalled)
{
    ASSERT_EQ(form->lbTables->Count(), 2);
    const QRect first = form->lbTables->visualItemRect(form->lbTables->item(0));
    QStringList order;
    QObject::connect(form.get(), &TfrmZBSQLBuilder::drawTableItem,
                     [&](QWidget* control, int index, const QRect& rect, TOwnerDrawState, QPainter* canvas) {
                         EXPECT_EQ(control, form->lbTables);
                         order << QStringLiteral("drawTableItem %1").arg(index);
                         if (index == 0)
                             canvas->fillRect(rect, Qt::red); // over what was drawn before
                     });

    const QImage plain = form->lbTables->viewport()->grab().toImage();
    EXPECT_TRUE(order.contains("drawTableItem 0"));
    EXPECT_TRUE(order.contains("drawTableItem 1"));
    EXPECT_EQ(plain.pixelColor(first.center()), QColor(Qt::red));

    order.clear();
    form->OnDrawTableItem = [&](QWidget*, int index, const QRect&, TOwnerDrawState, QPainter&) {
        order << QStringLiteral("OnDrawTableItem %1").arg(index);
    };
    form->lbTables->viewport()->grab();
    ASSERT_GE(order.size(), 4);
    for (qsizetype i = 0; i + 1 < order.size(); i += 2) {
        EXPECT_TRUE(order[i].startsWith("OnDrawTableItem"));
        EXPECT_EQ(order[i + 1], QString(order[i]).replace("OnDrawTableItem", "drawTableItem"));
    }
}

class BuilderDialogSignals : public testing::Test {
protected:
    void SetUp() override
    {
        dialogs = &InstallScriptedDialogs();
        engine = FakeEngine(tables);
    }

    QHash<QString, QStringList> tables{{QStringLiteral("a"), {QStringLiteral("x")}},
                                       {QStringLiteral("b"), {QStringLiteral("y")}}};
    TScriptedDialogService* dialogs = nullptr;
    std::unique_ptr<TSchemaDataEngine> engine;
};

TEST_F(BuilderDialogSignals, TheWindowsSignalsArePassedOnAfterTheEvents)
{
    TSQLBuilderDialog dialog;
    dialog.SetDataEngine(engine.get());
    dialog.SetSQL(QStringLiteral("SELECT a.x FROM a, b"));
    QStringList order;
    dialog.OnAddItem = [&](QObject*, TSchemaItem* box) { order << QStringLiteral("OnAddItem ") + box->Caption(); };
    dialog.OnDeleteItem = [&](QObject*, TSchemaItem* box) {
        order << QStringLiteral("OnDeleteItem ") + box->Caption();
    };
    QObject::connect(&dialog, &TSQLBuilderDialog::itemAdded,
                     [&](TSchemaItem* box) { order << QStringLiteral("itemAdded ") + box->Caption(); });
    QObject::connect(&dialog, &TSQLBuilderDialog::itemDeleted,
                     [&](TSchemaItem* box) { order << QStringLiteral("itemDeleted ") + box->Caption(); });
    QSignalSpy drawn(&dialog, &TSQLBuilderDialog::drawTableItem);
    dialogs->ModalAnswers.push_back([&](QDialog& form) {
        order << QStringLiteral("shown");
        static_cast<TfrmZBSQLBuilder&>(form).lbTables->viewport()->grab();
        return int(QDialog::Rejected);
    });

    EXPECT_FALSE(dialog.Execute());

    ASSERT_EQ(order.size(), 9);
    EXPECT_EQ(order.mid(0, 5), QStringList({"OnAddItem a", "itemAdded a", "OnAddItem b", "itemAdded b", "shown"}));
    // The window frees its boxes as it goes, each announced the same way.
    for (qsizetype i = 5; i < order.size(); i += 2)
        EXPECT_EQ(order[i + 1], QString(order[i]).replace("OnDeleteItem", "itemDeleted"));
    EXPECT_GE(drawn.count(), 2);
}

TEST_F(BuilderDialogSignals, AReceiverMayFreeTheDialogWhileTheDiagramIsBuilt)
{
    QPointer<TSQLBuilderDialog> dialog = new TSQLBuilderDialog;
    dialog->SetDataEngine(engine.get());
    dialog->SetSQL(QStringLiteral("SELECT a.x, b.y FROM a, b"));
    QObject::connect(dialog, &TSQLBuilderDialog::itemAdded, dialog, [&dialog] { delete dialog.data(); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(dialogs->Requests.isEmpty()); // never shown
}

} // namespace
