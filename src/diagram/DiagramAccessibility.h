#pragma once

// What screen readers and other accessibility clients see of a diagram. The
// boxes are widgets and come with Qt's own interfaces; the pane gets one that
// also lists the links, which are no widgets, after its child widgets, and each
// link gets one of its own. Internal to the library.

#include "../package/Enumerations.h"

#include <QAccessible>
#include <QString>

class QObject;

namespace schemakit {

class TSchemaRelation;

// Registers the diagram's accessible factory with Qt; only the first call does.
void InstallDiagramAccessibility();

// "Table, 5 fields": the kind of a box and how many rows it has.
QString ItemAccessibleDescription(TSchemaControlType kind, int rowCount);
// "customers.customer_id = orders.customer_id": parent box and row, the link's
// operator as the relation dialog shows it, child box and row.
QString RelationAccessibleName(const TSchemaRelation& link);
// The kind of join, "Inner join", "Left outer join", ...
QString RelationAccessibleDescription(const TSchemaRelation& link);

// Tells accessibility clients about a change of `object`, when any listens.
void NotifyAccessibility(QObject* object, QAccessible::Event event);

} // namespace schemakit
