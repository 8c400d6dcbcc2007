#pragma once

#include <schemakit/schemakit_export.h>

#include "Color.h"
#include "WindowMetrics.h"

#include <QFont>
#include <QWidget>

namespace schemakit {

/// A small framed child window drawn by the library itself: optional caption bar
/// with the caption text and a close glyph, a sizing frame or a thin border, a
/// tool-window caption. It is moved by dragging its caption bar and sized by
/// dragging its frame. Outer size (Width, Height) includes frame and caption;
/// ClientWidth and ClientHeight are the area inside them.
class SCHEMAKIT_EXPORT TBoxWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(schemakit::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
    Q_PROPERTY(bool Sizeable READ Sizeable WRITE SetSizeable)
    Q_PROPERTY(bool ToolWin READ ToolWin WRITE SetToolWin)
    Q_PROPERTY(bool Border READ Border WRITE SetBorder)
public:
    /// A window with caption bar, sizing frame and tool-window caption.
    explicit TBoxWindow(QWidget* parent = nullptr);
    ~TBoxWindow() override;

    ///@{
    /// The text of the caption bar (also the widget's window title).
    QString Caption() const { return FCaption; }
    virtual void SetCaption(const QString& caption);
    ///@}

    ///@{
    /// The style flags: caption bar with close box, a thin border when not
    /// sizeable, tool-window caption, sizing frame (see TBoxWindowFlags).
    bool ShowCaption() const noexcept { return FFlags.ShowCaption; }
    bool Sizeable() const noexcept { return FFlags.Sizeable; }
    bool ToolWin() const noexcept { return FFlags.ToolWin; }
    bool Border() const noexcept { return FFlags.Border; }
    ///@}
    ///@{
    /// Sets a style flag.
    /// Each setter recreates the window when the value changes, so the new styles
    /// apply; the window keeps its outer bounds and its children.
    void SetShowCaption(bool value);
    void SetSizeable(bool value);
    void SetToolWin(bool value);
    void SetBorder(bool value);
    ///@}

    /// The style bits the flags stand for.
    TWindowStyles WindowStyles() const { return BoxWindowStyles(FFlags); }
    /// The frame and caption sizes the flags give.
    const TFrameMetrics& FrameMetrics() const noexcept { return FMetrics; }

    ///@{
    /// The outer bounds in the parent's coordinates, frame and caption included.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int value) { move(value, y()); }
    void SetTop(int value) { move(x(), value); }
    void SetWidth(int value) { resize(value, height()); }
    void SetHeight(int value) { resize(width(), value); }
    void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }
    ///@}

    /// The area inside frame and caption bar, in window coordinates.
    QRect ClientRect() const { return FMetrics.ClientRect(size()); }
    ///@{
    /// The size of the client area; setting it resizes the window around it
    /// (negative values count as 0).
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    ///@}

    ///@{
    /// The colour the client area is filled with.
    TColor Color() const noexcept { return FColor; }
    virtual void SetColor(TColor color);
    ///@}

    ///@{
    /// The window's own drawing font: the caption is drawn and measured with it.
    const QFont& CanvasFont() const noexcept { return FCanvasFont; }
    void SetCanvasFont(const QFont& font);
    ///@}

    /// Which part of the window lies under a point in window coordinates.
    virtual THitArea HitTest(QPoint p) const;

protected:
    /// Applies the current style flags: frame metrics, client layout, repaint.
    void RecreateWnd();
    /// The client area moved or sized: lay out what fills it.
    virtual void ClientAreaChanged() {}
    ///@{
    /// After the window was moved or sized (by code or by the user).
    virtual void Moved() {}
    virtual void Resized() {}
    ///@}
    /// The close glyph was clicked, or the window was asked to close.
    virtual void CloseRequested() {}

    /// Fills the client area with Color and draws the frame and the caption bar.
    void paintEvent(QPaintEvent* event) override;
    /// A left press on the caption bar starts a move, on the frame a resize, on the close box a click.
    void mousePressEvent(QMouseEvent* event) override;
    /// Moves or sizes the window while dragging; otherwise shows the sizing cursors.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends a drag; a release on the pressed close box closes the window.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Restores the cursor when no drag is going on.
    void leaveEvent(QEvent* event) override;
    /// Calls Moved (under the error boundary).
    void moveEvent(QMoveEvent* event) override;
    /// Lays out the client area and calls Resized (under the error boundary).
    void resizeEvent(QResizeEvent* event) override;
    /// Ignores the close and calls CloseRequested: what closing means is the owner's decision.
    void closeEvent(QCloseEvent* event) override;

private:
    void SetFlag(bool TBoxWindowFlags::*flag, bool value);
    void UpdateCursor(THitArea area);
    void PaintFrame(QPainter& p) const;
    void PaintCaption(QPainter& p) const;

    TBoxWindowFlags FFlags;
    TFrameMetrics FMetrics;
    QString FCaption;
    TColor FColor = clBtnFace;
    QFont FCanvasFont;

    enum class TDrag { None, Move, Size, Close };
    TDrag FDrag = TDrag::None;
    THitArea FDragArea = THitArea::Nowhere;
    QPoint FDragStartGlobal;
    QRect FDragStartGeometry;
    bool FClosePressed = false;
};

} // namespace schemakit
