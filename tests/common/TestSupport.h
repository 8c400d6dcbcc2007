#pragma once

#include <schemakit/package/DialogService.h>

namespace schemakit::test {

// Installs a fresh scripted dialog service (no answers queued) and returns it.
TScriptedDialogService& InstallScriptedDialogs();
// The scripted service installed for the running test.
TScriptedDialogService& ScriptedDialogs();

} // namespace schemakit::test
