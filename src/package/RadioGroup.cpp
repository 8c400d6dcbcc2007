#include "RadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace schemakit {

QList<QRect> RadioGroupButtonRects(QSize size, int count, int columns, int textHeight)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    columns = std::max(columns, 1);
    const int perColumn = (count + columns - 1) / columns;
    const int buttonWidth = std::max((size.width() - 10) / columns, 0);
    const int below = std::max(size.height() - textHeight - 5, 0);
    const int buttonHeight = below / perColumn;
    const int topMargin = textHeight + 1 + (below % perColumn) / 2;
    rects.reserve(count);
    for (int i = 0; i < count; ++i)
        rects.append(QRect((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                           buttonHeight));
    return rects;
}

TRadioGroup::TRadioGroup(QWidget* parent) : TGroupBox(parent)
{
}

TRadioGroup::~TRadioGroup() = default;

QRadioButton* TRadioGroup::Buttons(int index) const
{
    return index >= 0 && index < FButtons.size() ? FButtons.at(index) : nullptr;
}

void TRadioGroup::SetItems(const QStringList& items)
{
    FItems = items;
    {
        // Deleting a checked button must not read as the user picking another.
        const QScopedValueRollback guard(FUpdating, true);
        qDeleteAll(std::exchange(FButtons, {}));
        for (int i = 0; i < FItems.size(); ++i) {
            auto* button = new QRadioButton(FItems.at(i), this);
            connect(button, &QRadioButton::toggled, this, [this, i](bool checked) { ButtonToggled(i, checked); });
            FButtons.append(button);
            button->show();
        }
    }
    const int old = FItemIndex;
    FItemIndex = std::min(FItemIndex, Count() - 1);
    ShowItemIndex();
    ArrangeButtons();
    if (FItemIndex != old)
        emit itemIndexChanged(FItemIndex);
}

void TRadioGroup::SetColumns(int value)
{
    value = std::clamp(value, 1, 16);
    if (value == FColumns)
        return;
    FColumns = value;
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int value)
{
    value = std::clamp(value, -1, Count() - 1);
    if (value == FItemIndex)
        return;
    FItemIndex = value;
    ShowItemIndex();
    emit itemIndexChanged(FItemIndex);
}

void TRadioGroup::ShowItemIndex()
{
    const QScopedValueRollback guard(FUpdating, true);
    if (QRadioButton* checked = Buttons(FItemIndex)) {
        checked->setChecked(true);
    } else {
        // An exclusive button refuses to be unchecked while it is the checked one.
        for (QRadioButton* button : std::as_const(FButtons)) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        }
    }
    // Focusing the group lands on its checked button, as tabbing into it does; if
    // one of its buttons holds the focus, the focus follows the check.
    QRadioButton* target = FItemIndex >= 0 ? Buttons(FItemIndex) : Buttons(0);
    setFocusProxy(target);
    QWidget* focused = window()->focusWidget();
    if (target && focused != target && FButtons.contains(focused))
        target->setFocus();
}

void TRadioGroup::ButtonToggled(int index, bool checked)
{
    if (FUpdating || !checked || index == FItemIndex)
        return;
    FItemIndex = index;
    setFocusProxy(Buttons(index));
    emit itemIndexChanged(FItemIndex);
}

void TRadioGroup::ArrangeButtons()
{
    const int textHeight = QFontMetrics(font()).height();
    const QList<QRect> rects = RadioGroupButtonRects(size(), Count(), FColumns, textHeight);
    for (int i = 0; i < rects.size(); ++i)
        FButtons.at(i)->setGeometry(rects.at(i));
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    TGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent* event)
{
    TGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ArrangeButtons();
}

} // namespace schemakit
