#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>

class QObject;

namespace schemakit {

// Row 0 of a grid column names its row by a handle written as plain decimal
// text. Reading it back is lenient the way the grid needs: a text that is not
// an optional minus sign followed by decimal digits, or that does not fit,
// reads as 0, which is no row.
qint64 ParseHandle(QStringView Text) noexcept;
// The text of a handle; the empty text for 0, so that no row leaves an empty cell.
QString HandleText(qint64 Handle);

// Hands out the handles that grid cells keep for rows. A cell may outlive its
// row (a stale text, a cell pasted from elsewhere), so a handle is never an
// address: it is a key that resolves only while the row is registered, and a
// handle, once given, is never given to another object in this process.
// Objects are never owned.
class THandleRegistry {
public:
    THandleRegistry();
    ~THandleRegistry();
    THandleRegistry(const THandleRegistry&) = delete;
    THandleRegistry& operator=(const THandleRegistry&) = delete;

    // The object's handle, made on first use (0 for null). Call Forget before
    // the object goes, or register it with Track.
    qint64 Register(void* Object);
    // As Register, and the object is forgotten when it is destroyed.
    qint64 Track(QObject* Object);
    // Forgetting makes the object's handle resolve to none for good;
    // registering the object again gives it a new handle.
    void Forget(const void* Object);

    // The handle of a registered object, or 0.
    qint64 Handle(const void* Object) const;
    // The registered object of a handle (a text as ParseHandle reads it), or null.
    void* Resolve(qint64 Handle) const;
    void* Resolve(QStringView Text) const { return Resolve(ParseHandle(Text)); }
    template <class T>
    T* ResolveAs(QStringView Text) const
    {
        return static_cast<T*>(Resolve(Text));
    }

    qsizetype Count() const { return FObjects.size(); }

    // Told when a tracked object is destroyed, with the handle it had.
    std::function<void(qint64 Handle)> OnDestroyed;

private:
    QHash<qint64, void*> FObjects;
    QHash<const void*, qint64> FHandles;
    // The receiver of the destroyed() connections made by Track, so that they
    // end with the registry.
    std::unique_ptr<QObject> FWatcher;
};

} // namespace schemakit
