#include "HandleRegistry.h"

#include <QObject>

#include <atomic>
#include <limits>

namespace schemakit {

namespace {

// Shared by every registry, so that a handle names one object however many
// builder forms are open, and is never handed out twice.
std::atomic<qint64> gLastHandle{0};

} // namespace

qint64 ParseHandle(QStringView Text) noexcept
{
    qsizetype i = 0;
    const bool negative = !Text.isEmpty() && Text.front() == u'-';
    if (negative)
        i = 1;
    if (i == Text.size())
        return 0;
    // Accumulated as a negative number, whose range holds the smallest qint64.
    qint64 value = 0;
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    for (; i < Text.size(); ++i) {
        const char16_t c = Text[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        const int digit = c - u'0';
        if (value < (kMin + digit) / 10)
            return 0;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == kMin ? 0 : -value;
}

QString HandleText(qint64 Handle)
{
    return Handle == 0 ? QString() : QString::number(Handle);
}

THandleRegistry::THandleRegistry() : FWatcher(std::make_unique<QObject>())
{
}

THandleRegistry::~THandleRegistry() = default;

qint64 THandleRegistry::Register(void* Object)
{
    if (!Object)
        return 0;
    if (const qint64 known = FHandles.value(Object); known != 0)
        return known;
    const qint64 handle = ++gLastHandle;
    FObjects.insert(handle, Object);
    FHandles.insert(Object, handle);
    return handle;
}

qint64 THandleRegistry::Track(QObject* Object)
{
    if (!Object)
        return 0;
    const bool known = FHandles.contains(Object);
    const qint64 handle = Register(Object);
    // destroyed() comes from ~QObject, when only the address is left; the
    // address is all Forget needs.
    if (!known)
        QObject::connect(Object, &QObject::destroyed, FWatcher.get(), [this, Object] {
            const qint64 gone = Handle(Object);
            Forget(Object);
            if (OnDestroyed && gone != 0)
                OnDestroyed(gone);
        });
    return handle;
}

void THandleRegistry::Forget(const void* Object)
{
    const auto it = FHandles.constFind(Object);
    if (it == FHandles.cend())
        return;
    FObjects.remove(it.value());
    FHandles.erase(it);
}

qint64 THandleRegistry::Handle(const void* Object) const
{
    return FHandles.value(Object);
}

void* THandleRegistry::Resolve(qint64 Handle) const
{
    return Handle == 0 ? nullptr : FObjects.value(Handle);
}

} // namespace schemakit
