#include "TestSupport.h"

namespace schemakit::test {

namespace {
TScriptedDialogService* current = nullptr;
}

TScriptedDialogService& InstallScriptedDialogs()
{
    auto service = std::make_unique<TScriptedDialogService>();
    current = service.get();
    SetDialogService(std::move(service));
    return *current;
}

TScriptedDialogService& ScriptedDialogs()
{
    return current ? *current : InstallScriptedDialogs();
}

} // namespace schemakit::test
