#include "DiagramFixture.h"

#include <schemakit/package/Exceptions.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

// The caption bar's colour at a point a few pixels into a box's caption.
bool IsCaptionColour(QRgb pixel)
{
    const QColor c(pixel);
    return c.blue() > 150 && c.red() < 120;
}

} // namespace

// The export covers the whole diagram, also what is scrolled out of view, in
// each of its formats.
TEST_F(DiagramTest, ExportsShowTheWholeDiagramWhereverItIsScrolled)
{
    pane->resize(300, 200);
    TSchemaItem* near = pane->AddItem(u"near"_s, scListBox);
    TSchemaItem* far = pane->AddItem(u"far"_s, scListBox);
    near->AddSubItem(u"id"_s, -1, false);
    far->AddSubItem(u"near_id"_s, -1, false);
    near->setGeometry(20, 20, 120, 80);
    far->setGeometry(600, 500, 120, 80);
    pane->AddRelation(near, far, near->GetSubItem(0), far->GetSubItem(0));
    pane->UpdateScrollRange();
    pane->horizontalScrollBar()->setValue(200);
    pane->verticalScrollBar()->setValue(100);
    ASSERT_EQ(pane->ScrollOffset(), QPoint(200, 100));
    const QRect extent = pane->ExportRect();
    EXPECT_EQ(extent, QRect(0, 0, 730, 590));

    QTemporaryDir dir;
    const QPoint farCaption(600 + 30, 500 + 6);
    const QPoint nearCaption(20 + 30, 20 + 6);
    pane->ExportToFile(dir.filePath(u"d.png"_s));
    const QImage png(dir.filePath(u"d.png"_s));
    ASSERT_EQ(png.size(), extent.size());
    EXPECT_TRUE(IsCaptionColour(png.pixel(farCaption)));
    EXPECT_TRUE(IsCaptionColour(png.pixel(nearCaption)));
    EXPECT_FALSE(IsCaptionColour(png.pixel(400, 300)));

    pane->ExportToFile(dir.filePath(u"d.svg"_s));
    QSvgRenderer svg(dir.filePath(u"d.svg"_s));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(extent.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        svg.render(&painter);
    }
    EXPECT_TRUE(IsCaptionColour(drawn.pixel(farCaption)));
    EXPECT_TRUE(IsCaptionColour(drawn.pixel(nearCaption)));

    pane->ExportToFile(dir.filePath(u"d.pdf"_s));
    const QString pdftoppm = QStandardPaths::findExecutable(u"pdftoppm"_s);
    if (!pdftoppm.isEmpty()) {
        ASSERT_EQ(QProcess::execute(pdftoppm, {u"-png"_s, u"-r"_s, u"96"_s, u"-singlefile"_s, dir.filePath(u"d.pdf"_s),
                                               dir.filePath(u"page"_s)}),
                  0);
        const QImage page(dir.filePath(u"page.png"_s));
        ASSERT_FALSE(page.isNull());
        EXPECT_LE(std::abs(page.width() - extent.width()), 1);
        EXPECT_TRUE(IsCaptionColour(page.pixel(farCaption)));
        EXPECT_TRUE(IsCaptionColour(page.pixel(nearCaption)));
    }

    EXPECT_THROW(pane->ExportToFile(dir.filePath(u"d.unknown"_s)), EFileError);
    EXPECT_THROW(pane->ExportToFile(u"/nonexistent/dir/d.png"_s), EFileError);
}
