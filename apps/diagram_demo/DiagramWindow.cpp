#include "DiagramWindow.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QStatusBar>

#include <functional>

using namespace schemakit;

namespace demo {

namespace {
constexpr int kMargin = 16;
constexpr int kColumnGap = 48;
constexpr int kRowGap = 20;

// The catalog queries the layout needs. Links cannot be drawn yet, but which
// table refers to which still decides where the boxes go.
constexpr const char* kSqliteKeys = "SELECT m.name, p.name FROM sqlite_master m JOIN pragma_table_info(m.name) p "
                                    "WHERE m.type = 'table' AND p.pk > 0";
constexpr const char* kSqliteReferences =
    "SELECT m.name, f.\"table\" FROM sqlite_master m JOIN pragma_foreign_key_list(m.name) f "
    "WHERE m.type = 'table'";
constexpr const char* kPostgresKeys =
    "SELECT c.relname, a.attname FROM pg_catalog.pg_index i "
    "JOIN pg_catalog.pg_class c ON c.oid = i.indrelid "
    "JOIN pg_catalog.pg_attribute a ON a.attrelid = c.oid AND a.attnum = ANY (i.indkey) "
    "WHERE i.indisprimary AND pg_catalog.pg_table_is_visible(c.oid)";
constexpr const char* kPostgresReferences =
    "SELECT s.relname, t.relname FROM pg_catalog.pg_constraint k "
    "JOIN pg_catalog.pg_class s ON s.oid = k.conrelid JOIN pg_catalog.pg_class t ON t.oid = k.confrelid "
    "WHERE k.contype = 'f' AND pg_catalog.pg_table_is_visible(s.oid)";

// Ends the pane's drawing lock also when reading the database fails half-way.
class PaneUpdate {
public:
    explicit PaneUpdate(TSchemaDesignArea* pane) : FPane(pane) { FPane->BeginUpdate(); }
    ~PaneUpdate() { FPane->EndUpdate(); }
    PaneUpdate(const PaneUpdate&) = delete;
    PaneUpdate& operator=(const PaneUpdate&) = delete;

private:
    TSchemaDesignArea* FPane;
};
} // namespace

DiagramWindow::DiagramWindow(QWidget* parent)
    : QMainWindow(parent), FPane(new TSchemaDesignArea(this)), FEngine(new TSchemaBDEDataEngine(this))
{
    setCentralWidget(FPane);
    FPane->SetDataEngine(FEngine);
    resize(820, 540);
}

QList<QPair<QString, QString>> DiagramWindow::Rows(const QString& sql)
{
    QAbstractItemModel* result = FEngine->ExecSQL(sql);
    while (result->canFetchMore(QModelIndex()))
        result->fetchMore(QModelIndex());
    QList<QPair<QString, QString>> rows;
    for (int r = 0; r < result->rowCount(); ++r)
        rows.append({result->index(r, 0).data().toString(), result->index(r, 1).data().toString()});
    return rows;
}

QSet<QPair<QString, QString>> DiagramWindow::KeyFields(QSqlDriver::DbmsType dbms)
{
    QSet<QPair<QString, QString>> keys;
    if (dbms == QSqlDriver::SQLite || dbms == QSqlDriver::PostgreSQL) {
        for (const auto& row : Rows(QString::fromLatin1(dbms == QSqlDriver::SQLite ? kSqliteKeys : kPostgresKeys)))
            keys.insert(row);
    }
    return keys;
}

QMap<QString, QStringList> DiagramWindow::References(QSqlDriver::DbmsType dbms)
{
    QMap<QString, QStringList> references;
    if (dbms == QSqlDriver::SQLite || dbms == QSqlDriver::PostgreSQL) {
        const char* sql = dbms == QSqlDriver::SQLite ? kSqliteReferences : kPostgresReferences;
        for (const auto& [table, target] : Rows(QString::fromLatin1(sql))) {
            if (target != table && !references[table].contains(target))
                references[table] << target;
        }
    }
    return references;
}

void DiagramWindow::ShowDatabase(const QString& databaseName)
{
    FEngine->SetDatabaseName(databaseName);
    TStringList tables;
    FEngine->FillItemList(tables);
    const QSqlDatabase db = FEngine->Database();
    const QSqlDriver::DbmsType dbms = db.driver()->dbmsType();
    const QSet<QPair<QString, QString>> keys = KeyFields(dbms);
    {
        PaneUpdate update(FPane);
        FPane->ClearAll();
        TStringList fields;
        for (int i = 0; i < tables.Count(); ++i) {
            TSchemaItem* box = FPane->AddItem(tables.Strings(i), scCheckListBox);
            if (!box)
                continue;
            FEngine->FillSubItemList(box, fields);
            for (int f = 0; f < fields.Count(); ++f)
                box->AddSubItem(fields.Strings(f), -1, keys.contains({tables.Strings(i), fields.Strings(f)}));
            box->RecalculateHeight();
            box->RecalculateWidth();
        }
    }
    LayOut(References(dbms));

    // A connection string may hold a password: the title names only the database.
    const QString shown = dbms == QSqlDriver::SQLite ? QFileInfo(databaseName).fileName()
                                                     : QStringLiteral("%1 on %2").arg(db.databaseName(), db.hostName());
    setWindowTitle(QStringLiteral("SchemaKit diagram \u2014 %1").arg(shown));
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
