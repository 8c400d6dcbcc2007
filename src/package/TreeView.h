#pragma once

#include <schemakit/schemakit_export.h>

#include "ControlDrag.h"
#include "ImageList.h"
#include "TextWidthCache.h"

#include <QPointer>
#include <QTreeWidget>

#include <functional>

namespace schemakit {

/// A tree whose nodes carry a text, one untyped object reference, four image
/// indexes (image, selected, overlay, state) and a bold and a cut state. Nodes are
/// addressed by their absolute index: depth-first order over the whole tree,
/// expanded or not. Lines are a fixed 16 pixels high.
class SCHEMAKIT_EXPORT TTreeView : public QTreeWidget {
    Q_OBJECT
public:
    /// The height of every line, in pixels.
    static constexpr int kLineHeight = 16;

    /// Which of a node's four image indexes is meant.
    enum TImageKind {
        ikImage = 0,    ///< the image drawn beside the text
        ikSelected = 1, ///< the image drawn instead while the node is the current one
        ikOverlay = 2,  ///< an overlay image (stored, not drawn)
        ikState = 3     ///< the state image drawn left of the image, from StateImages
    };

    /// An empty tree.
    explicit TTreeView(QWidget* parent = nullptr);
    ~TTreeView() override;

    /// Appends a node as the last child of `parentNode`, or as the last top-level
    /// node when `parentNode` is null; it carries `text` and `object`.
    QTreeWidgetItem* AddChildObject(QTreeWidgetItem* parentNode, const QString& text, void* object);
    /// Deletes a node with all its children; null or another tree's node does nothing.
    void Delete(QTreeWidgetItem* node);
    /// Deletes every node.
    void Clear();

    /// Number of nodes, expanded or not.
    int Count() const noexcept { return FCount; }
    /// The node at an absolute index, or null outside 0 .. Count() - 1.
    QTreeWidgetItem* Node(int absoluteIndex) const;
    /// The absolute index of `node`, or -1 when it is not in the tree.
    int AbsoluteIndex(const QTreeWidgetItem* node) const;
    /// The first node shown at the top of the view, or null when the tree is empty.
    QTreeWidgetItem* TopItem() const;
    /// The next node below `node` whose ancestors are all expanded, or null.
    QTreeWidgetItem* NextVisible(QTreeWidgetItem* node) const;
    /// Absolute indexes of the nodes shown (all ancestors expanded), in order,
    /// from the top node on; one pass over the tree.
    QList<int> ShownAbsoluteIndexesFromTop() const;
    /// The node at a point of the viewport, or null.
    QTreeWidgetItem* NodeAt(QPoint pos) const { return itemAt(pos); }
    /// The current node, or null.
    QTreeWidgetItem* Selected() const { return currentItem(); }
    /// Expands every node.
    void FullExpand() { expandAll(); }

    ///@{
    /// The object reference a node carries (null for a null node).
    static void* Data(const QTreeWidgetItem* node);
    static void SetData(QTreeWidgetItem* node, void* object);
    ///@}
    /// Whether a node's text is drawn bold.
    static bool Bold(const QTreeWidgetItem* node);
    /// Whether a node is cut: its image is drawn greyed.
    static bool Cut(const QTreeWidgetItem* node);
    /// Sets a node's bold and cut states.
    /// The bold and cut states are written together, as the platform tree does.
    static void SetBoldAndCut(QTreeWidgetItem* node, bool bold, bool cut);
    ///@{
    /// One of a node's image indexes; -1 (none) until set.
    static int ImageIndex(const QTreeWidgetItem* node, TImageKind kind);
    static void SetImageIndex(QTreeWidgetItem* node, TImageKind kind, int value);
    ///@}

    ///@{
    /// The images the nodes' image indexes pick from; not owned, forgotten when freed.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    ///@}
    ///@{
    /// The images the nodes' state indexes pick from; not owned, forgotten when freed.
    TImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TImageList* images);
    ///@}

    /// The width of `text` in the tree's font, in pixels.
    int TextWidth(const QString& text) const;

    /// The drag-and-drop plumbing of the rows.
    /// Rows are dragged to link them: the drag carries this control, and drags
    /// over it are offered to Drag().OnDragOver and Drag().OnDragDrop.
    TControlDragTarget& Drag() noexcept { return FDrag; }

protected:
    friend class TTreeItemDelegate;
    /// Draws a node in `rect`: state image, image (greyed when cut) and text (bold when bold).
    void PaintNode(QPainter& painter, const QRect& rect, const QTreeWidgetItem* node, bool selected);

    ///@{
    /// After a node was expanded or collapsed by the user or by code.
    virtual void Expanded(QTreeWidgetItem*) {}
    virtual void Collapsed(QTreeWidgetItem*) {}
    ///@}
    /// After the tree scrolled vertically.
    virtual void Scrolled() {}
    /// After the right mouse button was pressed at a point of the viewport.
    virtual void RightButtonPressed(QPoint) {}

    /// Calls RightButtonPressed after the base handling of a right press.
    void mousePressEvent(QMouseEvent* event) override;
    /// Forgets measured text widths when the font changes.
    void changeEvent(QEvent* event) override;
    /// Starts a drag carrying the tree (see Drag).
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
    int FCount = 0;
    mutable TTextMeasure FMeasure;
    QPointer<TImageList> FImages;
    QPointer<TImageList> FStateImages;
};

} // namespace schemakit
