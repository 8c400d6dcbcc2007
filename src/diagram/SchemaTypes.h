#pragma once

#include "../package/Set.h"

#include <QString>

#include <functional>

class QObject;

namespace schemakit {

class TSchemaDesignArea;
class TSchemaItem;
class TSchemaSubItem;
class TSchemaRelation;
class TSchemaDataEngine;

// The kind of a box, fixed when it is made. The first three are the list kinds
// (rows in a list, check list or tree); text and icon boxes are the shape kinds
// and hold at most one row.
enum TSchemaControlType : quint8 {
    scListBox = 0,
    scCheckListBox = 1,
    scTreeView = 2,
    scText = 3,
    scIcon = 4,
};

inline bool IsListKind(TSchemaControlType t)
{
    return t == scListBox || t == scCheckListBox || t == scTreeView;
}

// Which destructive or editing commands the popup menus of boxes and links offer.
enum TZBSAction : quint8 {
    saDeleteItem = 0,
    saDeleteReleation = 1,
    saEditRelation = 2,
};
using TZBSActions = TSet<TZBSAction>;

// Events are raised only when assigned; Sender is the raising object.
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TSchemaItemEvent = std::function<void(QObject* Sender, TSchemaItem* Item)>;
using TSchemaSubItemEvent = std::function<void(QObject* Sender, TSchemaSubItem* SubItem)>;
using TSchemaRelationEvent = std::function<void(QObject* Sender, TSchemaRelation* Relation)>;
using TSchemaCloseEvent = std::function<void(QObject* Sender, bool& AllowClose)>;
using TGetSchemaItemEvent = std::function<QString(QObject* Sender, TSchemaItem* Item, int ItemIndex, bool IsAlias)>;
using TGetSchemaSubItemEvent = std::function<QString(QObject* Sender, TSchemaSubItem* SubItem)>;

} // namespace schemakit
