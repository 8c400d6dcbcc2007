#include "DiagramWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QSqlDriver>
#include <QStatusBar>

#include <climits>
#include <functional>

using namespace schemakit;

namespace demo {

namespace {
constexpr int kMargin = 16;
constexpr int kColumnGap = 48;
constexpr int kRowGap = 20;

// The catalog queries the diagram needs: the key fields (ticked), and every
// foreign key column with the column it refers to (a link each, drawn from the
// referred row to the referring one; which table refers to which also decides
// where the boxes go).
constexpr const char* kSqliteKeys = "SELECT m.name, p.name FROM sqlite_master m JOIN pragma_table_info(m.name) p "
                                    "WHERE m.type = 'table' AND p.pk > 0";
constexpr const char* kSqliteReferences =
    "SELECT m.name, f.\"from\", f.\"table\", f.\"to\" FROM sqlite_master m "
    "JOIN pragma_foreign_key_list(m.name) f WHERE m.type = 'table' ORDER BY m.name, f.id, f.seq";
constexpr const char* kPostgresKeys =
    "SELECT c.relname, a.attname FROM pg_catalog.pg_index i "
    "JOIN pg_catalog.pg_class c ON c.oid = i.indrelid "
    "JOIN pg_catalog.pg_attribute a ON a.attrelid = c.oid AND a.attnum = ANY (i.indkey) "
    "WHERE i.indisprimary AND pg_catalog.pg_table_is_visible(c.oid)";
constexpr const char* kPostgresReferences =
    "SELECT s.relname, a.attname, t.relname, b.attname FROM pg_catalog.pg_constraint k "
    "JOIN pg_catalog.pg_class s ON s.oid = k.conrelid JOIN pg_catalog.pg_class t ON t.oid = k.confrelid "
    "CROSS JOIN LATERAL unnest(k.conkey, k.confkey) AS u(src, dst) "
    "JOIN pg_catalog.pg_attribute a ON a.attrelid = s.oid AND a.attnum = u.src "
    "JOIN pg_catalog.pg_attribute b ON b.attrelid = t.oid AND b.attnum = u.dst "
    "WHERE k.contype = 'f' AND pg_catalog.pg_table_is_visible(s.oid) ORDER BY s.relname, k.conname";

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
    resize(860, 760);

    // Every command runs under the library's error boundary, which shows what
    // went wrong instead of letting it through the event loop.
    const auto command = [this](QMenu* menu, const QString& text, const std::function<void()>& body) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, [this, body] { Guarded(this, body); });
        return action;
    };
    const QString filter = QStringLiteral("Schema files (*.sch)|*.sch|All files (*.*)|*.*");
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    command(file, QStringLiteral("&Open..."), [this, filter] {
        QString name;
        if (Dialogs().ExecuteOpenDialog(name, filter, QStringLiteral("sch"), this))
            OpenFile(name);
    });
    command(file, QStringLiteral("&Save as..."), [this, filter] {
        QString name;
        if (Dialogs().ExecuteSaveDialog(name, filter, QStringLiteral("sch"), this))
            FPane->SaveToFile(name);
    });
    command(file, QStringLiteral("&Export picture..."), [this] {
        QString name;
        if (Dialogs().ExecuteSaveDialog(
                name, QStringLiteral("PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF (*.pdf)|*.pdf"),
                QStringLiteral("png"), this))
            FPane->ExportToFile(name);
    });
    QMenu* diagram = menuBar()->addMenu(QStringLiteral("&Diagram"));
    command(diagram, QStringLiteral("&Arrange"), [this] { FPane->ArrangeItems(); });
    QAction* toolbar = command(diagram, QStringLiteral("Item &toolbar"), [] {});
    toolbar->setCheckable(true);
    connect(toolbar, &QAction::toggled, this, [this](bool on) { FPane->SetShowItemToolbar(on); });
    FShowToolbar = toolbar;
}

void DiagramWindow::OpenFile(const QString& fileName)
{
    FPane->LoadFromFile(fileName);
    statusBar()->showMessage(QStringLiteral("%1: %2 tables, %3 links")
                                 .arg(QFileInfo(fileName).fileName(), QString::number(FPane->GetItemCount()),
                                      QString::number(FPane->GetRelationCount())));
}

void DiagramWindow::SetShowItemToolbar(bool value)
{
    FShowToolbar->setChecked(value);
}

QList<QStringList> DiagramWindow::Rows(const QString& sql)
{
    FEngine->ExecSQL(sql);
    TSchemaQueryModel* result = FEngine->Query();
    result->FetchAll();
    QList<QStringList> rows;
    for (int r = 0; r < result->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < result->columnCount(); ++c)
            row << result->index(r, c).data().toString();
        rows.append(row);
    }
    return rows;
}

QSet<QPair<QString, QString>> DiagramWindow::KeyFields(QSqlDriver::DbmsType dbms)
{
    QSet<QPair<QString, QString>> keys;
    if (dbms == QSqlDriver::SQLite || dbms == QSqlDriver::PostgreSQL) {
        for (const QStringList& row :
             Rows(QString::fromLatin1(dbms == QSqlDriver::SQLite ? kSqliteKeys : kPostgresKeys)))
            keys.insert({row.value(0), row.value(1)});
    }
    return keys;
}

QList<DiagramWindow::Reference> DiagramWindow::References(QSqlDriver::DbmsType dbms)
{
    QList<Reference> references;
    if (dbms == QSqlDriver::SQLite || dbms == QSqlDriver::PostgreSQL) {
        const char* sql = dbms == QSqlDriver::SQLite ? kSqliteReferences : kPostgresReferences;
        for (const QStringList& row : Rows(QString::fromLatin1(sql)))
            references.append({row.value(0), row.value(1), row.value(2), row.value(3)});
    }
    return references;
}

// One link per foreign key column, from the referred key row (the parent end)
// to the referring row. A key that names no column refers to the primary key.
void DiagramWindow::Link(const QList<Reference>& references, const QSet<QPair<QString, QString>>& keys)
{
    for (const Reference& r : references) {
        TSchemaItem* parent = FPane->FindItem(r.Target);
        TSchemaItem* child = FPane->FindItem(r.Table);
        if (!parent || !child)
            continue;
        TSchemaSubItem* parentRow = r.TargetField.isEmpty() ? nullptr : parent->GetSubItemByName(r.TargetField);
        for (int i = 0; !parentRow && i < parent->GetSubItemCount(); ++i) {
            if (keys.contains({r.Target, parent->GetSubItem(i)->Caption()}))
                parentRow = parent->GetSubItem(i);
        }
        TSchemaSubItem* childRow = child->GetSubItemByName(r.Field);
        if (!parentRow || !childRow)
            continue;
        try {
            FPane->AddRelation(parent, child, parentRow, childRow);
        } catch (const Exception&) {
            // the same pair of columns named twice: one link is enough
        }
    }
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
    const QList<Reference> references = References(dbms);
    LayOut(references);
    Link(references, keys);

    // A connection string may hold a password: the title names only the database.
    const QString shown = dbms == QSqlDriver::SQLite ? QFileInfo(databaseName).fileName()
                                                     : QStringLiteral("%1 on %2").arg(db.databaseName(), db.hostName());
    setWindowTitle(QStringLiteral("SchemaKit diagram \u2014 %1").arg(shown));
    statusBar()->showMessage(QStringLiteral("%1 tables, %2 links. Drag a row onto a row of another table to link "
                                            "them; right-click a link to edit or delete it.")
                                 .arg(FPane->GetItemCount())
                                 .arg(FPane->GetRelationCount()));
}

// Columns by references, so that every link joins neighbouring columns and
// runs through the gap between them, never behind a box: each referring table
// stands one column right of the deepest table it refers to, then every table
// that is referred to moves right up to the column before its nearest
// referrer. Within a column, boxes are ordered by where the tables they link
// to stand in the column before, and stack without overlap.
void DiagramWindow::LayOut(const QList<Reference>& links)
{
    QMap<QString, QStringList> references; // table -> tables it refers to
    QMap<QString, QStringList> referrers;  // table -> tables referring to it
    for (const Reference& r : links) {
        if (r.Target == r.Table || references[r.Table].contains(r.Target))
            continue;
        references[r.Table] << r.Target;
        referrers[r.Target] << r.Table;
    }
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
    QList<TSchemaItem*> boxes;
    for (int i = 0; i < FPane->GetItemCount(); ++i) {
        boxes << FPane->GetItem(i);
        depthOf(boxes.last()->Caption(), 0);
    }
    for (int pass = 0; pass < 8; ++pass) {
        for (auto it = depth.begin(); it != depth.end(); ++it) {
            int nearest = INT_MAX;
            for (const QString& referrer : referrers.value(it.key()))
                nearest = std::min(nearest, depth.value(referrer));
            if (nearest != INT_MAX && nearest - 1 > it.value())
                it.value() = nearest - 1;
        }
    }
    QMap<int, QList<TSchemaItem*>> columns;
    for (TSchemaItem* box : std::as_const(boxes))
        columns[depth.value(box->Caption())].append(box);

    QMap<QString, double> place; // a table's position within its column
    int x = kMargin;
    for (QList<TSchemaItem*>& column : columns) {
        auto weight = [&](TSchemaItem* box) {
            double sum = 0;
            int n = 0;
            for (const QString& other : references.value(box->Caption()) + referrers.value(box->Caption())) {
                if (place.contains(other)) {
                    sum += place[other];
                    ++n;
                }
            }
            return n ? sum / n : 1e9;
        };
        std::stable_sort(column.begin(), column.end(),
                         [&](TSchemaItem* a, TSchemaItem* b) { return weight(a) < weight(b); });
        int y = kMargin;
        int width = 0;
        for (int i = 0; i < column.size(); ++i) {
            column[i]->move(x, y);
            place[column[i]->Caption()] = i;
            y += column[i]->Height() + kRowGap;
            width = std::max(width, column[i]->Width());
        }
        x += width + kColumnGap;
    }
}

} // namespace demo
