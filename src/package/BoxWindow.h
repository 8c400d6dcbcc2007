#pragma once

#include "Color.h"
#include "WindowMetrics.h"

#include <QFont>
#include <QWidget>

namespace schemakit {

// A small framed child window drawn by the library itself: optional caption bar
// with the caption text and a close glyph, a sizing frame or a thin border, a
// tool-window caption. It is moved by dragging its caption bar and sized by
// dragging its frame. Outer size (Width, Height) includes frame and caption;
// ClientWidth and ClientHeight are the area inside them.
class TBoxWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(schemakit::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
    Q_PROPERTY(bool Sizeable READ Sizeable WRITE SetSizeable)
    Q_PROPERTY(bool ToolWin READ ToolWin WRITE SetToolWin)
    Q_PROPERTY(bool Border READ Border WRITE SetBorder)
public:
    explicit TBoxWindow(QWidget* parent = nullptr);
    ~TBoxWindow() override;

    QString Caption() const { return FCaption; }
    virtual void SetCaption(const QString& caption);

    bool ShowCaption() const noexcept { return FFlags.ShowCaption; }
    bool Sizeable() const noexcept { return FFlags.Sizeable; }
    bool ToolWin() const noexcept { return FFlags.ToolWin; }
    bool Border() const noexcept { return FFlags.Border; }
    // Each setter recreates the window when the value changes, so the new styles
    // apply; the window keeps its outer bounds and its children.
    void SetShowCaption(bool value);
    void SetSizeable(bool value);
    void SetToolWin(bool value);
    void SetBorder(bool value);

    TWindowStyles WindowStyles() const { return BoxWindowStyles(FFlags); }
    const TFrameMetrics& FrameMetrics() const noexcept { return FMetrics; }

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int value) { move(value, y()); }
    void SetTop(int value) { move(x(), value); }
    void SetWidth(int value) { resize(value, height()); }
    void SetHeight(int value) { resize(width(), value); }
    void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

    // The area inside frame and caption bar, in window coordinates.
    QRect ClientRect() const { return FMetrics.ClientRect(size()); }
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);

    TColor Color() const noexcept { return FColor; }
    virtual void SetColor(TColor color);

    // The window's own drawing font: the caption is drawn and measured with it.
    const QFont& CanvasFont() const noexcept { return FCanvasFont; }
    void SetCanvasFont(const QFont& font);

    // Which part of the window lies under a point in window coordinates.
    virtual THitArea HitTest(QPoint p) const;

protected:
    // Applies the current style flags: frame metrics, client layout, repaint.
    void RecreateWnd();
    // The client area moved or sized: lay out what fills it.
    virtual void ClientAreaChanged() {}
    // After the window was moved or sized (by code or by the user).
    virtual void Moved() {}
    virtual void Resized() {}
    // The close glyph was clicked, or the window was asked to close.
    virtual void CloseRequested() {}

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
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
