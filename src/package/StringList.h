#pragma once

#include "Exceptions.h"

#include <QList>
#include <QString>

#include <functional>

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
    int UpdateCount() const noexcept { return FUpdateCount; }

    std::function<void(TStringList*)> OnChange;

private:
    struct Entry {
        QString Text;
        void* Object = nullptr;
    };
    void CheckIndex(int index) const;
    void Changed();

    QList<Entry> FItems;
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
    bool FCaseSensitive = false;
};

// Holds a list inside one update while a scope empties and fills it, also when
// something on the way raises, so its change notification fires once and the
// list is never left held.
class TListUpdate {
public:
    explicit TListUpdate(TStringList& list) : FList(list) { FList.BeginUpdate(); }
    ~TListUpdate() { FList.EndUpdate(); }
    TListUpdate(const TListUpdate&) = delete;
    TListUpdate& operator=(const TListUpdate&) = delete;

private:
    TStringList& FList;
};

} // namespace schemakit
