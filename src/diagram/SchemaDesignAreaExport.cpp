// Pictures of the whole diagram: PNG and other raster formats, SVG and PDF.

#include "SchemaDesignArea.h"

#include "SchemaItem.h"
#include "SchemaRelation.h"
#include "SchemaSubItem.h"

#include "../package/Exceptions.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <limits>

namespace schemakit {

namespace {

// Free room around the diagram in an export.
constexpr int kExportMargin = 10;

} // namespace

QRect TSchemaDesignArea::ExportRect() const
{
    const QPoint offset = ScrollOffset();
    QRect extent;
    for (int i = 0; i < ControlCount(); ++i) {
        QObject* control = Controls(i);
        if (auto* link = qobject_cast<TSchemaRelation*>(control)) {
            if (link->Visible())
                extent |= link->BoundsRect().translated(offset);
        } else if (auto* box = qobject_cast<TSchemaItem*>(control)) {
            if (!box->isHidden())
                extent |= box->geometry().translated(offset);
        }
    }
    if (extent.isEmpty())
        return QRect(0, 0, kExportMargin, kExportMargin);
    return QRect(QPoint(0, 0), extent.bottomRight() + QPoint(kExportMargin, kExportMargin));
}

void TSchemaDesignArea::PaintDiagram(QPainter& painter)
{
    const QRect area = ExportRect();
    painter.fillRect(area, viewport()->palette().color(QPalette::Window));
    // The boxes and links sit in the coordinates of the scrolled view; the
    // export starts at the diagram's origin, wherever the view is scrolled to.
    const QPoint offset = ScrollOffset();
    painter.save();
    painter.translate(offset);
    PaintRelations(painter, area.translated(-offset));
    painter.restore();
    for (int i = WindowlessCount(); i < ControlCount(); ++i) {
        auto* box = qobject_cast<TSchemaItem*>(Controls(i));
        if (!box || box->isHidden())
            continue;
        // Lists lay their rows out lazily; a picture taken before that shows them empty.
        if (auto* view = qobject_cast<QAbstractItemView*>(box->ItemControl()))
            view->doItemsLayout();
        painter.save();
        painter.translate(box->pos() + offset);
        box->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        painter.restore();
    }
}

void TSchemaDesignArea::ExportToFile(const QString& fileName)
{
    const QRect area = ExportRect();
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"svg") {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(area.size());
        svg.setViewBox(area);
        svg.setTitle(QCoreApplication::translate("schemakit", "Diagram"));
        QPainter painter;
        if (!painter.begin(&svg))
            throw EFileError(QCoreApplication::translate("schemakit", "Cannot create file \"%1\".").arg(fileName));
        PaintDiagram(painter);
        painter.end();
        return;
    }
    if (suffix == u"pdf") {
        QPdfWriter pdf(fileName);
        // One page exactly the diagram's size, at the screen's 96 dots per inch.
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(area.width() * 72.0 / 96, area.height() * 72.0 / 96), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter;
        if (!painter.begin(&pdf))
            throw EFileError(QCoreApplication::translate("schemakit", "Cannot create file \"%1\".").arg(fileName));
        PaintDiagram(painter);
        painter.end();
        return;
    }
    if (!QImageWriter::supportedImageFormats().contains(suffix.toLatin1()))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot export to \"%1\": unknown picture format.").arg(fileName));
    // A raster picture beyond the image size Qt allows cannot be made.
    if (qint64(area.width()) * area.height() > std::numeric_limits<int>::max() / 4)
        throw EFileError(QCoreApplication::translate("schemakit", "Cannot export to \"%1\": the diagram is too large.")
                             .arg(fileName));
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        PaintDiagram(painter);
    }
    if (!image.save(fileName))
        throw EFileError(QCoreApplication::translate("schemakit", "Cannot create file \"%1\".").arg(fileName));
}

} // namespace schemakit
