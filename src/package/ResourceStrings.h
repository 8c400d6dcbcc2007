#pragma once

#include <schemakit/schemakit_export.h>

#include <QHash>
#include <QList>
#include <QString>

class QIODevice;

namespace schemakit {

/// One user-visible text: an identifier the code refers to, a fixed numeric id and
/// the built-in English text. Text() looks the current text up each time it is
/// called, so a replaced table reaches every caption and message set afterwards.
class SCHEMAKIT_EXPORT TResourceString {
public:
    /// The text `id` named `identifier` whose built-in English is `text`.
    constexpr TResourceString(quint16 id, const char* identifier, const char* text) noexcept
        : FId(id), FIdentifier(identifier), FText(text)
    {
    }

    /// What QT_TRANSLATE_NOOP3("schemakit", text, identifier) stands for: the
    /// table is written in that form so that lupdate finds every text, with its
    /// identifier as the disambiguation that Text() looks it up by.
    struct TTranslatableText {
        const char* Text;       ///< the built-in English text
        const char* Identifier; ///< the identifier, also the translation's disambiguation
    };
    /// The text `id` written as QT_TRANSLATE_NOOP3("schemakit", text, identifier).
    constexpr TResourceString(quint16 id, TTranslatableText text) noexcept
        : FId(id), FIdentifier(text.Identifier), FText(text.Text)
    {
    }

    /// The fixed numeric id a replacement table may name the text by.
    constexpr quint16 Id() const noexcept { return FId; }
    /// The identifier the code and a replacement table name the text by.
    constexpr const char* Identifier() const noexcept { return FIdentifier; }
    /// The built-in English text.
    constexpr const char* BuiltInText() const noexcept { return FText; }

    /// The current text: the active replacement table's, else the installed
    /// translator's, else the built-in one.
    QString Text() const;
    /// The current text, as Text().
    operator QString() const { return Text(); }

private:
    quint16 FId;
    const char* FIdentifier;
    const char* FText;
};

/// Every resource string of the library, in table order.
SCHEMAKIT_EXPORT const QList<const TResourceString*>& ResourceStringTable();

///@{
/// The string with the given id or identifier, or null.
SCHEMAKIT_EXPORT const TResourceString* FindResourceString(quint16 id);
SCHEMAKIT_EXPORT const TResourceString* FindResourceString(QStringView identifier);
///@}

/// The current text of the string with the given id, or an empty string.
SCHEMAKIT_EXPORT QString LoadResString(quint16 id);

/// Replaces the active texts. Ids missing from the map keep their text from the
/// installed QTranslator (context "schemakit", the identifier as disambiguation),
/// or else the built-in one. An empty map restores the built-in table.
SCHEMAKIT_EXPORT void SetResourceStringTable(const QHash<quint16, QString>& texts);
/// Drops the replacement texts: every string reads from the translator or the built-in table again.
SCHEMAKIT_EXPORT void ResetResourceStringTable();

/// Reads a replacement table: UTF-8 lines "identifier=text" or "id=text"; blank
/// lines and lines starting with '#' are skipped; `\n`, `\t` and `\\` are escapes.
/// An unknown identifier or id, or a line without '=', raises an error naming the
/// line, and leaves the active table unchanged.
SCHEMAKIT_EXPORT QHash<quint16, QString> ParseResourceStringTable(QIODevice& source);
///@{
/// Reads a replacement table as ParseResourceStringTable does, from a device or a
/// file, and makes it the active one (SetResourceStringTable).
SCHEMAKIT_EXPORT void LoadResourceStringTable(QIODevice& source);
SCHEMAKIT_EXPORT void LoadResourceStringTable(const QString& fileName);
///@}

} // namespace schemakit
