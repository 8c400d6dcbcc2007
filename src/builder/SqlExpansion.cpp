#include "SqlExpansion.h"

#include <utility>

namespace schemakit {

namespace {

constexpr QStringView kSectionStart = u"%[";
constexpr QStringView kSectionEnd = u"]%";

// A range of the old text that survives an expansion.
struct TPiece {
    qsizetype Start;
    qsizetype End;
};

bool IsBlankOrControl(QChar c) noexcept
{
    return c.unicode() <= u' ';
}

} // namespace

void ExpandSQL(QString& Text, QStringView Macro, QStringView Value)
{
    TSQLExpansion expansion(std::move(Text));
    expansion.Expand(Macro, Value);
    Text = expansion.Text();
}

void RemoveBlankLines(QString& Text)
{
    QString result;
    result.reserve(Text.size() + Text.size() / 16);
    const QStringView text(Text);
    const qsizetype length = text.size();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= length; ++i) {
        if (i < length && text[i] != u'\r' && text[i] != u'\n')
            continue;
        const QStringView line = text.sliced(lineStart, i - lineStart);
        for (QChar c : line) {
            if (!IsBlankOrControl(c)) {
                result += line;
                result += u"\r\n";
                break;
            }
        }
        lineStart = i + 1;
    }
    Text = std::move(result);
}

TSQLExpansion::TSQLExpansion(QString Template) : FText(std::move(Template))
{
}

// The template's text is searched gap by gap between the sealed values, so a
// macro or a marker is only ever found where the template put it; markers that
// would straddle a value's edge do not count either.
qsizetype TSQLExpansion::FindMacro(QStringView Macro) const
{
    if (Macro.isEmpty())
        return -1;
    const QStringView text(FText);
    qsizetype gapStart = 0;
    for (qsizetype v = 0; v <= FValues.size(); ++v) {
        const qsizetype gapEnd = v < FValues.size() ? FValues[v].Start : text.size();
        const qsizetype at = text.sliced(gapStart, gapEnd - gapStart).indexOf(Macro);
        if (at >= 0)
            return gapStart + at;
        if (v < FValues.size())
            gapStart = FValues[v].End;
    }
    return -1;
}

// The position of the nearest "%[" that ends before the macro, or -1.
qsizetype TSQLExpansion::FindSectionStart(qsizetype MacroPos) const
{
    const QStringView text(FText);
    qsizetype gapEnd = MacroPos;
    qsizetype v = FValues.size();
    while (v > 0 && FValues[v - 1].Start >= MacroPos)
        --v;
    for (;;) {
        const qsizetype gapStart = v > 0 ? FValues[v - 1].End : 0;
        const qsizetype at = text.sliced(gapStart, gapEnd - gapStart).lastIndexOf(kSectionStart);
        if (at >= 0)
            return gapStart + at;
        if (v == 0)
            return -1;
        gapEnd = FValues[--v].Start;
    }
}

// The position of the first "]%" that starts at From or later, or -1.
qsizetype TSQLExpansion::FindSectionEnd(qsizetype From) const
{
    const QStringView text(FText);
    qsizetype v = 0;
    while (v < FValues.size() && FValues[v].End <= From)
        ++v;
    qsizetype gapStart = From;
    for (;;) {
        const qsizetype gapEnd = v < FValues.size() ? FValues[v].Start : text.size();
        if (gapEnd > gapStart) {
            const qsizetype at = text.sliced(gapStart, gapEnd - gapStart).indexOf(kSectionEnd);
            if (at >= 0)
                return gapStart + at;
        }
        if (v == FValues.size())
            return -1;
        gapStart = FValues[v++].End;
    }
}

void TSQLExpansion::Expand(QStringView Macro, QStringView Value)
{
    const qsizetype macroPos = FindMacro(Macro);
    if (macroPos < 0)
        return;
    const qsizetype macroEnd = macroPos + Macro.size();

    // The section: by default the macro alone, which is what a macro without a
    // closing "]%" after it gets.
    qsizetype sectionStart = macroPos; // where the "%[" begins
    qsizetype innerStart = macroPos;   // just after the "%["
    qsizetype innerEnd = macroEnd;     // where the "]%" begins
    qsizetype sectionEnd = macroEnd;   // just after the "]%"
    const qsizetype closing = FindSectionEnd(qMax(macroPos + 1, macroEnd - 1));
    if (closing >= 0) {
        const qsizetype opening = FindSectionStart(macroPos);
        if (opening >= 0) {
            sectionStart = opening;
            innerStart = opening + kSectionStart.size();
        }
        innerEnd = qMax(closing, macroEnd);
        sectionEnd = closing + kSectionEnd.size();
    }

    QList<TPiece> kept;
    kept.append({0, sectionStart});
    if (!Value.isEmpty()) {
        kept.append({innerStart, macroPos});
        kept.append({macroEnd, innerEnd});
    }
    kept.append({sectionEnd, FText.size()});
    const qsizetype valueAfter = Value.isEmpty() ? 0 : 2; // the value goes after the second piece

    QString text;
    text.reserve(FText.size() + Value.size());
    QList<TSpan> values;
    values.reserve(FValues.size() + 1);
    qsizetype v = 0;
    for (qsizetype k = 0; k < kept.size(); ++k) {
        if (k == valueAfter && !Value.isEmpty()) {
            values.append({text.size(), text.size() + Value.size()});
            text += Value;
        }
        const TPiece piece = kept[k];
        // Sealed values lie wholly inside a kept piece or wholly inside the
        // dropped section: every cut is next to a marker or to the macro, which
        // are the template's own characters.
        while (v < FValues.size() && FValues[v].End <= piece.End) {
            if (FValues[v].Start >= piece.Start) {
                const qsizetype shift = text.size() - piece.Start;
                values.append({FValues[v].Start + shift, FValues[v].End + shift});
            }
            ++v;
        }
        text += QStringView(FText).sliced(piece.Start, piece.End - piece.Start);
    }
    FText = std::move(text);
    FValues = std::move(values);
}

} // namespace schemakit
