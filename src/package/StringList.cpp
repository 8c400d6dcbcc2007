#include "StringList.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace schemakit {

EListError::~EListError() = default;

TStringList::TStringList() = default;
TStringList::~TStringList() = default;
TStringList::TStringList(const TStringList& other) : FItems(other.FItems), FCaseSensitive(other.FCaseSensitive)
{
}
TStringList& TStringList::operator=(const TStringList& other)
{
    if (this != &other) {
        FItems = other.FItems;
        FCaseSensitive = other.FCaseSensitive;
        Changed();
    }
    return *this;
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QCoreApplication::translate("schemakit", "List index out of bounds (%1)").arg(index));
}

void TStringList::Changed()
{
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}

void TStringList::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        Changed();
    }
}

void TStringList::EndUpdateQuietly() noexcept
{
    try {
        EndUpdate();
    } catch (...) {
    }
}

const QString& TStringList::Strings(int index) const
{
    CheckIndex(index);
    return FItems[index].Text;
}

void* TStringList::Objects(int index) const
{
    CheckIndex(index);
    return FItems[index].Object;
}

void TStringList::SetStrings(int index, const QString& s)
{
    CheckIndex(index);
    FItems[index].Text = s;
    Changed();
}

void TStringList::SetObjects(int index, void* object)
{
    CheckIndex(index);
    FItems[index].Object = object;
    Changed();
}

int TStringList::Add(const QString& s)
{
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const QString& s, void* object)
{
    FItems.append(Entry{s, object});
    Changed();
    return Count() - 1;
}

void TStringList::Insert(int index, const QString& s)
{
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const QString& s, void* object)
{
    if (index < 0 || index > Count())
        throw EListError(QCoreApplication::translate("schemakit", "List index out of bounds (%1)").arg(index));
    FItems.insert(index, Entry{s, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    FItems.removeAt(index);
    Changed();
}

void TStringList::Clear()
{
    if (FItems.isEmpty())
        return;
    FItems.clear();
    Changed();
}

void TStringList::AddStrings(const TStringList& other)
{
    // A copy, so that a list can append itself without reading what it appends.
    const QList<Entry> entries = other.FItems;
    UpdateList(*this, [&] {
        for (const Entry& e : entries)
            AddObject(e.Text, e.Object);
    });
}

int TStringList::IndexOf(const QString& s) const
{
    const Qt::CaseSensitivity cs = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i) {
        if (FItems[i].Text.compare(s, cs) == 0)
            return i;
    }
    return -1;
}

int TStringList::IndexOfObject(const void* object) const
{
    for (int i = 0; i < Count(); ++i) {
        if (FItems[i].Object == object)
            return i;
    }
    return -1;
}

QString TStringList::Text() const
{
    QString r;
    for (const Entry& e : FItems) {
        r += e.Text;
        r += QLatin1String("\r\n");
    }
    return r;
}

void TStringList::SetText(const QString& text)
{
    UpdateList(*this, [&] { Fill(text); });
}

void TStringList::Fill(const QString& text)
{
    Clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            Add(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        Add(text.mid(start));
}

QStringList TStringList::ToQStringList() const
{
    QStringList r;
    r.reserve(Count());
    for (const Entry& e : FItems)
        r.append(e.Text);
    return r;
}

void TStringList::LoadFromStream(QIODevice& stream)
{
    const QByteArray bytes = stream.readAll();
    // UTF-8 (with or without a byte-order mark) or UTF-16 with its mark.
    auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (!text.isEmpty() && text.front() == QChar(0xFEFF))
        text.remove(0, 1);
    SetText(text);
}

void TStringList::SaveToStream(QIODevice& stream) const
{
    const QByteArray bytes = Text().toUtf8();
    if (stream.write(bytes) != bytes.size())
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot write the stream: %1").arg(stream.errorString()));
}

void TStringList::LoadFromFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    LoadFromStream(f);
}

void TStringList::SaveToFile(const QString& fileName) const
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
    SaveToStream(f);
    if (!f.commit())
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

} // namespace schemakit
