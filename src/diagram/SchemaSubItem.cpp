#include "SchemaSubItem.h"

#include "SchemaItem.h"

#include "../package/Exceptions.h"

namespace schemakit {

namespace {
QObject* CheckedOwner(QObject* owner)
{
    if (owner && !qobject_cast<TSchemaItem*>(owner))
        throw EInvalidCast();
    return owner;
}
} // namespace

TSchemaSubItem::TSchemaSubItem(QObject* owner)
    : QObject(CheckedOwner(owner)), FItemOwner(qobject_cast<TSchemaItem*>(owner))
{
}

TSchemaSubItem::~TSchemaSubItem() = default;

void TSchemaSubItem::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    if (FItemOwner)
        FItemOwner->SubItemCheckChanged(this);
}

void TSchemaSubItem::SetImageIndexOf(int which, int value)
{
    int* fields[] = {&FImageIndex, &FSelectedIndex, &FOverlayIndex, &FStateIndex};
    if (*fields[which] == value)
        return;
    *fields[which] = value;
    if (FItemOwner)
        FItemOwner->SubItemImageChanged(this, which, value);
}

} // namespace schemakit
