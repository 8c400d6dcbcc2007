#pragma once

// Window styles and frame geometry of the small framed windows that hold a box:
// every number of a box's frame, caption bar and close glyph lives here.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace schemakit {

///@{
/// A window or class style bit a box window is described by (see BoxWindowStyles).
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
///@}

/// The published flags of a box window that decide its frame and caption.
struct TBoxWindowFlags {
    bool ShowCaption = true; ///< a caption bar with the close box
    bool Sizeable = true;    ///< when off, a thin border (where neither Border nor ShowCaption gives a frame)
    bool ToolWin = true;     ///< the low tool-window caption bar rather than the normal one
    bool Border = true;      ///< a sizing frame the user can drag
};

/// The style bits of a window: window style, extended style and class style.
struct TWindowStyles {
    quint32 Style = 0;      ///< the WS_ bits
    quint32 ExStyle = 0;    ///< the WS_EX_ bits
    quint32 ClassStyle = 0; ///< the CS_ bits
};

/// The style bits a box window is made with: a child window's base styles plus
/// system menu and clipped children always, a caption bar for ShowCaption, a thin
/// border when not Sizeable, the sizing frame for Border, and a tool-window caption
/// (the extended style replaced, not added to) for ToolWin.
TWindowStyles BoxWindowStyles(const TBoxWindowFlags& flags);

/// The sizes, in pixels, of a box window's frame, caption bar and close box.
namespace WindowMetrics {
inline constexpr int kSizingFrame = 4;        ///< thick frame of a resizable window
inline constexpr int kDialogFrame = 3;        ///< frame of a captioned window that does not size
inline constexpr int kThinBorder = 1;         ///< plain border
inline constexpr int kCaptionHeight = 18;     ///< normal caption bar
inline constexpr int kToolCaptionHeight = 15; ///< tool-window caption bar
inline constexpr int kCaptionTextIndent = 3;  ///< space left of the caption text
inline constexpr int kCloseButtonMargin = 2;  ///< space around the close box inside the caption bar
inline constexpr int kSizingCorner = 12; ///< length of a corner's grip along each edge
} // namespace WindowMetrics

/// The part of a box window a point lies on.
enum class THitArea {
    Nowhere,     ///< outside the window
    Client,      ///< the client area
    Caption,     ///< the caption bar, which drags the window
    Close,       ///< the close box
    Border,      ///< a frame that does not size
    Left,        ///< the left sizing edge
    Right,       ///< the right sizing edge
    Top,         ///< the top sizing edge
    Bottom,      ///< the bottom sizing edge
    TopLeft,     ///< the top-left sizing corner
    TopRight,    ///< the top-right sizing corner
    BottomLeft,  ///< the bottom-left sizing corner
    BottomRight, ///< the bottom-right sizing corner
};

/// Whether dragging `area` resizes the window (an edge or a corner).
bool IsSizingArea(THitArea area);

/// The frame, caption bar and close box of a box window, and the rectangles they give.
struct TFrameMetrics {
    int Frame = 0;         ///< frame width on every side
    int CaptionHeight = 0; ///< 0 when there is no caption bar
    bool CloseBox = false; ///< whether the caption bar has a close box
    bool Sizing = false;   ///< whether the frame's edges and corners resize the window

    /// The space between the outer rectangle and the client area on each side.
    QMargins ClientMargins() const { return {Frame, Frame + CaptionHeight, Frame, Frame}; }
    /// The client area of a window of size `outer`, in window coordinates.
    QRect ClientRect(QSize outer) const;
    /// The caption bar (without the line under it), or an empty rectangle when there is none.
    QRect CaptionRect(QSize outer) const;
    /// The close box at the right end of the caption bar, or an empty rectangle when there is none.
    QRect CloseButtonRect(QSize outer) const;
    /// The smallest outer size that still shows the caption bar and close box.
    QSize MinimumSize() const;
};

/// The frame metrics of a box window with the given flags.
TFrameMetrics BoxFrameMetrics(const TBoxWindowFlags& flags);

/// Which part of a window of size `outer` lies under `p` (window coordinates).
THitArea HitTestBoxWindow(QPoint p, QSize outer, const TFrameMetrics& metrics);

/// The new geometry when the given sizing area is dragged by `delta` from `start`,
/// never smaller than `minimum`; the opposite edges stay where they were.
QRect ResizeByDrag(const QRect& start, THitArea area, QPoint delta, QSize minimum);

} // namespace schemakit
