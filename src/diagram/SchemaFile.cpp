#include "SchemaFile.h"

#include "../package/Exceptions.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <limits>

namespace schemakit::SchemaFile {

namespace {

// The runtime's Trim: blanks and control characters at both ends.
QStringView Trimmed(QStringView s) noexcept
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b].unicode() <= u' ')
        ++b;
    while (e > b && s[e - 1].unicode() <= u' ')
        --e;
    return s.mid(b, e - b);
}

bool StartsHeaderLike(QStringView line) noexcept
{
    return !line.isEmpty() && line.front() == u'[';
}

} // namespace

// --- bytes and lines ---------------------------------------------------------------

QString DecodeText(const QByteArray& bytes)
{
    const auto starts = [&](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (unsigned char c : mark) {
            if (static_cast<unsigned char>(bytes[i++]) != c)
                return false;
        }
        return true;
    };
    QStringConverter::Encoding encoding = QStringConverter::System;
    qsizetype skip = 0;
    if (starts({0xEF, 0xBB, 0xBF})) {
        encoding = QStringConverter::Utf8;
        skip = 3;
    } else if (starts({0xFF, 0xFE})) {
        encoding = QStringConverter::Utf16LE;
        skip = 2;
    } else if (starts({0xFE, 0xFF})) {
        encoding = QStringConverter::Utf16BE;
        skip = 2;
    }
    // Ours is gone; a second mark after it is text, as any other character.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(bytes).sliced(skip));
}

QList<QStringView> SplitLines(QStringView text)
{
    QList<QStringView> lines;
    const qsizetype n = text.size();
    const QChar* p = text.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.sliced(start));
    return lines;
}

// --- numbers --------------------------------------------------------------------------

bool ParseInt(QStringView text, int& value) noexcept
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    if (i == n)
        return false;
    // One past int's largest magnitude, so that the negative end fits.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > limit)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max())
        return false;
    value = int(v);
    return true;
}

int StrictInt(QStringView text)
{
    int v = 0;
    if (!ParseInt(text, v))
        throw EConvertError(QCoreApplication::translate("schemakit", "'%1' is not a valid integer value").arg(text));
    return v;
}

int LenientInt(QStringView text, int fallback) noexcept
{
    int v = 0;
    return ParseInt(text, v) ? v : fallback;
}

bool ParseBool(QStringView text) noexcept
{
    return text == u"1";
}

// --- values that may hold line breaks -------------------------------------------------

QString EscapedKey(QStringView key)
{
    return key.toString() + QLatin1String("Escaped");
}

bool NeedsEscape(QStringView value) noexcept
{
    for (QChar c : value) {
        if (c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

QString Escape(QStringView value)
{
    QString r;
    r.reserve(value.size() + 8);
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\': r += QLatin1String("\\\\"); break;
        case u'\r': r += QLatin1String("\\r"); break;
        case u'\n': r += QLatin1String("\\n"); break;
        default: r += c;
        }
    }
    return r;
}

QString Unescape(QStringView value)
{
    QString r;
    r.reserve(value.size());
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < n) {
            const char16_t next = value[i + 1].unicode();
            if (next == u'\\' || next == u'r' || next == u'n') {
                r += next == u'\\' ? u'\\' : next == u'r' ? u'\r' : u'\n';
                ++i;
                continue;
            }
        }
        r += c;
    }
    return r;
}

// --- sections and values ----------------------------------------------------------------

QStringView TSection::Value(QStringView key) const noexcept
{
    for (QStringView line : FLines) {
        const qsizetype eq = line.indexOf(u'=');
        // Case folding keeps lengths, so only a name of the key's length can match.
        if (eq != key.size())
            continue;
        if (line.first(eq).compare(key, Qt::CaseInsensitive) == 0)
            return line.sliced(eq + 1);
    }
    return {};
}

QString TSection::Text(QStringView key) const
{
    const QStringView v = Value(key);
    if (Value(EscapedKey(key)) == u"1")
        return Unescape(v);
    return v.toString();
}

QString SectionHeader(int i, int j, int r)
{
    if (r > 0)
        return QStringLiteral("[Relation%1]").arg(r);
    if (j > 0)
        return QStringLiteral("[SubItem%1of%2]").arg(i).arg(j);
    return QStringLiteral("[Item%1]").arg(i);
}

TReader::TReader(const QByteArray& bytes) : TReader(DecodeText(bytes))
{
}

TReader::TReader(QString text) : FText(std::move(text))
{
    FLines = SplitLines(FText);
    Index();
}

void TReader::Index()
{
    // Walking from a header, every line that starts with "[" ends the section
    // except the header itself again, which is taken in. So a section reaches from
    // the first line equal to its header to the first "[" line after the run of
    // equal ones that starts there.
    const qsizetype n = FLines.size();
    qsizetype i = 0;
    while (i < n && !StartsHeaderLike(FLines[i]))
        ++i;
    while (i < n) {
        const QStringView header = FLines[i];
        qsizetype end = i + 1;
        while (end < n && (!StartsHeaderLike(FLines[end]) || FLines[end] == header))
            ++end;
        if (!FSections.contains(header))
            FSections.insert(header, Span{i, end});
        i = end;
    }
}

TSection TReader::Section(QStringView header) const
{
    const auto found = FSections.constFind(header);
    if (found == FSections.cend())
        return {};
    return TSection(std::span<const QStringView>(FLines.constData() + found->Begin, size_t(found->End - found->Begin)));
}

// --- writing -------------------------------------------------------------------------------

void TWriter::Header(QStringView header)
{
    FText += header;
    FText += QLatin1String("\r\n");
}

void TWriter::Line(QStringView key, QStringView value)
{
    FText += key;
    FText += u'=';
    FText += value;
    FText += QLatin1String("\r\n");
}

void TWriter::Text(QStringView key, QStringView value)
{
    if (!NeedsEscape(value)) {
        Line(key, value);
        return;
    }
    Line(key, Escape(value));
    Line(EscapedKey(key), u"1");
}

void TWriter::Int(QStringView key, int value)
{
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    Line(key, QString::fromLatin1(digits, written.ptr - digits));
}

void TWriter::Bool(QStringView key, bool value)
{
    Line(key, value ? u"1" : u"0");
}

void TWriter::Blank()
{
    FText += QLatin1String("\r\n");
}

// --- the font of a box ----------------------------------------------------------------------

QString EncodeFont(const TFont* font, TColor boxColor)
{
    if (!font)
        return QStringLiteral(",,,,,") + QString::number(boxColor);
    // Joined in one go: a face name holding "%1" must not become a place for
    // the numbers that follow it, as it would in a chain of arg() calls.
    return font->Name + u',' + QString::number(font->Charset) + u',' + QString::number(font->Color) + u',' +
           QString::number(font->Size) + u',' + QString::number(font->Style.ToInt()) + u',' + QString::number(boxColor);
}

void DecodeFont(QStringView value, TFont& font, TColor& boxColor) noexcept
{
    QStringView rest = value;
    QStringView field;
    const auto next = [&] {
        const qsizetype comma = rest.indexOf(u',');
        if (comma < 0)
            return false;
        field = Trimmed(rest.first(comma));
        rest = rest.sliced(comma + 1);
        return true;
    };
    // A number outside what the field can hold counts as malformed.
    const auto number = [&](int& target, int low, int high) {
        int v = 0;
        if (ParseInt(field, v) && v >= low && v <= high)
            target = v;
    };
    constexpr int any = std::numeric_limits<int>::min();
    constexpr int anyHigh = std::numeric_limits<int>::max();
    if (!next())
        return;
    if (!field.isEmpty())
        font.Name = field.toString();
    if (!next())
        return;
    number(font.Charset, 0, 255);
    if (!next())
        return;
    number(font.Color, any, anyHigh);
    if (!next())
        return;
    number(font.Size, any, anyHigh);
    if (!next())
        return;
    int style = int(font.Style.ToInt());
    number(style, 0, 15);
    font.Style = TFontStyles::FromInt(quint32(style));
    boxColor = LenientInt(Trimmed(rest), boxColor);
}

QByteArray TWriter::Bytes() const
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(FText);
}

} // namespace schemakit::SchemaFile
