#include "BoxWindow.h"

#include "ErrorBoundary.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace schemakit {

TBoxWindow::TBoxWindow(QWidget* parent) : QWidget(parent)
{
    FMetrics = BoxFrameMetrics(FFlags);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

TBoxWindow::~TBoxWindow() = default;

void TBoxWindow::SetCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    setWindowTitle(caption);
    if (FMetrics.CaptionHeight > 0)
        update(FMetrics.CaptionRect(size()));
}

void TBoxWindow::SetFlag(bool TBoxWindowFlags::*flag, bool value)
{
    if (FFlags.*flag == value)
        return;
    FFlags.*flag = value;
    RecreateWnd();
}

void TBoxWindow::SetShowCaption(bool value)
{
    SetFlag(&TBoxWindowFlags::ShowCaption, value);
}
void TBoxWindow::SetSizeable(bool value)
{
    SetFlag(&TBoxWindowFlags::Sizeable, value);
}
void TBoxWindow::SetToolWin(bool value)
{
    SetFlag(&TBoxWindowFlags::ToolWin, value);
}
void TBoxWindow::SetBorder(bool value)
{
    SetFlag(&TBoxWindowFlags::Border, value);
}

void TBoxWindow::RecreateWnd()
{
    FMetrics = BoxFrameMetrics(FFlags);
    ClientAreaChanged();
    update();
}

void TBoxWindow::SetClientWidth(int value)
{
    const QMargins m = FMetrics.ClientMargins();
    resize(std::max(0, value) + m.left() + m.right(), height());
}

void TBoxWindow::SetClientHeight(int value)
{
    const QMargins m = FMetrics.ClientMargins();
    resize(width(), std::max(0, value) + m.top() + m.bottom());
}

void TBoxWindow::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    update();
}

void TBoxWindow::SetCanvasFont(const QFont& font)
{
    FCanvasFont = font;
    update();
}

THitArea TBoxWindow::HitTest(QPoint p) const
{
    return HitTestBoxWindow(p, size(), FMetrics);
}

// --- painting ---------------------------------------------------------------

void TBoxWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(ClientRect(), ColorToQColor(FColor, palette()));
    PaintFrame(p);
    PaintCaption(p);
}

void TBoxWindow::PaintFrame(QPainter& p) const
{
    const int f = FMetrics.Frame;
    if (f <= 0)
        return;
    const QPalette& pal = palette();
    const QRect r = rect();
    // Fill the band between outer edge and client area (caption included) with the
    // face colour, then draw a raised edge the way classic windows frames look.
    // Four rectangles rather than a clip region: changing the clip is the dearer
    // part of painting a frame, and boxes are painted often while links move.
    const QRect c = ClientRect();
    const QColor face = pal.color(QPalette::Button);
    p.fillRect(QRect(r.left(), r.top(), r.width(), c.top() - r.top()), face);
    p.fillRect(QRect(r.left(), c.bottom() + 1, r.width(), r.bottom() - c.bottom()), face);
    p.fillRect(QRect(r.left(), c.top(), c.left() - r.left(), c.height()), face);
    p.fillRect(QRect(c.right() + 1, c.top(), r.right() - c.right(), c.height()), face);
    if (f == 1) {
        p.setPen(pal.color(QPalette::Shadow));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    auto edge = [&p](const QRect& e, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(e.topLeft(), e.topRight());
        p.drawLine(e.topLeft(), e.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(e.bottomLeft(), e.bottomRight());
        p.drawLine(e.topRight(), e.bottomRight());
    };
    edge(r.adjusted(0, 0, -1, -1), pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
    edge(r.adjusted(1, 1, -2, -2), pal.color(QPalette::Light), pal.color(QPalette::Dark));
}

void TBoxWindow::PaintCaption(QPainter& p) const
{
    if (FMetrics.CaptionHeight <= 0)
        return;
    const QRect bar = FMetrics.CaptionRect(size());
    const QColor active = ColorToQColor(clActiveCaption, palette());
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, active.darker(115));
    gradient.setColorAt(1, active.lighter(125));
    p.fillRect(bar, gradient);

    const QRect close = FMetrics.CloseButtonRect(size());
    const int textRight = close.isValid() ? close.left() - 2 : bar.right() - 2;
    QRect textRect(bar.left() + WindowMetrics::kCaptionTextIndent, bar.top(),
                   textRight - bar.left() - WindowMetrics::kCaptionTextIndent, bar.height());
    p.setFont(FCanvasFont);
    p.setPen(ColorToQColor(clCaptionText, palette()));
    const QString text = QFontMetrics(FCanvasFont).elidedText(FCaption, Qt::ElideRight, textRect.width());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

    if (!close.isValid())
        return;
    // Drawn by hand rather than by the style: styles cache such panels keyed by
    // the widget's palette, and with a palette per box the cache gained an entry
    // for every box ever painted, so memory grew for as long as the application
    // made and freed diagrams.
    const QPalette& pal = palette();
    p.fillRect(close.adjusted(1, 1, -1, -1), pal.color(QPalette::Button));
    const QRect bevel = close.adjusted(1, 1, -2, -2);
    p.setPen(pal.color(FClosePressed ? QPalette::Mid : QPalette::Light));
    p.drawLine(bevel.topLeft(), bevel.topRight());
    p.drawLine(bevel.topLeft(), bevel.bottomLeft());
    p.setPen(pal.color(FClosePressed ? QPalette::Light : QPalette::Mid));
    p.drawLine(bevel.bottomLeft(), bevel.bottomRight());
    p.drawLine(bevel.topRight(), bevel.bottomRight());
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF glyph = QRectF(close).adjusted(3.5, 3.5, -3.5, -3.5).translated(FClosePressed ? 0.5 : 0, 0);
    p.drawLine(glyph.topLeft(), glyph.bottomRight());
    p.drawLine(glyph.topRight(), glyph.bottomLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(close.adjusted(0, 0, -1, -1));
}

// --- moving, sizing, closing ---------------------------------------------------

void TBoxWindow::UpdateCursor(THitArea area)
{
    switch (area) {
    case THitArea::Left:
    case THitArea::Right: setCursor(Qt::SizeHorCursor); break;
    case THitArea::Top:
    case THitArea::Bottom: setCursor(Qt::SizeVerCursor); break;
    case THitArea::TopLeft:
    case THitArea::BottomRight: setCursor(Qt::SizeFDiagCursor); break;
    case THitArea::TopRight:
    case THitArea::BottomLeft: setCursor(Qt::SizeBDiagCursor); break;
    default: unsetCursor(); break;
    }
}

void TBoxWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const THitArea area = HitTest(event->position().toPoint());
    FDragArea = area;
    FDragStartGlobal = event->globalPosition().toPoint();
    FDragStartGeometry = geometry();
    if (area == THitArea::Caption) {
        FDrag = TDrag::Move;
        raise();
    } else if (IsSizingArea(area)) {
        FDrag = TDrag::Size;
        raise();
    } else if (area == THitArea::Close) {
        FDrag = TDrag::Close;
        FClosePressed = true;
        update(FMetrics.CloseButtonRect(size()));
    } else {
        FDrag = TDrag::None;
    }
    event->accept();
}

void TBoxWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint delta = event->globalPosition().toPoint() - FDragStartGlobal;
    switch (FDrag) {
    case TDrag::Move: move(FDragStartGeometry.topLeft() + delta); break;
    case TDrag::Size: setGeometry(ResizeByDrag(FDragStartGeometry, FDragArea, delta, FMetrics.MinimumSize())); break;
    case TDrag::Close: {
        const bool inside = HitTest(event->position().toPoint()) == THitArea::Close;
        if (inside != FClosePressed) {
            FClosePressed = inside;
            update(FMetrics.CloseButtonRect(size()));
        }
        break;
    }
    case TDrag::None: UpdateCursor(HitTest(event->position().toPoint())); break;
    }
    event->accept();
}

void TBoxWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const TDrag drag = FDrag;
    FDrag = TDrag::None;
    if (drag == TDrag::Close) {
        FClosePressed = false;
        update(FMetrics.CloseButtonRect(size()));
        if (event->button() == Qt::LeftButton && HitTest(event->position().toPoint()) == THitArea::Close)
            close();
    }
    event->accept();
}

void TBoxWindow::leaveEvent(QEvent* event)
{
    if (FDrag == TDrag::None)
        unsetCursor();
    QWidget::leaveEvent(event);
}

void TBoxWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    Guarded(this, [this] { Moved(); });
}

void TBoxWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ClientAreaChanged();
    Guarded(this, [this] { Resized(); });
}

void TBoxWindow::closeEvent(QCloseEvent* event)
{
    // The window never closes by itself; what a close request means is the
    // owner's decision.
    event->ignore();
    Guarded(this, [this] { CloseRequested(); });
}

} // namespace schemakit
