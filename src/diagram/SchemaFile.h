#pragma once

// The text of a schema file (".sch"): lines of section headers ("[Item1]") and
// key=value pairs. This layer knows the format only, not the pane: it turns bytes
// into lines and back, finds sections and values, converts numbers and the font
// encoding. The pane's SaveToStream and LoadFromStream build on it.

#include "../package/Color.h"
#include "../package/Font.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <span>

/// The text of a schema file (".sch"): lines of section headers ("[Item1]") and
/// key=value pairs, turned from bytes into lines and back, with its sections,
/// values, numbers and font encoding. The pane's SaveToStream and LoadFromStream
/// build on it.
namespace schemakit::SchemaFile {

// --- bytes and lines ---

/// The text of a file's bytes.
/// A UTF-8 or UTF-16 (either byte order) byte-order mark picks the encoding and is
/// dropped; without one the bytes are in the locale's 8-bit encoding.
QString DecodeText(const QByteArray& bytes);
/// The lines of a text, as views into it.
/// Lines end at CR LF, CR or LF; a last line without an end still counts, an empty
/// text has no lines.
QList<QStringView> SplitLines(QStringView text);

// --- numbers ---

/// Decimal integer with an optional sign and nothing else (no blanks); false when
/// malformed, empty or out of range.
bool ParseInt(QStringView text, int& value) noexcept;
/// The number a text holds, as ParseInt reads it.
/// Raises EConvertError when the text is not such a number.
int StrictInt(QStringView text);
/// The number a text holds, as ParseInt reads it, or `fallback` when it holds none.
int LenientInt(QStringView text, int fallback) noexcept;
/// A flag value: only "1" is true.
bool ParseBool(QStringView text) noexcept;

// --- values that may hold line breaks ---

// A line break in a value would end its line and could start a forged section, so
// a value holding CR or LF is written escaped (backslash, CR, LF as "\\", "\r",
// "\n") and followed by the marker key EscapedKey(key) with the value "1". Values
// without line breaks are written as they are and carry no marker, so files
// without such values are exactly what they would be without this rule, and a
// backslash in a file that has no marker is an ordinary character.

/// The marker key written after an escaped value of `key` (the key with "Escaped" appended).
QString EscapedKey(QStringView key);
/// Whether a value holds CR or LF and so has to be written escaped.
bool NeedsEscape(QStringView value) noexcept;
/// A value with backslash, CR and LF written as `\\`, `\r` and `\n`.
QString Escape(QStringView value);
/// The inverse of Escape; a backslash before anything else stays as it is.
QString Unescape(QStringView value);

// --- sections and values ---

/// A run of lines of the file: one section (its header first) or the whole file.
class TSection {
public:
    /// The section not found: no lines.
    TSection() = default;
    /// The section of the given lines, which it views.
    explicit TSection(std::span<const QStringView> lines) : FLines(lines) {}

    /// Whether the section was found (has any line).
    bool Found() const noexcept { return !FLines.empty(); }
    /// The number of lines, the header included.
    qsizetype Count() const noexcept { return qsizetype(FLines.size()); }
    /// Line `i` of the section.
    QStringView Line(qsizetype i) const { return FLines[size_t(i)]; }

    /// The text after the first "=" of the first line whose text before it equals
    /// `key` ignoring case; empty when no line has the key.
    QStringView Value(QStringView key) const noexcept;
    /// A value as it was before writing: unescaped when its marker says so.
    QString Text(QStringView key) const;
    /// A value as a number; raises EConvertError when it is not one (StrictInt).
    int Int(QStringView key) const { return StrictInt(Value(key)); }
    /// A value as a number, or `fallback` when it is not one (LenientInt).
    int IntDef(QStringView key, int fallback) const noexcept { return LenientInt(Value(key), fallback); }
    /// A value as a flag: only "1" is true.
    bool Bool(QStringView key) const noexcept { return ParseBool(Value(key)); }

private:
    std::span<const QStringView> FLines;
};

/// A section header:
/// "[Item<i>]" when j and r are both below 1, "[SubItem<i>of<j>]" when j is above
/// 0 and r below 1, "[Relation<r>]" when r is above 0.
QString SectionHeader(int i, int j, int r);

/// The lines of a file read in full. A section starts at the first line equal to
/// its header (exactly, with case) and runs to the next line that starts with "["
/// and is not that header again. The headers are indexed once, so finding any
/// number of sections costs the file's length, not its length per section.
class TReader {
public:
    /// Reads the file's bytes (see DecodeText).
    explicit TReader(const QByteArray& bytes);
    /// Reads the file's text.
    explicit TReader(QString text);
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    /// The number of lines of the file.
    qsizetype LineCount() const noexcept { return FLines.size(); }
    /// Line `i` of the file.
    QStringView Line(qsizetype i) const { return FLines[i]; }
    /// The whole file as one section.
    TSection Whole() const noexcept { return TSection(FLines); }
    /// The section with this header, or one not Found.
    TSection Section(QStringView header) const;
    /// The section with the header SectionHeader(i, j, r), or one not Found.
    TSection Section(int i, int j, int r) const { return Section(SectionHeader(i, j, r)); }
    /// How many distinct sections the file has: no load can find more.
    qsizetype SectionCount() const noexcept { return FSections.size(); }

private:
    void Index();

    QString FText; // the lines view it
    QList<QStringView> FLines;
    struct Span {
        qsizetype Begin;
        qsizetype End;
    };
    QHash<QStringView, Span> FSections;
};

// --- writing ---

/// Builds a file's text: every line, the last included, ends with CR LF; the bytes
/// are in the system's 8-bit encoding (UTF-8 on current Linux, the ANSI code page
/// on Windows), without a byte-order mark, as the reader expects them.
class TWriter {
public:
    void Header(QStringView header); ///< the whole header line, brackets included
    /// A "key=value" line, escaped and followed by its marker when the value holds a line break.
    void Text(QStringView key, QStringView value);
    /// A "key=value" line of a decimal number.
    void Int(QStringView key, int value);
    /// A "key=value" line of a flag, "1" or "0".
    void Bool(QStringView key, bool value);
    /// An empty line.
    void Blank();
    /// The text written so far, encoded.
    QByteArray Bytes() const;

private:
    void Line(QStringView key, QStringView value);

    QString FText;
};

// --- the font of a box ---

/// A box's font and colour as one value:
/// six fields joined by commas: face, character set, font colour, size, style (bold
/// 1, italic 2, underline 4, strike-out 8) and the box colour. Without a font, only
/// the box colour after five commas.
QString EncodeFont(const TFont* font, TColor boxColor);
/// Reads as much of the value as is there, field by field: a value without a comma
/// changes nothing; each comma found lets the field before it through (face if not
/// empty; a malformed or empty number keeps what was there); after the fifth comma
/// the rest is the box colour. Never raises.
void DecodeFont(QStringView value, TFont& font, TColor& boxColor) noexcept;

} // namespace schemakit::SchemaFile
