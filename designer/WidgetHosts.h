#pragma once

// How Designer hosts a SchemaKit widget class: what creates it, which header a
// generated form includes, its texts and its size when dropped on a form. Which
// classes appear, and in what order, is the design registry's business; this
// table only knows how to host a class once the registry offers it.

#include <QSize>

class QMetaObject;
class QWidget;

namespace schemakit {

struct TWidgetHost {
    const QMetaObject* ComponentClass;
    QWidget* (*Create)(QWidget* Parent);
    const char* IncludeFile;
    const char* ToolTip;   // untranslated; QT_TRANSLATE_NOOP in context "schemakit::TDesignerWidget"
    const char* WhatsThis; // likewise
    QSize DefaultSize;
};

/// The host of exactly that class, or null when Designer cannot host it.
const TWidgetHost* FindWidgetHost(const QMetaObject* ComponentClass);

} // namespace schemakit
