#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace schemakit {

// Measures texts in a widget's font, remembering every width per font for the
// life of the process. Boxes measure all their rows whenever they are fitted, and
// field names repeat across the tables of a schema, so each name is shaped once
// per font instead of once per box. Call Reset when the widget's font changes.
class TTextMeasure {
public:
    int Width(const QWidget& widget, const QString& text);
    void Reset() noexcept { FWidths = nullptr; }

private:
    QHash<QString, int>* FWidths = nullptr;
};

} // namespace schemakit
