#pragma once

#include "../package/Enumerations.h"
#include "../package/Set.h"

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

inline bool IsListKind(TSchemaControlType t)
{
    return t == scListBox || t == scCheckListBox || t == scTreeView;
}

// Which destructive or editing commands the popup menus of boxes and links offer.
using TZBSActions = TSet<TZBSAction>;

// Events are raised only when assigned; Sender is the raising object. Those that
// answer with no result have a Qt signal of the same meaning beside them,
// emitted right after them (see Raise).
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TSchemaItemEvent = std::function<void(QObject* Sender, TSchemaItem* Item)>;
using TSchemaSubItemEvent = std::function<void(QObject* Sender, TSchemaSubItem* SubItem)>;
using TSchemaRelationEvent = std::function<void(QObject* Sender, TSchemaRelation* Relation)>;
using TSchemaCloseEvent = std::function<void(QObject* Sender, bool& AllowClose)>;
using TGetSchemaItemEvent = std::function<QString(QObject* Sender, TSchemaItem* Item, int ItemIndex, bool IsAlias)>;
using TGetSchemaSubItemEvent = std::function<QString(QObject* Sender, TSchemaSubItem* SubItem)>;

} // namespace schemakit

// The pane's Actions property carries the set as it is.
Q_DECLARE_METATYPE(schemakit::TZBSActions)
