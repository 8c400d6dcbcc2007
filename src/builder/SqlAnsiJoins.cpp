#include "SqlAnsiJoins.h"

#include <QQueue>

namespace schemakit {

// How the diagram becomes one FROM clause:
//
// - Boxes linked to each other, directly or through others, form one join
//   chain; the chains stand in the order of their first box, separated by
//   commas, so an unlinked box is a chain of its own after a comma.
// - A chain starts at its first box and grows breadth first: the links of each
//   box already in the chain are taken in the pane's link order, and a link to
//   a box not yet in the chain joins that box with the link's kind. A left
//   outer link keeps every row of its parent box, a right outer link every row
//   of its child box, so when the box that joins is the link's parent the
//   written direction turns round (a left outer link from customer to orders,
//   reached from orders, reads "orders RIGHT OUTER JOIN customer").
// - Every further link between the joining box and a box already in the chain
//   (a second column of a composite key, a link closing a cycle) adds its
//   condition with AND to the ON of that join. An ON clause may only name the
//   tables joined before it, and at the moment a box joins the boxes on both
//   ends of such a link are exactly those.
// - A link from a box to itself compares two columns of one row: there is no
//   second table to join or to preserve, so its condition goes after WHERE,
//   whatever its kind. Those are the rows the other dialects give too, and
//   SQLite and PostgreSQL both take it. (To join a table to itself, the user
//   drops it twice; the two boxes get aliases and join like any others.)
// - A link whose end names no box of the snapshot cannot join anything; its
//   condition goes after WHERE as well, so that nothing the user drew vanishes.
//
// Every box enters the clause exactly once, and each link is looked at once
// from each of its ends, so the work is linear in boxes plus links.

namespace {

QStringView JoinKeyword(TSDRelationJoin join, bool joiningParent)
{
    switch (join) {
    case rjLeftOuter: return joiningParent ? u"RIGHT OUTER JOIN" : u"LEFT OUTER JOIN";
    case rjRightOuter: return joiningParent ? u"LEFT OUTER JOIN" : u"RIGHT OUTER JOIN";
    case rjFull: return u"FULL OUTER JOIN";
    default: return u"INNER JOIN";
    }
}

} // namespace

TSQLAnsiFrom BuildAnsiFrom(const TSQLSnapshot& Snapshot, const TSQLTableNames& Names,
                           const std::function<QString(const TSQLLink&)>& Condition)
{
    const QList<TSQLBox>& boxes = Snapshot.Boxes;
    const QList<TSQLLink>& links = Snapshot.Links;
    TSQLAnsiFrom from;

    // Box indexes of both ends, and each box's links in link order.
    QList<qsizetype> parentOf(links.size()), childOf(links.size());
    QList<QList<qsizetype>> linksOf(boxes.size());
    QList<bool> used(links.size(), false);
    QList<bool> joined(boxes.size(), false);
    for (qsizetype l = 0; l < links.size(); ++l) {
        const qsizetype parent = Names.IndexOf(links[l].Parent.Box);
        const qsizetype child = Names.IndexOf(links[l].Child.Box);
        parentOf[l] = parent;
        childOf[l] = child;
        if (parent < 0 || child < 0 || parent == child) {
            from.Filters.append(Condition(links[l]));
            used[l] = true;
            continue;
        }
        linksOf[parent].append(l);
        linksOf[child].append(l);
    }

    const auto otherEnd = [&](qsizetype l, qsizetype box) { return parentOf[l] == box ? childOf[l] : parentOf[l]; };

    QQueue<qsizetype> queue;
    for (qsizetype first = 0; first < boxes.size(); ++first) {
        if (joined[first])
            continue;
        if (!from.Tables.isEmpty())
            from.Tables += u", ";
        from.Tables += Names.TableName(&boxes[first], false);
        joined[first] = true;
        queue.enqueue(first);
        while (!queue.isEmpty()) {
            const qsizetype box = queue.dequeue();
            for (qsizetype l : std::as_const(linksOf[box])) {
                // A link still unused here leads out of the chain: one between
                // two boxes of the chain was used when the later of them joined.
                if (used[l])
                    continue;
                const qsizetype joining = otherEnd(l, box);
                used[l] = true;
                joined[joining] = true;
                QString on = Condition(links[l]);
                for (qsizetype m : std::as_const(linksOf[joining])) {
                    if (!used[m] && joined[otherEnd(m, joining)]) {
                        used[m] = true;
                        on += u" AND ";
                        on += Condition(links[m]);
                    }
                }
                from.Tables += u' ';
                from.Tables += JoinKeyword(links[l].Join, parentOf[l] == joining);
                from.Tables += u' ';
                from.Tables += Names.TableName(&boxes[joining], false);
                from.Tables += u" ON ";
                from.Tables += on;
                queue.enqueue(joining);
            }
        }
    }
    return from;
}

} // namespace schemakit
