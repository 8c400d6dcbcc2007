#pragma once

#include <schemakit/builder/SqlGeneration.h>

namespace sqltest {

using namespace schemakit;

// Builds a snapshot the way the form would: boxes and links in the order they
// were added, columns in grid order, and item indexes as the pane counts them
// (links first, then boxes).
struct SnapshotBuilder {
    TSQLSnapshot Snapshot;

    quintptr Box(const QString& caption)
    {
        const quintptr id = 100 + Snapshot.Boxes.size();
        Snapshot.Boxes.append({id, caption, 0});
        Number();
        return id;
    }

    TSQLColumn& Column(quintptr box, const QString& field)
    {
        Snapshot.Columns.append(TSQLColumn{});
        Snapshot.Columns.last().Field = {box, field, 0};
        return Snapshot.Columns.last();
    }

    void Link(quintptr parent, const QString& parentField, quintptr child, const QString& childField,
              TSDRelationJoin join = rjInner, TSDRelationOperator op = roEqual)
    {
        Snapshot.Links.append({{parent, parentField, 0}, {child, childField, 0}, op, join});
        Number();
    }

    QString Sql(std::optional<TSQLSubType> dialect) const
    {
        TSQLSnapshot snapshot = Snapshot;
        snapshot.Dialect = dialect;
        return GenerateSQL(snapshot);
    }

private:
    void Number()
    {
        for (qsizetype i = 0; i < Snapshot.Boxes.size(); ++i)
            Snapshot.Boxes[i].ItemIndex = int(Snapshot.Links.size() + i);
    }
};

} // namespace sqltest
