#pragma once

#include "GroupBox.h"

#include <QList>
#include <QRect>
#include <QStringList>

class QRadioButton;

namespace schemakit {

// Where a radio group puts `count` buttons inside a group box of `size` whose
// caption font is `textHeight` pixels high. Columns are filled top to bottom,
// ceil(count / columns) buttons each; the buttons share the width left of a
// 5-pixel margin each side and the height below the caption, and the rows that
// do not divide evenly are split as margin above and below.
QList<QRect> RadioGroupButtonRects(QSize size, int count, int columns, int textHeight);

// A group box holding one radio button per entry of Items, laid out in Columns
// columns; ItemIndex is the checked entry (-1 for none).
class TRadioGroup : public TGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);
    ~TRadioGroup() override;

    QStringList Items() const { return FItems; }
    // Recreates the buttons; the index is kept, or pulled back to the last entry.
    // Buttons join the window's tab chain where they are made, so a form sets the
    // items right after creating the group to keep its tab order.
    void SetItems(const QStringList& items);

    int Columns() const noexcept { return FColumns; }
    // 1 to 16.
    void SetColumns(int value);

    int ItemIndex() const noexcept { return FItemIndex; }
    // Values below -1 mean -1 and values past the end the last entry.
    void SetItemIndex(int value);

    int Count() const { return int(FButtons.size()); }
    QRadioButton* Buttons(int index) const;

signals:
    void itemIndexChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
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
