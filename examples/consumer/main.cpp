#include <schemakit/diagram/SchmCntr.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    schemakit::TSchemaDesignArea pane;
    schemakit::TSchemaItem* box = pane.AddItem(QStringLiteral("customers"), schemakit::scCheckListBox);
    if (!box)
        return 1;
    box->AddSubItem(QStringLiteral("customer_id"), -1, true);
    box->AddSubItem(QStringLiteral("company_name"), -1, false);
    box->RecalculateHeight();
    box->RecalculateWidth();
    const bool ok = pane.GetItemCount() == 1 && box->GetSubItemCount() == 2 && box->GetSubItem(0)->Checked();
    std::printf("consumer: %s\n", ok ? "SchemaKit works" : "unexpected state");
    return ok ? 0 : 1;
}
