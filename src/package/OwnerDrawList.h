#pragma once

#include <schemakit/schemakit_export.h>

#include "ControlDrag.h"
#include "Set.h"

#include "TextWidthCache.h"

#include <QListWidget>

#include <functional>

namespace schemakit {

/// A state a row is drawn in.
enum TOwnerDrawStateMember : quint8 {
    odSelected = 0, ///< the row is selected
    odGrayed = 1,   ///< the row is greyed
    odDisabled = 2, ///< the row is disabled
    odChecked = 3,  ///< the row's check box is ticked
    odFocused = 4,  ///< the row has the focus
    odDefault = 5,  ///< the row is the default one
};
/// The states a row is drawn in.
using TOwnerDrawState = TSet<TOwnerDrawStateMember>;

/// An owner-drawn list with a fixed row height: string entries, each with one
/// untyped object reference, scrolled a whole row at a time (so TopIndex is the
/// first entry shown). Rows are drawn by DrawItem, which raises OnDrawItem.
///
/// An index out of range reads as an empty entry and is ignored when written.
class SCHEMAKIT_EXPORT TCustomListBox : public QListWidget {
    Q_OBJECT
public:
    /// An event that draws entry `index` into `rect` of `canvas`.
    using TDrawItemEvent =
        std::function<void(QWidget* control, int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas)>;

    /// An empty, unsorted list with rows 16 pixels high.
    explicit TCustomListBox(QWidget* parent = nullptr);
    ~TCustomListBox() override;

    /// The number of entries.
    int Count() const { return count(); }
    /// The text of entry `index`.
    QString Strings(int index) const;
    ///@{
    /// The object reference of entry `index`.
    void* Objects(int index) const;
    void SetObjects(int index, void* object);
    ///@}
    /// Adds an entry (at the end, or where it belongs in a sorted list); returns its index.
    int AddObject(const QString& text, void* object);
    /// Adds many entries at once, in one insertion the view hears of once;
    /// a sorted list still puts each where it belongs.
    void AddObjects(const QStringList& texts, const QList<void*>& objects);
    /// Removes entry `index`.
    void Delete(int index);
    /// Removes every entry.
    void Clear();

    ///@{
    /// A sorted list keeps its entries in alphabetical order, letters compared
    /// without case: AddObject puts an entry where it belongs and returns its
    /// index, and turning sorting on sorts what is there.
    bool Sorted() const noexcept { return FSorted; }
    void SetSorted(bool value);
    ///@}
    ///@{
    /// How wide the rows are for horizontal scrolling, in pixels; 0 (the start)
    /// means as wide as the list, with no horizontal scroll bar.
    int ScrollWidth() const noexcept { return FScrollWidth; }
    void SetScrollWidth(int value);
    ///@}

    ///@{
    /// The height of every row, in pixels; values below 1 are ignored.
    int ItemHeight() const noexcept { return FItemHeight; }
    void SetItemHeight(int value);
    ///@}
    ///@{
    /// The first entry shown (the vertical scroll position, in rows).
    int TopIndex() const;
    void SetTopIndex(int value);
    ///@}
    ///@{
    /// The current entry, -1 when none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int value) { setCurrentRow(value); }
    ///@}
    /// The entry at a point of the list's client area (its viewport), or -1.
    int ItemAtPos(QPoint pos) const;
    /// The rectangle of entry `index` in the viewport, or an empty one.
    QRect ItemRect(int index) const;

    /// Width of a text as the list measures it (with the list's font).
    int TextWidth(const QString& text) const;

    /// The drag-and-drop plumbing of the rows.
    /// Rows are dragged to link them: the drag carries this control, and drags
    /// over it are offered to Drag().OnDragOver and Drag().OnDragDrop.
    TControlDragTarget& Drag() noexcept { return FDrag; }

    /// Draws the entries; without it DrawItem draws the plain text.
    TDrawItemEvent OnDrawItem;

    /// Draws entry `index` into `rect`; the painter already carries the list's font
    /// and colours (or the selection colours). Raises OnDrawItem, else draws the text.
    virtual void DrawItem(int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas);

protected:
    friend class TListItemDelegate;
    /// Paints one whole row: background, then whatever the list kind adds, then
    /// DrawItem for the rest.
    virtual void PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state);
    /// After the list scrolled vertically.
    virtual void Scrolled() {}
    /// A right mouse button press at a point of the viewport (after base handling).
    virtual void RightButtonPressed(QPoint) {}

    /// Calls RightButtonPressed after the base handling of a right press.
    void mousePressEvent(QMouseEvent* event) override;
    /// Forgets measured text widths when the font changes.
    void changeEvent(QEvent* event) override;
    /// Starts a drag carrying the list (see Drag).
    void startDrag(Qt::DropActions supportedActions) override;
    ///@{
    /// Offers the drag to Drag().OnDragOver.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    ///@}
    /// Offers the drop to Drag().OnDragOver and Drag().OnDragDrop.
    void dropEvent(QDropEvent* event) override;

private:
    TControlDragTarget FDrag{*this};
    int FItemHeight = 16;
    int FScrollWidth = 0;
    bool FSorted = false;
    mutable TTextMeasure FMeasure;
};

/// TCustomListBox with a check box in front of every entry. Clicking the check
/// box (or pressing Space on the current entry) toggles it and raises ClickCheck.
class SCHEMAKIT_EXPORT TCheckListBox : public TCustomListBox {
    Q_OBJECT
public:
    /// An empty check list.
    explicit TCheckListBox(QWidget* parent = nullptr);
    ~TCheckListBox() override;

    ///@{
    /// Whether the check box of entry `index` is ticked; setting it raises nothing.
    bool Checked(int index) const;
    void SetChecked(int index, bool value);
    ///@}
    /// Width of the check-box column at the left of every row.
    int CheckWidth() const;

    /// Raised when the user toggled a check box.
    std::function<void(QObject* sender)> OnClickCheck;

protected:
    /// Draws the check box on the list's background, then the rest of the row.
    void PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state) override;
    /// A check box was toggled by the user; raises OnClickCheck.
    virtual void ClickCheck();

    /// A left press on a check box makes its entry current and toggles it.
    void mousePressEvent(QMouseEvent* event) override;
    /// Space toggles the check box of the current entry.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ToggleClickCheck(int index);
    // The style's check-box indicator, drawn once per look and kept.
    QPixmap CheckGlyph(bool checked, int size, qreal dpr) const;
};

} // namespace schemakit
