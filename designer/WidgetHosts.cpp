#include "WidgetHosts.h"

#include <schemakit/diagram/SchmCntr.h>

#include <QtGlobal>

#include <array>

namespace schemakit {

namespace {

QWidget* CreateDesignArea(QWidget* Parent)
{
    return new TSchemaDesignArea(Parent);
}

} // namespace

const TWidgetHost* FindWidgetHost(const QMetaObject* ComponentClass)
{
    // The pane is the one widget among the registered classes; the builder dialog
    // and the engines are plain QObjects, which Designer cannot put on a form.
    static const std::array Hosts{
        TWidgetHost{&TSchemaDesignArea::staticMetaObject, &CreateDesignArea, "schemakit/diagram/SchmCntr.h",
                    QT_TRANSLATE_NOOP("schemakit::TDesignerWidget", "Diagram pane with boxes and links"),
                    QT_TRANSLATE_NOOP("schemakit::TDesignerWidget",
                                      "A scrolling pane that shows tables or shapes as boxes, their fields as "
                                      "rows and the links between rows; it can show a tool bar for adding boxes."),
                    QSize(400, 300)},
    };
    for (const TWidgetHost& Host : Hosts) {
        if (Host.ComponentClass == ComponentClass)
            return &Host;
    }
    return nullptr;
}

} // namespace schemakit
