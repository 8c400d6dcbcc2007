#pragma once

#include "ControlDrag.h"
#include "ImageList.h"
#include "TextWidthCache.h"

#include <QPointer>
#include <QTreeWidget>

#include <functional>

namespace schemakit {

// A tree whose nodes carry a text, one untyped object reference, four image
// indexes (image, selected, overlay, state) and a bold and a cut state. Nodes are
// addressed by their absolute index: depth-first order over the whole tree,
// expanded or not. Lines are a fixed 16 pixels high.
class TTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 16;

    enum TImageKind { ikImage = 0, ikSelected = 1, ikOverlay = 2, ikState = 3 };

    explicit TTreeView(QWidget* parent = nullptr);
    ~TTreeView() override;

    // Appends a node as the last child of `parentNode`, or as the last top-level
    // node when `parentNode` is null.
    QTreeWidgetItem* AddChildObject(QTreeWidgetItem* parentNode, const QString& text, void* object);
    // Deletes a node with all its children.
    void Delete(QTreeWidgetItem* node);
    void Clear();

    // Number of nodes, expanded or not.
    int Count() const noexcept { return FCount; }
    QTreeWidgetItem* Node(int absoluteIndex) const;
    int AbsoluteIndex(const QTreeWidgetItem* node) const;
    // The first node shown at the top of the view, or null when the tree is empty.
    QTreeWidgetItem* TopItem() const;
    // The next node below `node` whose ancestors are all expanded, or null.
    QTreeWidgetItem* NextVisible(QTreeWidgetItem* node) const;
    // Absolute indexes of the nodes shown (all ancestors expanded), in order,
    // from the top node on; one pass over the tree.
    QList<int> ShownAbsoluteIndexesFromTop() const;
    QTreeWidgetItem* NodeAt(QPoint pos) const { return itemAt(pos); }
    QTreeWidgetItem* Selected() const { return currentItem(); }
    void FullExpand() { expandAll(); }

    static void* Data(const QTreeWidgetItem* node);
    static void SetData(QTreeWidgetItem* node, void* object);
    static bool Bold(const QTreeWidgetItem* node);
    static bool Cut(const QTreeWidgetItem* node);
    // The bold and cut states are written together, as the platform tree does.
    static void SetBoldAndCut(QTreeWidgetItem* node, bool bold, bool cut);
    static int ImageIndex(const QTreeWidgetItem* node, TImageKind kind);
    static void SetImageIndex(QTreeWidgetItem* node, TImageKind kind, int value);

    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    TImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TImageList* images);

    int TextWidth(const QString& text) const;

    // Rows are dragged to link them: the drag carries this control, and drags
    // over it are offered to Drag().OnDragOver and Drag().OnDragDrop.
    TControlDragTarget& Drag() noexcept { return FDrag; }

protected:
    friend class TTreeItemDelegate;
    void PaintNode(QPainter& painter, const QRect& rect, const QTreeWidgetItem* node, bool selected);

    // After a node was expanded or collapsed by the user or by code.
    virtual void Expanded(QTreeWidgetItem*) {}
    virtual void Collapsed(QTreeWidgetItem*) {}
    virtual void Scrolled() {}
    virtual void RightButtonPressed(QPoint) {}

    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TControlDragTarget FDrag{*this};
    int FCount = 0;
    mutable TTextMeasure FMeasure;
    QPointer<TImageList> FImages;
    QPointer<TImageList> FStateImages;
};

} // namespace schemakit
