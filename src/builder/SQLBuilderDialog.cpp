#include "SQLBuilderDialog.h"

#include "SQLBuilderForm.h"

#include "../diagram/SchemaDesignArea.h"
#include "../diagram/SchemaItem.h"
#include "../diagram/SchemaSubItem.h"
#include "../engines/SchemaDataEngine.h"
#include "../package/DialogService.h"
#include "../package/Exceptions.h"
#include "../package/StringList.h"
#include "../sqlparser/SqlParserClass.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPainter>

#include <memory>

namespace schemakit {

namespace {
constexpr int kBoxMargin = 20; // from the pane's edges, and between two boxes
}

TSQLBuilderDialog::TSQLBuilderDialog(QObject* AOwner) : QObject(AOwner)
{
}

TSQLBuilderDialog::~TSQLBuilderDialog() = default;

TSchemaDataEngine* TSQLBuilderDialog::GetDataEngine() const
{
    return FDataEngine;
}

void TSQLBuilderDialog::SetDataEngine(TSchemaDataEngine* Value)
{
    // A plain reference: the QPointer reads null once the engine is destroyed.
    FDataEngine = Value;
}

bool TSQLBuilderDialog::Execute()
{
    if (FForm)
        throw Exception(QCoreApplication::translate("schemakit", "The query builder is already running."));

    auto form = std::make_unique<TfrmZBSQLBuilder>();
    FForm = form.get();
    sda = form->SchemaDesignArea;
    // However the run ends, the window goes (its boxes announcing themselves
    // on the way) and nothing keeps pointing at it.
    // The dialog itself may be freed by its owner while the window is open.
    struct TRunGuard {
        QPointer<TSQLBuilderDialog> Dialog;
        std::unique_ptr<TfrmZBSQLBuilder>& Form;
        ~TRunGuard()
        {
            Form.reset();
            if (Dialog) {
                Dialog->sda = nullptr;
                Dialog->FForm = nullptr;
            }
        }
    } guard{this, form};

    sda->ClearAll();
    form->SetDataEngine(FDataEngine);
    if (!FCaption.isEmpty())
        form->setWindowTitle(FCaption);
    form->SetSQLText(FSQL);
    form->OnDrawTableItem = OnDrawTableItem;
    form->OnGetTableName = OnGetTableName;
    form->OnGetFieldName = OnGetFieldName;
    form->OnAddItem = OnAddItem;
    form->OnDeleteItem = OnDeleteItem;
    // The window's signals reach the dialog's own for as long as it lives.
    connect(form.get(), &TfrmZBSQLBuilder::drawTableItem, this, &TSQLBuilderDialog::drawTableItem);
    connect(form.get(), &TfrmZBSQLBuilder::itemAdded, this, &TSQLBuilderDialog::itemAdded);
    connect(form.get(), &TfrmZBSQLBuilder::itemDeleted, this, &TSQLBuilderDialog::itemDeleted);
    // A receiver of those may free this dialog while the diagram is built.
    const QPointer<TSQLBuilderDialog> alive(this);
    TSchemaDesignArea* const pane = sda;

    {
        TSQLParser parser(FSQL);
        TStringList tables;
        parser.GetSelectTableNames(tables);
        int x = kBoxMargin;
        for (int i = 0; i < tables.Count() && alive; ++i) {
            // A table that gives no box (its fields cannot be read) is left out.
            TSchemaItem* box = pane->AddItem(tables.Strings(i), scCheckListBox);
            if (!box)
                continue;
            box->move(x, kBoxMargin);
            box->RecalculateHeight();
            box->RecalculateWidth();
            x += box->width() + kBoxMargin;
        }
        parser.OnParsed = [&](TSQLParser* sender, TSQLToken token, TSQLClause clause, QStringView value) {
            if (alive)
                SQLParsed(sender, token, clause, value);
        };
        // A statement the parser cannot follow still opens the builder, with
        // the ticks made up to the point where it stopped.
        try {
            parser.Parse();
        } catch (...) {
        }
    }

    if (!alive)
        return false;
    emit formReady(form.get());
    const bool accepted = Dialogs().ExecuteModal(*form) == QDialog::Accepted;
    if (accepted && alive)
        FSQL = form->SQLText();
    return accepted;
}

void TSQLBuilderDialog::SQLParsed(TSQLParser*, TSQLToken Token, TSQLClause Clause, QStringView Value)
{
    if ((Token != stSymbol && Token != stOther) || Clause != scFields || !sda)
        return;
    TSchemaItem* box = nullptr;
    QString field;
    const qsizetype dot = Value.indexOf(u'.');
    if (dot >= 0) {
        box = sda->FindItem(Value.left(dot).toString());
        field = Value.mid(dot + 1).toString();
    } else {
        box = sda->GetItem(0);
        field = Value.toString();
    }
    if (!box)
        return;
    if (TSchemaSubItem* row = box->GetSubItemByName(field))
        row->SetChecked(true);
}

bool SQLBuilder(QString& SQL, TSchemaDataEngine* Engine)
{
    TSQLBuilderDialog dialog;
    dialog.SetDataEngine(Engine);
    dialog.SetSQL(SQL);
    const bool accepted = dialog.Execute();
    if (accepted)
        SQL = dialog.SQL();
    return accepted;
}

} // namespace schemakit
