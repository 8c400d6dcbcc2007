#pragma once

#include "Exceptions.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QIODevice;

namespace schemakit {

// An index outside a list's bounds.
class EListError : public Exception {
public:
    using Exception::Exception;
    ~EListError() override;
};

// An ordered list of strings with one untyped, never-owned object reference per
// entry. Lists handed to fill operations belong to the caller; the callee empties
// them and fills them between BeginUpdate and EndUpdate.
class TStringList {
public:
    TStringList();
    ~TStringList();
    TStringList(const TStringList&);
    TStringList& operator=(const TStringList&);

    int Count() const noexcept { return int(FItems.size()); }
    const QString& Strings(int index) const;
    void* Objects(int index) const;
    void SetStrings(int index, const QString& s);
    void SetObjects(int index, void* object);

    int Add(const QString& s);
    int AddObject(const QString& s, void* object);
    void Insert(int index, const QString& s);
    void InsertObject(int index, const QString& s, void* object);
    void Delete(int index);
    void Clear();
    void AddStrings(const TStringList& other);

    // First entry equal to s (case-insensitive unless CaseSensitive), or -1.
    int IndexOf(const QString& s) const;
    int IndexOfObject(const void* object) const;
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool value) noexcept { FCaseSensitive = value; }

    // Entries joined with line breaks, each entry followed by one; setting splits
    // at CR, LF or CR LF.
    QString Text() const;
    void SetText(const QString& text);
    QStringList ToQStringList() const;

    void LoadFromStream(QIODevice& stream);
    void SaveToStream(QIODevice& stream) const;
    void LoadFromFile(const QString& fileName);
    // Written through a temporary file, so a failed save keeps the old file.
    void SaveToFile(const QString& fileName) const;

    // Nested updates: OnChange fires once when the outermost EndUpdate ends them.
    void BeginUpdate() noexcept { ++FUpdateCount; }
    void EndUpdate();
    // EndUpdate for error paths: an error of OnChange is dropped, so the error
    // already on its way is the one that arrives.
    void EndUpdateQuietly() noexcept;
    int UpdateCount() const noexcept { return FUpdateCount; }

    std::function<void(TStringList*)> OnChange;

private:
    struct Entry {
        QString Text;
        void* Object = nullptr;
    };
    void CheckIndex(int index) const;
    void Fill(const QString& text);
    void Changed();

    QList<Entry> FItems;
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
    bool FCaseSensitive = false;
};

// Runs `fill` with `list` held inside one update, so that its change notification
// fires once, when the outermost update ends. The update is closed on every path.
// An error of the list's OnChange handler reaches the caller when `fill`
// succeeded; when `fill` itself raised, its error is the one the caller sees and
// a handler that raises again meanwhile is not let through. (A guard object
// closing the update in its destructor cannot do this: a handler raising there
// would end the program.)
template <typename Fill>
void UpdateList(TStringList& list, Fill&& fill)
{
    list.BeginUpdate();
    try {
        std::forward<Fill>(fill)();
    } catch (...) {
        list.EndUpdateQuietly();
        throw;
    }
    list.EndUpdate();
}

} // namespace schemakit
