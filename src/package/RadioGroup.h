#pragma once

#include <schemakit/schemakit_export.h>

#include "GroupBox.h"

#include <QList>
#include <QRect>
#include <QStringList>

class QRadioButton;

namespace schemakit {

/// Where a radio group puts `count` buttons inside a group box of `size` whose
/// caption font is `textHeight` pixels high. Columns are filled top to bottom,
/// ceil(count / columns) buttons each; the buttons share the width left of a
/// 5-pixel margin each side and the height below the caption, and the rows that
/// do not divide evenly are split as margin above and below.
QList<QRect> RadioGroupButtonRects(QSize size, int count, int columns, int textHeight);

/// A group box holding one radio button per entry of Items, laid out in Columns
/// columns; ItemIndex is the checked entry (-1 for none).
class SCHEMAKIT_EXPORT TRadioGroup : public TGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
public:
    /// An empty group with one column and nothing checked.
    explicit TRadioGroup(QWidget* parent = nullptr);
    ~TRadioGroup() override;

    /// The captions of the buttons, one button per entry.
    QStringList Items() const { return FItems; }
    /// Recreates the buttons; the index is kept, or pulled back to the last entry.
    /// Buttons join the window's tab chain where they are made, so a form sets the
    /// items right after creating the group to keep its tab order.
    void SetItems(const QStringList& items);

    /// The number of columns the buttons are laid out in.
    int Columns() const noexcept { return FColumns; }
    /// Sets the number of columns, 1 to 16.
    void SetColumns(int value);

    /// The entry whose button is checked, -1 for none.
    int ItemIndex() const noexcept { return FItemIndex; }
    /// Checks the button of entry `value`.
    /// Values below -1 mean -1 and values past the end the last entry.
    void SetItemIndex(int value);

    /// The number of buttons.
    int Count() const { return int(FButtons.size()); }
    /// The button of entry `index`, or null when index is out of range.
    QRadioButton* Buttons(int index) const;

signals:
    /// Emitted when the checked entry changes: by the user, by SetItemIndex, or by
    /// SetItems pulling it back.
    void itemIndexChanged(int index);

protected:
    /// Lays the buttons out again for the new size.
    void resizeEvent(QResizeEvent* event) override;
    /// Lays the buttons out again when the font changes.
    void changeEvent(QEvent* event) override;

private:
    void ArrangeButtons();
    void ShowItemIndex();
    void ButtonToggled(int index, bool checked);

    QStringList FItems;
    int FColumns = 1;
    int FItemIndex = -1;
    QList<QRadioButton*> FButtons;
    bool FUpdating = false;
};

} // namespace schemakit
