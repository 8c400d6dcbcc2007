#pragma once

#include <schemakit/schemakit_export.h>

#include "Color.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <QSet>

#include <functional>

class QMenu;

namespace schemakit {

/// A widget child with this property set to true is docked: it stays put while
/// the contents scroll and takes no part in the scroll range.
inline constexpr const char* kDockedProperty = "schemakitDocked";

/// A scrolling container whose child widgets sit on its viewport and move when it
/// scrolls (so their positions are in the visible area's coordinates), with a scroll
/// range that follows the extent of its children. It keeps its own ordered child
/// list: windowless elements (plain QObjects drawn by the viewport) first, then
/// windowed children (widgets), each group in the order it was put in.
class SCHEMAKIT_EXPORT TScrollBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(schemakit::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_MOC_INCLUDE(<QMenu>)
public:
    /// An empty container.
    explicit TScrollBox(QWidget* parent = nullptr);
    ~TScrollBox() override;

    /// The number of children in the list, windowless and windowed.
    int ControlCount() const noexcept { return int(FControls.size()); }
    /// The number of windowless children.
    /// The windowless children stand at positions 0 .. WindowlessCount() - 1.
    int WindowlessCount() const noexcept { return FWindowlessCount; }
    /// The child at a 0-based position, or null outside the list.
    QObject* Controls(int index) const;
    /// The position of `control` in the list, or -1.
    int IndexOfControl(const QObject* control) const;

    /// Puts a child into the list (a widget at the end, anything else at the end of
    /// the windowless group). A widget must already be a child of the viewport.
    /// A child that is destroyed leaves the list by itself.
    void InsertControl(QObject* control);
    /// Takes a child out of the list (it stays the viewport's child); one not listed is ignored.
    void RemoveControl(QObject* control);

    ///@{
    /// The background colour of the viewport.
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor color);
    ///@}

    /// True while a scroll moves the windowed children: each of them hears of its
    /// move, and what follows every scroll (Scrolled) need not happen per child.
    bool IsScrolling() const noexcept { return FScrolling; }
    /// While Scrolled() runs: how far the last scroll moved the viewport's
    /// pixels, children and windowless elements alike; (0, 0) otherwise.
    QPoint ScrollShift() const noexcept { return FScrollShift; }

    /// How far the contents are scrolled (the scroll bars' positions).
    QPoint ScrollOffset() const;
    /// Union of the windowed children's rectangles, in content coordinates.
    QRect ContentRect() const;
    /// Recomputes the scroll range now; it is otherwise updated soon after any child
    /// moves, sizes, shows or hides.
    void UpdateScrollRange();

    ///@{
    /// Shown at the mouse when the empty pane is right-clicked; not owned.
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);
    ///@}

    // Key events of the container, raised before the base handling. A handler
    // may set Key to 0 (OnKeyDown, OnKeyUp) or Key to a null character
    // (OnKeyPress) to swallow the key.

    /// A key went down; setting `Key` to 0 swallows it.
    std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;
    /// A key typed a character; setting `Key` to a null character swallows it.
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    /// A key went up; setting `Key` to 0 swallows it.
    std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyUp;

signals:
    /// Emitted by the destructor while the scroll box is still whole: children
    /// that may outlive it (they belong to someone else) leave it now.
    void destroying(TScrollBox* scrollBox);
    // OnKeyDown, OnKeyPress and OnKeyUp as signals, emitted after the handler
    // (see Raise). A receiver connected directly may swallow the key as a
    // handler may, through the pointer.

    /// OnKeyDown as a signal, emitted after the handler; a receiver connected
    /// directly may swallow the key through the pointer.
    void keyDown(int* key, Qt::KeyboardModifiers shift);
    /// OnKeyPress as a signal, emitted after the handler; a receiver connected
    /// directly may swallow the key through the pointer.
    void keyPressed(QChar* key);
    /// OnKeyUp as a signal, emitted after the handler; a receiver connected
    /// directly may swallow the key through the pointer.
    void keyUp(int* key, Qt::KeyboardModifiers shift);

protected:
    /// Moves the viewport's pixels and children, then calls Scrolled.
    void scrollContentsBy(int dx, int dy) override;
    /// Called after every scroll, horizontal or vertical.
    virtual void Scrolled() {}
    /// Watches the listed widgets: a move, resize, show or hide updates the scroll range soon.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Answers the scroll box's own deferred request to update the scroll range.
    bool event(QEvent* event) override;
    /// Updates the scroll range for the new viewport size.
    void resizeEvent(QResizeEvent* event) override;
    /// Raises OnKeyDown and then, for a key with text, OnKeyPress, before the base handling.
    void keyPressEvent(QKeyEvent* event) override;
    /// Raises OnKeyUp before the base handling.
    void keyReleaseEvent(QKeyEvent* event) override;
    /// Shows PopupMenu at the mouse, when there is one.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ScheduleScrollRangeUpdate();
    void ApplyColor();

    void Forget(QObject* control);

    QList<QObject*> FControls;
    QSet<QObject*> FListed;
    int FWindowlessCount = 0;
    bool FRangeUpdatePending = false;
    bool FScrolling = false;
    QPoint FScrollShift;
    QPointer<QMenu> FPopupMenu;
    TColor FColor = clBtnFace;
};

} // namespace schemakit
