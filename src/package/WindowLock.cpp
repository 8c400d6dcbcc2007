#include "WindowLock.h"

#include <QPointer>
#include <QWidget>

namespace schemakit {

namespace {
QPointer<QWidget>& Holder()
{
    static QPointer<QWidget> holder;
    return holder;
}
} // namespace

bool LockWindowUpdate(QWidget* window)
{
    if (!window || Holder())
        return false;
    Holder() = window;
    window->setUpdatesEnabled(false);
    return true;
}

void UnlockWindowUpdate()
{
    if (QWidget* w = Holder()) {
        Holder() = nullptr;
        w->setUpdatesEnabled(true);
        w->update();
    }
}

QWidget* LockedWindow()
{
    return Holder();
}

} // namespace schemakit
