#pragma once

// Window styles and frame geometry of the small framed windows that hold a box:
// every number of a box's frame, caption bar and close glyph lives here.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace schemakit {

inline constexpr quint32 WS_CHILD = 0x40000000;
inline constexpr quint32 WS_CLIPSIBLINGS = 0x04000000;
inline constexpr quint32 WS_CLIPCHILDREN = 0x02000000;
inline constexpr quint32 WS_CAPTION = 0x00C00000;
inline constexpr quint32 WS_BORDER = 0x00800000;
inline constexpr quint32 WS_SYSMENU = 0x00080000;
inline constexpr quint32 WS_THICKFRAME = 0x00040000;
inline constexpr quint32 WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr quint32 CS_DBLCLKS = 0x0008;
inline constexpr quint32 CS_SAVEBITS = 0x0800;

struct TBoxWindowFlags {
    bool ShowCaption = true;
    bool Sizeable = true;
    bool ToolWin = true;
    bool Border = true;
};

struct TWindowStyles {
    quint32 Style = 0;
    quint32 ExStyle = 0;
    quint32 ClassStyle = 0;
};

// The style bits a box window is made with: a child window's base styles plus
// system menu and clipped children always, a caption bar for ShowCaption, a thin
// border when not Sizeable, the sizing frame for Border, and a tool-window caption
// (the extended style replaced, not added to) for ToolWin.
TWindowStyles BoxWindowStyles(const TBoxWindowFlags& flags);

namespace WindowMetrics {
inline constexpr int kSizingFrame = 4;        // thick frame of a resizable window
inline constexpr int kDialogFrame = 3;        // frame of a captioned window that does not size
inline constexpr int kThinBorder = 1;         // plain border
inline constexpr int kCaptionHeight = 18;     // normal caption bar
inline constexpr int kToolCaptionHeight = 15; // tool-window caption bar
inline constexpr int kCaptionTextIndent = 3;
inline constexpr int kCloseButtonMargin = 2;
inline constexpr int kSizingCorner = 12; // length of a corner's grip along each edge
} // namespace WindowMetrics

enum class THitArea {
    Nowhere,
    Client,
    Caption,
    Close,
    Border, // a frame that does not size
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

bool IsSizingArea(THitArea area);

struct TFrameMetrics {
    int Frame = 0;         // frame width on every side
    int CaptionHeight = 0; // 0 when there is no caption bar
    bool CloseBox = false;
    bool Sizing = false;

    QMargins ClientMargins() const { return {Frame, Frame + CaptionHeight, Frame, Frame}; }
    QRect ClientRect(QSize outer) const;
    QRect CaptionRect(QSize outer) const;
    QRect CloseButtonRect(QSize outer) const;
    // The smallest outer size that still shows the caption bar and close box.
    QSize MinimumSize() const;
};

TFrameMetrics BoxFrameMetrics(const TBoxWindowFlags& flags);

// Which part of a window of size `outer` lies under `p` (window coordinates).
THitArea HitTestBoxWindow(QPoint p, QSize outer, const TFrameMetrics& metrics);

// The new geometry when the given sizing area is dragged by `delta` from `start`,
// never smaller than `minimum`; the opposite edges stay where they were.
QRect ResizeByDrag(const QRect& start, THitArea area, QPoint delta, QSize minimum);

} // namespace schemakit
