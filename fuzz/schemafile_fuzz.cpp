// Feeds arbitrary bytes to the schema file's reader and checks what must hold for
// any file: lines hold no line ends, indexed section lookup finds exactly what a
// walk over the lines from the top finds, values are those of the first matching
// key, strict numbers fail only with the conversion error and exactly when the
// lenient ones fall back, the font never raises and a value without a comma leaves
// it alone, and whatever text is written as a value comes back unchanged without
// adding a section.

#include <schemakit/diagram/SchemaFile.h>
#include <schemakit/package/Exceptions.h>

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace schemakit;
using namespace schemakit::SchemaFile;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The lookup as the format describes it: walk from the first line; the header
// itself (every time it comes) belongs to the section, any other line starting
// with "[" after it ends the section.
QList<QStringView> WalkSection(const TReader& file, QStringView header)
{
    QList<QStringView> lines;
    bool found = false;
    for (qsizetype i = 0; i < file.LineCount(); ++i) {
        const QStringView line = file.Line(i);
        if (line == header) {
            found = true;
            lines.append(line);
        } else if (found) {
            if (!line.isEmpty() && line.front() == u'[')
                break;
            lines.append(line);
        }
    }
    return lines;
}

QStringView WalkValue(const TSection& section, QStringView key)
{
    for (qsizetype i = 0; i < section.Count(); ++i) {
        const QStringView line = section.Line(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && line.first(eq).compare(key, Qt::CaseInsensitive) == 0)
            return line.sliced(eq + 1);
    }
    return {};
}

const QStringView kKeys[] = {u"ItemCount", u"RelCount",     u"ControlType",   u"Caption", u"Left",
                             u"SubItems",  u"Font",         u"Index",         u"Checked", u"ParentItem",
                             u"IconType",  u"ChildSubItem", u"CaptionEscaped"};

// Raising is slow under the sanitizers: a few malformed values per input are
// enough to see that the strict conversion raises when it should.
int gThrowsLeft = 0;

void CheckNumbers(QStringView value)
{
    int parsed = 0;
    const bool ok = ParseInt(value, parsed);
    Check(LenientInt(value, 17) == (ok ? parsed : 17));
    if (ok || gThrowsLeft-- > 0) {
        try {
            Check(StrictInt(value) == parsed && ok);
        } catch (const EConvertError&) {
            Check(!ok);
        }
    }
    // The same judgement from Qt's parser, given only signs and digits.
    const bool digitsOnly = std::all_of(value.begin(), value.end(),
                                        [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+'; });
    if (digitsOnly) {
        bool qtOk = false;
        const qlonglong v = value.toLongLong(&qtOk);
        const bool inRange = qtOk && v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
        Check(ok == inRange && (!ok || parsed == int(v)));
    }
}

void CheckFont(QStringView value)
{
    TFont font;
    TColor color = clSilver;
    DecodeFont(value, font, color);
    if (!value.contains(u','))
        Check(font == TFont() && color == clSilver);
}

void CheckSection(const TReader& file, QStringView header)
{
    const TSection section = file.Section(header);
    const QList<QStringView> walked = WalkSection(file, header);
    Check(section.Count() == walked.size());
    for (qsizetype i = 0; i < section.Count(); ++i)
        Check(section.Line(i).data() == walked[i].data() && section.Line(i).size() == walked[i].size());
    for (QStringView key : kKeys) {
        const QStringView value = section.Value(key);
        const QStringView expected = WalkValue(section, key);
        Check(value.data() == expected.data() && value.size() == expected.size());
        CheckNumbers(value);
        (void)section.Text(key);
        (void)section.Bool(key);
    }
    CheckFont(section.Value(u"Font"));
}

// Any text written as a value reads back as it was, on one line of its own (and a
// marker line when it had to be escaped).
void CheckRoundTrip(const QString& text)
{
    if (QString::fromUtf8(text.toUtf8()) != text)
        return; // not valid UTF-16, so not something a file can carry
    Check(Unescape(Escape(text)) == text);
    TWriter out;
    out.Header(u"[Item1]");
    out.Text(u"Caption", text);
    out.Int(u"ControlType", 0);
    const TReader back(out.Bytes());
    Check(back.LineCount() == (NeedsEscape(text) ? 4 : 3));
    Check(back.SectionCount() == 1);
    const TSection section = back.Section(1, -1, -1);
    Check(section.Text(u"Caption") == text && section.Int(u"ControlType") == 0);

    // A face without commas or outer blanks survives the font encoding too.
    TFont font;
    font.Name = text;
    font.Style = {fsBold, fsStrikeOut};
    if (!text.isEmpty() && !text.contains(u',') && text.front() > u' ' && text.back() > u' ') {
        TFont decoded;
        TColor color = clBlack;
        DecodeFont(EncodeFont(&font, clInfoBk), decoded, color);
        Check(decoded == font && color == clInfoBk);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    gThrowsLeft = 4;
    const TReader file(bytes);
    for (qsizetype i = 0; i < file.LineCount(); ++i)
        Check(!file.Line(i).contains(u'\r') && !file.Line(i).contains(u'\n'));

    // The headers the file has (a bounded number: the walk is the slow way), the
    // ones a load asks for, and a few near misses.
    QStringList headers;
    for (qsizetype i = 0; i < file.LineCount() && headers.size() < 24; ++i) {
        if (file.Line(i).startsWith(u'['))
            headers.append(file.Line(i).toString());
    }
    headers << SectionHeader(1, -1, -1) << SectionHeader(2, -1, -1) << SectionHeader(1, 1, -1)
            << SectionHeader(1, 2, -1) << SectionHeader(-1, -1, 1) << QStringLiteral("[General]")
            << QStringLiteral("[item1]") << QStringLiteral("[Item1");
    for (const QString& header : headers)
        CheckSection(file, header);

    const TSection whole = file.Whole();
    Check(whole.Count() == file.LineCount());
    CheckNumbers(whole.Value(u"ItemCount"));

    QString text = DecodeText(bytes);
    CheckRoundTrip(text.left(256));
    for (qsizetype i = 0; i < std::min<qsizetype>(file.LineCount(), 8); ++i) {
        CheckFont(file.Line(i));
        CheckNumbers(file.Line(i));
    }
    return 0;
}
