#pragma once

#include "ControlDrag.h"
#include "Set.h"

#include "TextWidthCache.h"

#include <QListWidget>

#include <functional>

namespace schemakit {

enum TOwnerDrawStateMember : quint8 {
    odSelected = 0,
    odGrayed = 1,
    odDisabled = 2,
    odChecked = 3,
    odFocused = 4,
    odDefault = 5,
};
using TOwnerDrawState = TSet<TOwnerDrawStateMember>;

// An owner-drawn list with a fixed row height: string entries, each with one
// untyped object reference, scrolled a whole row at a time (so TopIndex is the
// first entry shown). Rows are drawn by DrawItem, which raises OnDrawItem.
class TCustomListBox : public QListWidget {
    Q_OBJECT
public:
    using TDrawItemEvent =
        std::function<void(QWidget* control, int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas)>;

    explicit TCustomListBox(QWidget* parent = nullptr);
    ~TCustomListBox() override;

    int Count() const { return count(); }
    QString Strings(int index) const;
    void* Objects(int index) const;
    void SetObjects(int index, void* object);
    int AddObject(const QString& text, void* object);
    // Adds many entries at once, in one insertion the view hears of once;
    // a sorted list still puts each where it belongs.
    void AddObjects(const QStringList& texts, const QList<void*>& objects);
    void Delete(int index);
    void Clear();

    // A sorted list keeps its entries in alphabetical order, letters compared
    // without case: AddObject puts an entry where it belongs and returns its
    // index, and turning sorting on sorts what is there.
    bool Sorted() const noexcept { return FSorted; }
    void SetSorted(bool value);
    // How wide the rows are for horizontal scrolling, in pixels; 0 (the start)
    // means as wide as the list, with no horizontal scroll bar.
    int ScrollWidth() const noexcept { return FScrollWidth; }
    void SetScrollWidth(int value);

    int ItemHeight() const noexcept { return FItemHeight; }
    void SetItemHeight(int value);
    int TopIndex() const;
    void SetTopIndex(int value);
    // The current entry, -1 when none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int value) { setCurrentRow(value); }
    // The entry at a point of the list's client area (its viewport), or -1.
    int ItemAtPos(QPoint pos) const;
    QRect ItemRect(int index) const;

    // Width of a text as the list measures it (with the list's font).
    int TextWidth(const QString& text) const;

    // Rows are dragged to link them: the drag carries this control, and drags
    // over it are offered to Drag().OnDragOver and Drag().OnDragDrop.
    TControlDragTarget& Drag() noexcept { return FDrag; }

    TDrawItemEvent OnDrawItem;

    // Draws entry `index` into `rect`; the painter already carries the list's font
    // and colours (or the selection colours). Raises OnDrawItem, else draws the text.
    virtual void DrawItem(int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas);

protected:
    friend class TListItemDelegate;
    // Paints one whole row: background, then whatever the list kind adds, then
    // DrawItem for the rest.
    virtual void PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state);
    // After the list scrolled vertically.
    virtual void Scrolled() {}
    // A right mouse button press at a point of the viewport (after base handling).
    virtual void RightButtonPressed(QPoint) {}

    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TControlDragTarget FDrag{*this};
    int FItemHeight = 16;
    int FScrollWidth = 0;
    bool FSorted = false;
    mutable TTextMeasure FMeasure;
};

// TCustomListBox with a check box in front of every entry. Clicking the check
// box (or pressing Space on the current entry) toggles it and raises ClickCheck.
class TCheckListBox : public TCustomListBox {
    Q_OBJECT
public:
    explicit TCheckListBox(QWidget* parent = nullptr);
    ~TCheckListBox() override;

    bool Checked(int index) const;
    void SetChecked(int index, bool value);
    // Width of the check-box column at the left of every row.
    int CheckWidth() const;

    std::function<void(QObject* sender)> OnClickCheck;

protected:
    void PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state) override;
    // A check box was toggled by the user.
    virtual void ClickCheck();

    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ToggleClickCheck(int index);
    // The style's check-box indicator, drawn once per look and kept.
    QPixmap CheckGlyph(bool checked, int size, qreal dpr) const;
};

} // namespace schemakit
