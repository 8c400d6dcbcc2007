#include "DesignerCollection.h"

#include "DesignerWidget.h"
#include "WidgetHosts.h"

#include <schemakit/package/SchmReg.h>

#include <QLoggingCategory>
#include <QWidget>

#include <exception>

namespace schemakit {

namespace {

Q_LOGGING_CATEGORY(lcDesigner, "schemakit.designer")

// Registration runs inside Designer (or a QUiLoader application): an exception must
// not escape into it, so a failing registration leaves the page empty and says why.
bool RegisterPalette()
{
    try {
        Register();
        return true;
    } catch (const std::exception& Error) {
        qCWarning(lcDesigner, "SchemaKit registration failed: %s", Error.what());
    } catch (...) {
        qCWarning(lcDesigner, "SchemaKit registration failed");
    }
    return false;
}

} // namespace

TDesignerCollection::TDesignerCollection(QObject* parent) : QObject(parent)
{
    if (!RegisterPalette())
        return;
    const QString Page = QString::fromLatin1(PalettePageName);
    for (const TPaletteEntry& Entry : DesignRegistry().Components()) {
        if (Entry.Page != Page || Entry.ComponentClass == nullptr ||
            !Entry.ComponentClass->inherits(&QWidget::staticMetaObject))
            continue;
        const TWidgetHost* Host = FindWidgetHost(Entry.ComponentClass);
        if (Host == nullptr) {
            qCWarning(lcDesigner, "%s is on page %s but the Designer plugin cannot create it",
                      Entry.ComponentClass->className(), PalettePageName);
            continue;
        }
        FWidgets.append(new TDesignerWidget(Entry.Page, Entry.BitmapName, *Host, this));
    }
}

QList<QDesignerCustomWidgetInterface*> TDesignerCollection::customWidgets() const
{
    return FWidgets;
}

} // namespace schemakit
