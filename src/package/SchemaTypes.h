#pragma once

#include "Enumerations.h"
#include "Set.h"

#include <QMetaType>
#include <QString>

#include <functional>

class QObject;

namespace schemakit {

class TSchemaDesignArea;
class TSchemaItem;
class TSchemaSubItem;
class TSchemaRelation;
class TSchemaDataEngine;

// TSchemaControlType and TZBSAction are in Enumerations.h.

/// Whether a box of kind `t` shows rows in a list, check list or tree (rather than a shape).
inline bool IsListKind(TSchemaControlType t)
{
    return t == scListBox || t == scCheckListBox || t == scTreeView;
}

/// Which destructive or editing commands the popup menus of boxes and links offer.
using TZBSActions = TSet<TZBSAction>;

// Events are raised only when assigned; Sender is the raising object. Those that
// answer with no result have a Qt signal of the same meaning beside them,
// emitted right after them (see Raise).

/// An event that only tells that something happened to `Sender`.
using TNotifyEvent = std::function<void(QObject* Sender)>;
/// An event about a box.
using TSchemaItemEvent = std::function<void(QObject* Sender, TSchemaItem* Item)>;
/// An event about a row of a box.
using TSchemaSubItemEvent = std::function<void(QObject* Sender, TSchemaSubItem* SubItem)>;
/// An event about a link.
using TSchemaRelationEvent = std::function<void(QObject* Sender, TSchemaRelation* Relation)>;
/// An event asking whether `Sender` may close; clearing `AllowClose` keeps it open.
using TSchemaCloseEvent = std::function<void(QObject* Sender, bool& AllowClose)>;
/// An event answering the name (or, with `IsAlias`, the alias) SQL uses for the
/// table of a box, `ItemIndex` being the box's place on the pane.
using TGetSchemaItemEvent = std::function<QString(QObject* Sender, TSchemaItem* Item, int ItemIndex, bool IsAlias)>;
/// An event answering the name SQL uses for the field of a row.
using TGetSchemaSubItemEvent = std::function<QString(QObject* Sender, TSchemaSubItem* SubItem)>;

} // namespace schemakit

// The pane's Actions property carries the set as it is.
Q_DECLARE_METATYPE(schemakit::TZBSActions)
