#pragma once

#include <schemakit/schemakit_export.h>

#include <QList>
#include <QObject>
#include <QPixmap>

class QPainter;

namespace schemakit {

/// A list of images of one size, addressed by index; the pane hands one to its
/// tree boxes and list rows draw from one.
class SCHEMAKIT_EXPORT TImageList : public QObject {
    Q_OBJECT
public:
    /// An empty list of images of `width` by `height` pixels (at least 1 each).
    explicit TImageList(QObject* owner = nullptr, int width = 16, int height = 16);
    ~TImageList() override;

    ///@{
    /// The size of every image in the list, in pixels.
    int Width() const noexcept { return FWidth; }
    int Height() const noexcept { return FHeight; }
    ///@}
    /// Sets the size of the images (at least 1 by 1).
    /// Changing the size empties the list, as images of the old size no longer fit.
    void SetSize(int width, int height);
    /// The number of images.
    int Count() const noexcept { return int(FImages.size()); }

    /// Adds an image, scaled to the list's size when it differs; returns its index.
    int Add(const QPixmap& image);
    /// Cuts a strip of images of the list's size from left to right; returns the
    /// index of the first one added, or -1 when the strip holds none.
    int AddStrip(const QPixmap& strip);
    /// Removes the image at `index`; an index out of range does nothing.
    void Delete(int index);
    /// Removes every image.
    void Clear();

    /// The image at index, or a null pixmap when index is out of range.
    QPixmap Image(int index) const;
    /// Draws image index with its top-left corner at (x, y); an index out of range
    /// draws nothing. A disabled image is drawn greyed.
    void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

signals:
    /// Emitted whenever images are added or removed or the size changes.
    void Changed();

private:
    int FWidth;
    int FHeight;
    QList<QPixmap> FImages;
};

} // namespace schemakit
