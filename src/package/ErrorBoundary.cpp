#include "ErrorBoundary.h"

#include "DialogService.h"

namespace schemakit {

void ReportError(const QString& message, QWidget* context) noexcept
{
    try {
        Dialogs().ShowMessage(message, context);
    } catch (...) {
        // The reporter itself failed; there is nobody left to tell.
    }
}

} // namespace schemakit
