#pragma once

#include <schemakit/schemakit_export.h>

#include "Exceptions.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QIODevice;

namespace schemakit {

/// An index outside a list's bounds.
class SCHEMAKIT_EXPORT EListError : public Exception {
public:
    /// An error with the given message.
    using Exception::Exception;
    ~EListError() override;
};

/// An ordered list of strings with one untyped, never-owned object reference per
/// entry. Lists handed to fill operations belong to the caller; the callee empties
/// them and fills them between BeginUpdate and EndUpdate.
///
/// Reading or writing an entry at an index outside the list raises EListError.
class SCHEMAKIT_EXPORT TStringList {
public:
    /// An empty, case-insensitive list.
    TStringList();
    ~TStringList();
    /// A copy of the entries and the case sensitivity (not OnChange).
    TStringList(const TStringList&);
    /// Takes over the entries and the case sensitivity (not OnChange) and reports a change.
    TStringList& operator=(const TStringList&);

    /// The number of entries.
    int Count() const noexcept { return int(FItems.size()); }
    ///@{
    /// The text and the object reference of entry `index`.
    const QString& Strings(int index) const;
    void* Objects(int index) const;
    void SetStrings(int index, const QString& s);
    void SetObjects(int index, void* object);
    ///@}

    /// Appends `s` without an object; returns its index.
    int Add(const QString& s);
    /// Appends `s` with `object`; returns its index.
    int AddObject(const QString& s, void* object);
    /// Inserts `s` without an object before entry `index` (Count() appends).
    void Insert(int index, const QString& s);
    /// Inserts `s` with `object` before entry `index` (Count() appends).
    void InsertObject(int index, const QString& s, void* object);
    /// Removes entry `index`.
    void Delete(int index);
    /// Removes every entry.
    void Clear();
    /// Appends the entries of `other` (which may be this list), with their objects.
    void AddStrings(const TStringList& other);

    /// First entry equal to s (case-insensitive unless CaseSensitive), or -1.
    int IndexOf(const QString& s) const;
    /// First entry holding `object`, or -1.
    int IndexOfObject(const void* object) const;
    ///@{
    /// Whether IndexOf tells upper and lower case apart; off by default.
    bool CaseSensitive() const noexcept { return FCaseSensitive; }
    void SetCaseSensitive(bool value) noexcept { FCaseSensitive = value; }
    ///@}

    ///@{
    /// Entries joined with line breaks (CR LF), each entry followed by one; setting
    /// splits at CR, LF or CR LF.
    QString Text() const;
    void SetText(const QString& text);
    ///@}
    /// The texts of the entries.
    QStringList ToQStringList() const;

    /// Replaces the entries with the lines of the rest of `stream`: UTF-8 (with or
    /// without a byte-order mark) or UTF-16 with its mark.
    void LoadFromStream(QIODevice& stream);
    /// Writes Text() as UTF-8; raises EFileError when the stream takes less.
    void SaveToStream(QIODevice& stream) const;
    /// Replaces the entries with the lines of a file, as LoadFromStream; raises
    /// EFileError when it cannot be opened.
    void LoadFromFile(const QString& fileName);
    /// Writes Text() as UTF-8 to a file; raises EFileError on failure.
    /// Written through a temporary file, so a failed save keeps the old file.
    void SaveToFile(const QString& fileName) const;

    /// Opens an update.
    /// Nested updates: OnChange fires once when the outermost EndUpdate ends them.
    void BeginUpdate() noexcept { ++FUpdateCount; }
    /// Closes an update; closing the outermost one raises OnChange if anything changed.
    void EndUpdate();
    /// EndUpdate for error paths: an error of OnChange is dropped, so the error
    /// already on its way is the one that arrives.
    void EndUpdateQuietly() noexcept;
    /// The number of updates open.
    int UpdateCount() const noexcept { return FUpdateCount; }

    /// Raised after every change, or once when the outermost update ends.
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

/// Runs `fill` with `list` held inside one update, so that its change notification
/// fires once, when the outermost update ends. The update is closed on every path.
/// An error of the list's OnChange handler reaches the caller when `fill`
/// succeeded; when `fill` itself raised, its error is the one the caller sees and
/// a handler that raises again meanwhile is not let through. (A guard object
/// closing the update in its destructor cannot do this: a handler raising there
/// would end the program.)
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
