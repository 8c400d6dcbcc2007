#pragma once

#include <schemakit/schemakit_export.h>

#include "Exceptions.h"

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace schemakit {

/// Shows an error message through the dialog service. Never throws.
SCHEMAKIT_EXPORT void ReportError(const QString& message, QWidget* context = nullptr) noexcept;

/// Runs `body` so that no exception leaves it: every Qt entry point of the library
/// (event overrides, slots, menu commands, drops) goes through here, because an
/// exception must never unwind through Qt's event loop. EAbort is silent; any other
/// error is reported. Returns whether the body ran to its end.
template <typename Body>
bool Guarded(QWidget* context, Body&& body) noexcept
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ReportError(e.Message(), context);
    } catch (const std::exception& e) {
        ReportError(QString::fromLocal8Bit(e.what()), context);
    } catch (...) {
        ReportError(QCoreApplication::translate("schemakit", "Unexpected error"), context);
    }
    return false;
}

} // namespace schemakit
