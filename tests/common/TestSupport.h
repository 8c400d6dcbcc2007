#pragma once

#include "QtPrinters.h"

#include <schemakit/package/DialogService.h>

#include <QtGlobal>

namespace schemakit::test {

// Installs a fresh scripted dialog service (no answers queued) and returns it.
TScriptedDialogService& InstallScriptedDialogs();
// The scripted service installed for the running test.
TScriptedDialogService& ScriptedDialogs();

// Bytes of heap in use now: the allocator's own count, also under
// AddressSanitizer, whose allocator replaces malloc's.
qint64 HeapInUse();

} // namespace schemakit::test
