#include "OwnerDrawList.h"

#include "ErrorBoundary.h"
#include "PlatformMetrics.h"

#include <QAbstractItemDelegate>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionButton>

#include <algorithm>
#include <numeric>

namespace schemakit {

namespace {
constexpr int kObjectRole = Qt::UserRole + 1;
constexpr int kCheckedRole = Qt::UserRole + 2;
} // namespace

// Hands the painting of every row to its list, with the painter prepared the way
// owner-drawn rows expect.
class TListItemDelegate : public QAbstractItemDelegate {
public:
    explicit TListItemDelegate(TCustomListBox* list) : QAbstractItemDelegate(list), FList(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TOwnerDrawState state;
        if (option.state & QStyle::State_Selected)
            state.Include(odSelected);
        if (option.state & QStyle::State_HasFocus)
            state.Include(odFocused);
        if (!(option.state & QStyle::State_Enabled))
            state.Include(odDisabled);
        painter->save();
        Guarded(FList, [&] { FList->PaintRow(*painter, option.rect, index.row(), state); });
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {std::max(FList->viewport()->width(), FList->ScrollWidth()), FList->ItemHeight()};
    }

private:
    TCustomListBox* FList;
};

TCustomListBox::TCustomListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new TListItemDelegate(this));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Guarded(this, [this] { Scrolled(); }); });
}

TCustomListBox::~TCustomListBox()
{
    // Scrolled() is virtual: it may not run once this part of the list is gone.
    disconnect(verticalScrollBar(), nullptr, this, nullptr);
}

QString TCustomListBox::Strings(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

void* TCustomListBox::Objects(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? reinterpret_cast<void*>(it->data(kObjectRole).value<quintptr>()) : nullptr;
}

void TCustomListBox::SetObjects(int index, void* object)
{
    if (QListWidgetItem* it = item(index))
        it->setData(kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
}

int TCustomListBox::AddObject(const QString& text, void* object)
{
    int at = count();
    if (FSorted) {
        // After the entries that sort before or equal to it, so that equal names
        // keep the order they came in; appending sorted input costs one compare.
        int low = 0;
        int high = count();
        if (high > 0 && QString::compare(item(high - 1)->text(), text, Qt::CaseInsensitive) <= 0)
            low = high;
        while (low < high) {
            const int mid = (low + high) / 2;
            if (QString::compare(item(mid)->text(), text, Qt::CaseInsensitive) <= 0)
                low = mid + 1;
            else
                high = mid;
        }
        at = low;
    }
    auto* it = new QListWidgetItem(text);
    it->setData(kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    insertItem(at, it);
    return at;
}

void TCustomListBox::AddObjects(const QStringList& texts, const QList<void*>& objects)
{
    const auto less = [&](qsizetype a, qsizetype b) {
        return QString::compare(texts[a], texts[b], Qt::CaseInsensitive) < 0;
    };
    QList<qsizetype> order(texts.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    if (FSorted && !std::is_sorted(order.begin(), order.end(), less))
        std::stable_sort(order.begin(), order.end(), less);
    // Appending keeps a sorted list sorted only after its last entry; anywhere
    // else each entry finds its own place.
    const bool append = !FSorted || count() == 0 || order.isEmpty() ||
                        QString::compare(item(count() - 1)->text(), texts[order.front()], Qt::CaseInsensitive) <= 0;
    if (!append) {
        for (qsizetype i : order)
            AddObject(texts[i], i < objects.size() ? objects[i] : nullptr);
        return;
    }
    const int first = count();
    QStringList sorted;
    sorted.reserve(texts.size());
    for (qsizetype i : order)
        sorted.append(texts[i]);
    addItems(sorted);
    // The entries were just made: nobody has seen their data yet.
    const QSignalBlocker quiet(model());
    for (qsizetype k = 0; k < order.size(); ++k) {
        const qsizetype i = order[k];
        item(first + int(k))->setData(
            kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(i < objects.size() ? objects[i] : nullptr)));
    }
}

void TCustomListBox::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    FSorted = value;
    if (!value || count() < 2)
        return;
    QList<QListWidgetItem*> items;
    items.reserve(count());
    while (count() > 0)
        items.append(takeItem(0));
    std::stable_sort(items.begin(), items.end(), [](const QListWidgetItem* a, const QListWidgetItem* b) {
        return QString::compare(a->text(), b->text(), Qt::CaseInsensitive) < 0;
    });
    for (QListWidgetItem* it : items)
        addItem(it);
}

void TCustomListBox::SetScrollWidth(int value)
{
    value = std::max(value, 0);
    if (value == FScrollWidth)
        return;
    FScrollWidth = value;
    setHorizontalScrollBarPolicy(value > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    doItemsLayout();
    viewport()->update();
}

void TCustomListBox::Delete(int index)
{
    delete takeItem(index);
}

void TCustomListBox::Clear()
{
    clear();
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    doItemsLayout();
    viewport()->update();
}

int TCustomListBox::TopIndex() const
{
    return count() == 0 ? 0 : verticalScrollBar()->value();
}

void TCustomListBox::SetTopIndex(int value)
{
    // The scroll range follows the rows only once the list has laid them out,
    // which it does lazily; before that the value would be clamped to 0.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(value);
}

int TCustomListBox::ItemAtPos(QPoint pos) const
{
    const QModelIndex i = indexAt(pos);
    return i.isValid() ? i.row() : -1;
}

QRect TCustomListBox::ItemRect(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? visualItemRect(it) : QRect();
}

int TCustomListBox::TextWidth(const QString& text) const
{
    return FMeasure.Width(*this, text);
}

void TCustomListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        FMeasure.Reset();
    QListWidget::changeEvent(event);
}

void TCustomListBox::PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state)
{
    const QPalette& pal = palette();
    const bool selected = state.Contains(odSelected);
    painter.setFont(font());
    painter.setBrush(selected ? pal.highlight() : pal.base());
    painter.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    DrawItem(index, rect, state, painter);
}

void TCustomListBox::DrawItem(int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state, canvas);
        return;
    }
    canvas.fillRect(rect, canvas.brush());
    canvas.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Strings(index));
}

void TCustomListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QPoint pos = event->position().toPoint();
        Guarded(this, [&] { RightButtonPressed(pos); });
    }
}

// --- check list ---------------------------------------------------------------

TCheckListBox::TCheckListBox(QWidget* parent) : TCustomListBox(parent)
{
}
TCheckListBox::~TCheckListBox() = default;

bool TCheckListBox::Checked(int index) const
{
    const QListWidgetItem* it = item(index);
    return it && it->data(kCheckedRole).toBool();
}

void TCheckListBox::SetChecked(int index, bool value)
{
    if (QListWidgetItem* it = item(index)) {
        if (it->data(kCheckedRole).toBool() != value)
            it->setData(kCheckedRole, value);
    }
}

int TCheckListBox::CheckWidth() const
{
    return CheckBoxGlyphSize() + 2;
}

void TCheckListBox::PaintRow(QPainter& painter, const QRect& rect, int index, TOwnerDrawState state)
{
    // The check box sits on the list's own background; only the part of the row to
    // its right is drawn as the row.
    const int cw = CheckWidth();
    const QRect checkArea(rect.left(), rect.top(), cw, rect.height());
    painter.fillRect(checkArea, palette().base());
    const int g = CheckBoxGlyphSize();
    const QPoint at(checkArea.left() + 1, checkArea.top() + (checkArea.height() - g) / 2);
    painter.drawPixmap(at, CheckGlyph(Checked(index), g, painter.device()->devicePixelRatioF()));
    if (Checked(index))
        state.Include(odChecked);
    TCustomListBox::PaintRow(painter, rect.adjusted(cw, 0, 0, 0), index, state);
}

QPixmap TCheckListBox::CheckGlyph(bool checked, int size, qreal dpr) const
{
    // Drawing the style's indicator is a fifth of painting a list; every row of
    // every box draws one of the same two, so they are drawn once. The key holds
    // the colours the indicator is drawn with, not the palette's identity (each
    // box has a palette of its own), so the cache stays as small as the set of
    // colours in use.
    struct Key {
        bool Checked;
        int Size;
        qreal Dpr;
        const QStyle* Style;
        QRgb Base, Text, Window, WindowText, Button, Dark, Shadow, Light;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key Of;
        QPixmap Glyph;
    };
    static QList<Entry> cache;
    const QPalette& pal = palette();
    const Key key{checked,
                  size,
                  dpr,
                  style(),
                  pal.color(QPalette::Base).rgba(),
                  pal.color(QPalette::Text).rgba(),
                  pal.color(QPalette::Window).rgba(),
                  pal.color(QPalette::WindowText).rgba(),
                  pal.color(QPalette::Button).rgba(),
                  pal.color(QPalette::Dark).rgba(),
                  pal.color(QPalette::Shadow).rgba(),
                  pal.color(QPalette::Light).rgba()};
    for (const Entry& e : std::as_const(cache)) {
        if (e.Of == key)
            return e.Glyph;
    }
    QPixmap glyph(QSize(size, size) * dpr);
    glyph.setDevicePixelRatio(dpr);
    glyph.fill(Qt::transparent);
    {
        QPainter p(&glyph);
        QStyleOptionButton box;
        box.initFrom(this);
        box.rect = QRect(0, 0, size, size);
        box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &p, this);
    }
    if (cache.size() >= 32) // a bounded cache: colours come and go with boxes
        cache.removeFirst();
    cache.append({key, glyph});
    return glyph;
}

void TCheckListBox::ToggleClickCheck(int index)
{
    if (index < 0 || index >= count())
        return;
    SetChecked(index, !Checked(index));
    ClickCheck();
}

void TCheckListBox::ClickCheck()
{
    if (OnClickCheck)
        OnClickCheck(this);
}

void TCheckListBox::mousePressEvent(QMouseEvent* event)
{
    TCustomListBox::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int index = ItemAtPos(pos);
    if (index >= 0 && pos.x() < CheckWidth()) {
        SetItemIndex(index);
        Guarded(this, [&] { ToggleClickCheck(index); });
    }
}

void TCheckListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && ItemIndex() >= 0) {
        Guarded(this, [&] { ToggleClickCheck(ItemIndex()); });
        event->accept();
        return;
    }
    TCustomListBox::keyPressEvent(event);
}

// --- dragging rows -------------------------------------------------------------

void TCustomListBox::startDrag(Qt::DropActions)
{
    Guarded(this, [this] { FDrag.StartDrag(); });
}

void TCustomListBox::dragEnterEvent(QDragEnterEvent* event)
{
    FDrag.DragMove(event);
}

void TCustomListBox::dragMoveEvent(QDragMoveEvent* event)
{
    FDrag.DragMove(event);
}

void TCustomListBox::dropEvent(QDropEvent* event)
{
    FDrag.Drop(event);
}

} // namespace schemakit
