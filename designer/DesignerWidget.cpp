#include "DesignerWidget.h"

#include <schemakit/package/DesignRegistry.h>

#include <QBitmap>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QMetaObject>
#include <QWidget>
#include <QXmlStreamWriter>

namespace schemakit {

namespace {

// "schemakit::TSchemaDesignArea" -> "schemaDesignArea": the name Designer gives the
// first such widget on a form (it numbers the next ones itself).
QString DefaultObjectName(const QString& ClassName)
{
    QString Name = ClassName.mid(ClassName.lastIndexOf(QLatin1Char(':')) + 1);
    if (Name.size() > 1 && Name.at(0) == QLatin1Char('T') && Name.at(1).isUpper())
        Name.remove(0, 1);
    if (!Name.isEmpty())
        Name[0] = Name.at(0).toLower();
    return Name;
}

} // namespace

TDesignerWidget::TDesignerWidget(const QString& Page, const QString& BitmapName, const TWidgetHost& Host,
                                 QObject* parent)
    : QObject(parent), FPage(Page), FBitmapName(BitmapName), FHost(Host)
{
}

QString TDesignerWidget::name() const
{
    // Designer refuses a widget whose class name differs from the one it asked for.
    return QString::fromLatin1(FHost.ComponentClass->className());
}

QString TDesignerWidget::group() const
{
    return FPage;
}

// Palette pictures mark their background with the colour of the lower-left
// pixel, as 16-colour palette bitmaps do; that colour becomes transparent.
QIcon TDesignerWidget::icon() const
{
    const QString Path = PaletteBitmapPath(FBitmapName);
    if (Path.isEmpty())
        return QIcon();
    const QImage Picture(Path);
    if (Picture.isNull())
        return QIcon();
    QPixmap Pixmap = QPixmap::fromImage(Picture);
    Pixmap.setMask(QBitmap::fromImage(Picture.createMaskFromColor(Picture.pixel(0, Picture.height() - 1))));
    return QIcon(Pixmap);
}

QString TDesignerWidget::toolTip() const
{
    return QCoreApplication::translate("schemakit::TDesignerWidget", FHost.ToolTip);
}

QString TDesignerWidget::whatsThis() const
{
    return QCoreApplication::translate("schemakit::TDesignerWidget", FHost.WhatsThis);
}

QString TDesignerWidget::includeFile() const
{
    return QString::fromLatin1(FHost.IncludeFile);
}

bool TDesignerWidget::isContainer() const
{
    return false;
}

QString TDesignerWidget::domXml() const
{
    // Written, not pasted together, so that a class name needing escapes stays valid XML.
    const QString ClassName = name();
    QString Xml;
    QXmlStreamWriter Writer(&Xml);
    Writer.setAutoFormatting(true);
    Writer.writeStartElement(QStringLiteral("ui"));
    Writer.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    Writer.writeAttribute(QStringLiteral("displayname"), ClassName.mid(ClassName.lastIndexOf(QLatin1Char(':')) + 1));
    Writer.writeStartElement(QStringLiteral("widget"));
    Writer.writeAttribute(QStringLiteral("class"), ClassName);
    Writer.writeAttribute(QStringLiteral("name"), DefaultObjectName(ClassName));
    Writer.writeStartElement(QStringLiteral("property"));
    Writer.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    Writer.writeStartElement(QStringLiteral("rect"));
    Writer.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    Writer.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    Writer.writeTextElement(QStringLiteral("width"), QString::number(FHost.DefaultSize.width()));
    Writer.writeTextElement(QStringLiteral("height"), QString::number(FHost.DefaultSize.height()));
    Writer.writeEndElement(); // rect
    Writer.writeEndElement(); // property
    Writer.writeEndElement(); // widget
    Writer.writeEndElement(); // ui
    return Xml;
}

QWidget* TDesignerWidget::createWidget(QWidget* parent)
{
    return FHost.Create(parent);
}

bool TDesignerWidget::isInitialized() const
{
    return FInitialized;
}

void TDesignerWidget::initialize(QDesignerFormEditorInterface*)
{
    FInitialized = true;
}

} // namespace schemakit
