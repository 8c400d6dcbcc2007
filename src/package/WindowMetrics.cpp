#include "WindowMetrics.h"

#include <algorithm>

namespace schemakit {

TWindowStyles BoxWindowStyles(const TBoxWindowFlags& flags)
{
    TWindowStyles s;
    s.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_SYSMENU | WS_CLIPCHILDREN;
    if (flags.ShowCaption)
        s.Style |= WS_CAPTION;
    if (!flags.Sizeable)
        s.Style |= WS_BORDER;
    if (flags.ToolWin)
        s.ExStyle = WS_EX_TOOLWINDOW;
    if (flags.Border)
        s.Style |= WS_THICKFRAME;
    s.ClassStyle = CS_DBLCLKS | CS_SAVEBITS;
    return s;
}

bool IsSizingArea(THitArea area)
{
    return area >= THitArea::Left;
}

TFrameMetrics BoxFrameMetrics(const TBoxWindowFlags& flags)
{
    using namespace WindowMetrics;
    TFrameMetrics m;
    if (flags.Border)
        m.Frame = kSizingFrame;
    else if (flags.ShowCaption)
        m.Frame = kDialogFrame;
    else if (!flags.Sizeable)
        m.Frame = kThinBorder;
    m.CaptionHeight = flags.ShowCaption ? (flags.ToolWin ? kToolCaptionHeight : kCaptionHeight) : 0;
    m.CloseBox = flags.ShowCaption;
    m.Sizing = flags.Border;
    return m;
}

QRect TFrameMetrics::ClientRect(QSize outer) const
{
    return QRect(QPoint(0, 0), outer).marginsRemoved(ClientMargins());
}

QRect TFrameMetrics::CaptionRect(QSize outer) const
{
    if (CaptionHeight <= 0)
        return {};
    // The last pixel row of the caption height is the line under the bar.
    return QRect(Frame, Frame, outer.width() - 2 * Frame, CaptionHeight - 1);
}

QRect TFrameMetrics::CloseButtonRect(QSize outer) const
{
    if (!CloseBox || CaptionHeight <= 0)
        return {};
    const QRect bar = CaptionRect(outer);
    const int side = bar.height() - 2 * WindowMetrics::kCloseButtonMargin;
    if (side <= 0)
        return {};
    return QRect(bar.right() - WindowMetrics::kCloseButtonMargin - side + 1,
                 bar.top() + WindowMetrics::kCloseButtonMargin, side, side);
}

QSize TFrameMetrics::MinimumSize() const
{
    const int closeWidth = CloseBox ? CaptionHeight : 0;
    return {2 * Frame + closeWidth + 8, 2 * Frame + CaptionHeight + 4};
}

THitArea HitTestBoxWindow(QPoint p, QSize outer, const TFrameMetrics& m)
{
    const QRect whole(QPoint(0, 0), outer);
    if (!whole.contains(p))
        return THitArea::Nowhere;
    if (m.Sizing && m.Frame > 0) {
        const int corner = std::max(m.Frame, WindowMetrics::kSizingCorner);
        const bool left = p.x() < m.Frame, right = p.x() >= outer.width() - m.Frame;
        const bool top = p.y() < m.Frame, bottom = p.y() >= outer.height() - m.Frame;
        const bool nearLeft = p.x() < corner, nearRight = p.x() >= outer.width() - corner;
        const bool nearTop = p.y() < corner, nearBottom = p.y() >= outer.height() - corner;
        if ((top && nearLeft) || (left && nearTop))
            return THitArea::TopLeft;
        if ((top && nearRight) || (right && nearTop))
            return THitArea::TopRight;
        if ((bottom && nearLeft) || (left && nearBottom))
            return THitArea::BottomLeft;
        if ((bottom && nearRight) || (right && nearBottom))
            return THitArea::BottomRight;
        if (left)
            return THitArea::Left;
        if (right)
            return THitArea::Right;
        if (top)
            return THitArea::Top;
        if (bottom)
            return THitArea::Bottom;
    }
    if (m.CloseButtonRect(outer).contains(p))
        return THitArea::Close;
    if (m.CaptionHeight > 0 && p.y() >= m.Frame && p.y() < m.Frame + m.CaptionHeight && p.x() >= m.Frame &&
        p.x() < outer.width() - m.Frame)
        return THitArea::Caption;
    if (m.ClientRect(outer).contains(p))
        return THitArea::Client;
    return THitArea::Border;
}

QRect ResizeByDrag(const QRect& start, THitArea area, QPoint delta, QSize minimum)
{
    int left = start.left(), top = start.top();
    int right = start.left() + start.width(), bottom = start.top() + start.height();
    const bool movesLeft = area == THitArea::Left || area == THitArea::TopLeft || area == THitArea::BottomLeft;
    const bool movesRight = area == THitArea::Right || area == THitArea::TopRight || area == THitArea::BottomRight;
    const bool movesTop = area == THitArea::Top || area == THitArea::TopLeft || area == THitArea::TopRight;
    const bool movesBottom = area == THitArea::Bottom || area == THitArea::BottomLeft || area == THitArea::BottomRight;
    if (movesLeft)
        left = std::min(left + delta.x(), right - minimum.width());
    if (movesRight)
        right = std::max(right + delta.x(), left + minimum.width());
    if (movesTop)
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (movesBottom)
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace schemakit
