#include "TestSupport.h"

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// Part of every AddressSanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

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

qint64 HeapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

} // namespace schemakit::test
