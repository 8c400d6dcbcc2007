#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QIODevice;

namespace schemakit {

// One user-visible text: an identifier the code refers to, a fixed numeric id and
// the built-in English text. Text() looks the current text up each time it is
// called, so a replaced table reaches every caption and message set afterwards.
class TResourceString {
public:
    constexpr TResourceString(quint16 id, const char* identifier, const char* text) noexcept
        : FId(id), FIdentifier(identifier), FText(text)
    {
    }

    constexpr quint16 Id() const noexcept { return FId; }
    constexpr const char* Identifier() const noexcept { return FIdentifier; }
    constexpr const char* BuiltInText() const noexcept { return FText; }

    QString Text() const;
    operator QString() const { return Text(); }

private:
    quint16 FId;
    const char* FIdentifier;
    const char* FText;
};

// Every resource string of the library, in table order.
const QList<const TResourceString*>& ResourceStringTable();

// The string with the given id or identifier, or null.
const TResourceString* FindResourceString(quint16 id);
const TResourceString* FindResourceString(QStringView identifier);

// The current text of the string with the given id, or an empty string.
QString LoadResString(quint16 id);

// Replaces the active texts. Ids missing from the map keep their text from the
// installed QTranslator (context "schemakit", the identifier as disambiguation),
// or else the built-in one. An empty map restores the built-in table.
void SetResourceStringTable(const QHash<quint16, QString>& texts);
void ResetResourceStringTable();

// Reads a replacement table: UTF-8 lines "identifier=text" or "id=text"; blank
// lines and lines starting with '#' are skipped; "\n", "\t" and "\\" are escapes.
// An unknown identifier or id, or a line without '=', raises an error naming the
// line, and leaves the active table unchanged.
QHash<quint16, QString> ParseResourceStringTable(QIODevice& source);
void LoadResourceStringTable(QIODevice& source);
void LoadResourceStringTable(const QString& fileName);

} // namespace schemakit
