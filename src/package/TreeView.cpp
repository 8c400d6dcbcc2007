#include "TreeView.h"

#include "ErrorBoundary.h"
#include "ImageList.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace schemakit {

namespace {
constexpr int kObjectRole = Qt::UserRole + 1;
constexpr int kBoldRole = Qt::UserRole + 2;
constexpr int kCutRole = Qt::UserRole + 3;
constexpr int kImageRole = Qt::UserRole + 10; // + TImageKind

int CountWithChildren(const QTreeWidgetItem* node)
{
    int n = 1;
    for (int i = 0; i < node->childCount(); ++i)
        n += CountWithChildren(node->child(i));
    return n;
}
} // namespace

class TTreeItemDelegate : public QStyledItemDelegate {
public:
    explicit TTreeItemDelegate(TTreeView* tree) : QStyledItemDelegate(tree), FTree(tree) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QTreeWidgetItem* node = FTree->itemFromIndex(index);
        if (!node)
            return;
        painter->save();
        Guarded(FTree, [&] { FTree->PaintNode(*painter, option.rect, node, option.state & QStyle::State_Selected); });
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QTreeWidgetItem* node = FTree->itemFromIndex(index);
        int w = node ? FTree->TextWidth(node->text(0)) + 4 : 0;
        if (FTree->Images())
            w += FTree->Images()->Width() + 2;
        if (FTree->StateImages())
            w += FTree->StateImages()->Width() + 2;
        Q_UNUSED(option);
        return {w, TTreeView::kLineHeight};
    }

private:
    TTreeView* FTree;
};

TTreeView::TTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setItemDelegate(new TTreeItemDelegate(this));
    setIndentation(19);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { Guarded(this, [&] { Expanded(node); }); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* node) { Guarded(this, [&] { Collapsed(node); }); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Guarded(this, [this] { Scrolled(); }); });
}

TTreeView::~TTreeView()
{
    // The hooks are virtual: none may run once this part of the tree is gone.
    disconnect(this, nullptr, this, nullptr);
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
}

QTreeWidgetItem* TTreeView::AddChildObject(QTreeWidgetItem* parentNode, const QString& text, void* object)
{
    auto* node = new QTreeWidgetItem(QStringList{text});
    SetData(node, object);
    if (parentNode)
        parentNode->addChild(node);
    else
        addTopLevelItem(node);
    ++FCount;
    return node;
}

void TTreeView::Delete(QTreeWidgetItem* node)
{
    if (!node || node->treeWidget() != this)
        return;
    FCount -= CountWithChildren(node);
    delete node;
}

void TTreeView::Clear()
{
    clear();
    FCount = 0;
}

QTreeWidgetItem* TTreeView::Node(int absoluteIndex) const
{
    if (absoluteIndex < 0 || absoluteIndex >= FCount)
        return nullptr;
    QTreeWidgetItemIterator it(const_cast<TTreeView*>(this));
    for (int i = 0; *it; ++it, ++i) {
        if (i == absoluteIndex)
            return *it;
    }
    return nullptr;
}

int TTreeView::AbsoluteIndex(const QTreeWidgetItem* node) const
{
    if (!node)
        return -1;
    QTreeWidgetItemIterator it(const_cast<TTreeView*>(this));
    for (int i = 0; *it; ++it, ++i) {
        if (*it == node)
            return i;
    }
    return -1;
}

QTreeWidgetItem* TTreeView::TopItem() const
{
    if (topLevelItemCount() == 0)
        return nullptr;
    QTreeWidgetItem* top = itemAt(QPoint(0, 0));
    return top ? top : topLevelItem(0);
}

QTreeWidgetItem* TTreeView::NextVisible(QTreeWidgetItem* node) const
{
    return node ? itemBelow(node) : nullptr;
}

QList<int> TTreeView::ShownAbsoluteIndexesFromTop() const
{
    QList<int> shown;
    const QTreeWidgetItem* top = TopItem();
    bool reachedTop = false;
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TTreeView*>(this)); *it; ++it, ++i) {
        const QTreeWidgetItem* node = *it;
        reachedTop = reachedTop || node == top;
        if (!reachedTop)
            continue;
        bool visible = true;
        for (const QTreeWidgetItem* p = node->parent(); p && visible; p = p->parent())
            visible = p->isExpanded();
        if (visible)
            shown.append(i);
    }
    return shown;
}

void* TTreeView::Data(const QTreeWidgetItem* node)
{
    return node ? reinterpret_cast<void*>(node->data(0, kObjectRole).value<quintptr>()) : nullptr;
}

void TTreeView::SetData(QTreeWidgetItem* node, void* object)
{
    if (node)
        node->setData(0, kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
}

bool TTreeView::Bold(const QTreeWidgetItem* node)
{
    return node && node->data(0, kBoldRole).toBool();
}

bool TTreeView::Cut(const QTreeWidgetItem* node)
{
    return node && node->data(0, kCutRole).toBool();
}

void TTreeView::SetBoldAndCut(QTreeWidgetItem* node, bool bold, bool cut)
{
    if (!node)
        return;
    node->setData(0, kBoldRole, bold);
    node->setData(0, kCutRole, cut);
}

int TTreeView::ImageIndex(const QTreeWidgetItem* node, TImageKind kind)
{
    if (!node)
        return -1;
    const QVariant v = node->data(0, kImageRole + kind);
    return v.isValid() ? v.toInt() : -1;
}

void TTreeView::SetImageIndex(QTreeWidgetItem* node, TImageKind kind, int value)
{
    if (node)
        node->setData(0, kImageRole + kind, value);
}

void TTreeView::SetImages(TImageList* images)
{
    FImages = images;
    viewport()->update();
}

void TTreeView::SetStateImages(TImageList* images)
{
    FStateImages = images;
    viewport()->update();
}

int TTreeView::TextWidth(const QString& text) const
{
    return FMeasure.Width(*this, text);
}

void TTreeView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        FMeasure.Reset();
    QTreeWidget::changeEvent(event);
}

void TTreeView::PaintNode(QPainter& painter, const QRect& rect, const QTreeWidgetItem* node, bool selected)
{
    int x = rect.left();
    if (TImageList* states = FStateImages) {
        const int s = ImageIndex(node, ikState);
        if (s >= 0 && s < states->Count()) {
            states->Draw(painter, x, rect.top() + (rect.height() - states->Height()) / 2, s);
            x += states->Width() + 2;
        }
    }
    if (TImageList* images = FImages) {
        int idx = ImageIndex(node, selected ? ikSelected : ikImage);
        if (idx < 0 || idx >= images->Count())
            idx = ImageIndex(node, ikImage);
        images->Draw(painter, x, rect.top() + (rect.height() - images->Height()) / 2, idx, !Cut(node));
        x += images->Width() + 2;
    }
    QFont f = font();
    f.setBold(f.bold() || Bold(node));
    painter.setFont(f);
    const QString text = node->text(0);
    const QRect textRect(x, rect.top(), QFontMetrics(f).horizontalAdvance(text) + 4, rect.height());
    const QPalette& pal = palette();
    if (selected)
        painter.fillRect(textRect, pal.highlight());
    painter.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    painter.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void TTreeView::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QPoint pos = event->position().toPoint();
        Guarded(this, [&] { RightButtonPressed(pos); });
    }
}

// --- dragging rows -------------------------------------------------------------

void TTreeView::startDrag(Qt::DropActions)
{
    Guarded(this, [this] { FDrag.StartDrag(); });
}

void TTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    FDrag.DragMove(event);
}

void TTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    FDrag.DragMove(event);
}

void TTreeView::dropEvent(QDropEvent* event)
{
    FDrag.Drop(event);
}

} // namespace schemakit
