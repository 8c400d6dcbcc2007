#include "DiagramWindow.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStatusBar>

#include <functional>
#include <stdexcept>

using namespace schemakit;

namespace demo {

namespace {
constexpr int kMargin = 16;
constexpr int kColumnGap = 48;
constexpr int kRowGap = 20;
} // namespace

DiagramWindow::DiagramWindow(QWidget* parent) : QMainWindow(parent), FPane(new TSchemaDesignArea(this))
{
    setCentralWidget(FPane);
    resize(820, 540);
}

void DiagramWindow::ShowDatabase(const QString& path)
{
    const QString connection = QStringLiteral("schemakit-demo");
    QMap<QString, QStringList> references;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        FPane->BeginUpdate();
        FPane->ClearAll();
        for (const QString& table : db.tables(QSql::Tables)) {
            TSchemaItem* box = FPane->AddItem(table, scCheckListBox);
            if (!box)
                continue;
            const QSqlRecord fields = db.record(table);
            const QSqlIndex key = db.primaryIndex(table);
            for (int i = 0; i < fields.count(); ++i)
                box->AddSubItem(fields.fieldName(i), -1, key.contains(fields.fieldName(i)));
            box->RecalculateHeight();
            box->RecalculateWidth();

            QSqlQuery fk(db);
            fk.exec(QStringLiteral("PRAGMA foreign_key_list(\"%1\")").arg(table));
            while (fk.next()) {
                const QString target = fk.value(2).toString();
                if (target != table && !references[table].contains(target))
                    references[table] << target;
            }
        }
        FPane->EndUpdate();
    }
    QSqlDatabase::removeDatabase(connection);
    LayOut(references);
    setWindowTitle(QStringLiteral("SchemaKit diagram \u2014 %1").arg(QFileInfo(path).fileName()));
    statusBar()->showMessage(QStringLiteral("%1 tables").arg(FPane->GetItemCount()));
}

// Tables that nothing refers to go left, each referring table one column right of
// the deepest table it refers to; within a column, boxes stack without overlap.
void DiagramWindow::LayOut(const QMap<QString, QStringList>& references)
{
    QMap<QString, int> depth;
    std::function<int(const QString&, int)> depthOf = [&](const QString& table, int guard) {
        if (depth.contains(table))
            return depth[table];
        int d = 0;
        if (guard < 32) {
            for (const QString& target : references.value(table))
                d = std::max(d, depthOf(target, guard + 1) + 1);
        }
        depth[table] = d;
        return d;
    };
    QMap<int, QList<TSchemaItem*>> columns;
    for (int i = 0; i < FPane->GetItemCount(); ++i) {
        TSchemaItem* box = FPane->GetItem(i);
        columns[depthOf(box->Caption(), 0)].append(box);
    }
    int x = kMargin;
    for (const QList<TSchemaItem*>& column : std::as_const(columns)) {
        int y = kMargin;
        int width = 0;
        for (TSchemaItem* box : column) {
            box->move(x, y);
            y += box->Height() + kRowGap;
            width = std::max(width, box->Width());
        }
        x += width + kColumnGap;
    }
}

} // namespace demo
