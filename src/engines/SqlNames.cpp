#include "SqlNames.h"

#include <utility>

namespace schemakit {

namespace {

inline char32_t Fold(QChar c)
{
    return c.toCaseFolded().unicode();
}

} // namespace

// A mask is compiled once into tokens that each match exactly one character,
// with the stars between them splitting the tokens into segments. Finding a
// set's closing bracket is then done once per mask, not once per comparison.
struct TNameMask::Token {
    enum Kind : quint8 { Literal, Any, Set };
    Kind What = Literal;
    bool Negate = false;
    char32_t Char = 0;                           // Literal: the folded character
    QList<std::pair<char32_t, char32_t>> Ranges; // Set: folded bounds

    bool Matches(char32_t folded) const
    {
        switch (What) {
        case Literal: return folded == Char;
        case Any: return true;
        case Set: break;
        }
        bool found = false;
        for (const auto& [low, high] : Ranges) {
            if (folded >= low && folded <= high) {
                found = true;
                break;
            }
        }
        return found != Negate;
    }
};

TNameMask::TNameMask() = default;
TNameMask::~TNameMask() = default;
TNameMask::TNameMask(const TNameMask&) = default;
TNameMask& TNameMask::operator=(const TNameMask&) = default;

TNameMask::TNameMask(QStringView mask)
{
    FMatchesAll = mask.isEmpty() || mask == u"*" || mask == u"*.*";
    if (FMatchesAll)
        return;
    FWhole = Compile(mask);
    // The file-system rule: "name.*" also stands for "name" without extension.
    FNoExtension = mask.endsWith(u".*");
    if (FNoExtension)
        FBare = Compile(mask.chopped(2));
}

TNameMask::Pattern TNameMask::Compile(QStringView mask)
{
    // nextClose[k]: the first "]" at k or after it. A set's first character is
    // always a member (so "[]a]" holds "]" and "a"), and a range never steps
    // over a "]", so a set closes at the first "]" after its first member.
    const qsizetype size = mask.size();
    QList<qsizetype> nextClose(size + 1, size);
    for (qsizetype k = size - 1; k >= 0; --k)
        nextClose[k] = mask[k] == u']' ? k : nextClose[k + 1];

    Pattern pattern;
    pattern.Segments.append(QList<Token>());
    qsizetype m = 0;
    while (m < size) {
        const QChar c = mask[m];
        if (c == u'*') {
            if (!pattern.Segments.last().isEmpty() || pattern.Segments.size() == 1)
                pattern.Segments.append(QList<Token>());
            ++m;
            continue;
        }
        Token token;
        if (c == u'?') {
            token.What = Token::Any;
            ++m;
        } else if (c == u'[' && ParseSet(mask, nextClose, m, token)) {
            // m is past the set
        } else { // an ordinary character, or a "[" that no "]" closes
            token.Char = Fold(c);
            ++m;
        }
        pattern.Segments.last().append(std::move(token));
    }
    return pattern;
}

bool TNameMask::ParseSet(QStringView mask, const QList<qsizetype>& nextClose, qsizetype& m, Token& token)
{
    qsizetype i = m + 1;
    const bool negate = i < mask.size() && mask[i] == u'!';
    if (negate)
        ++i;
    if (i >= mask.size())
        return false;
    const qsizetype close = nextClose[i + 1];
    if (close >= mask.size())
        return false;
    token.What = Token::Set;
    token.Negate = negate;
    while (i < close) {
        const char32_t low = Fold(mask[i]);
        char32_t high = low;
        if (i + 2 < mask.size() && mask[i + 1] == u'-' && mask[i + 2] != u']') {
            high = Fold(mask[i + 2]);
            i += 2;
        }
        token.Ranges.append({low, high});
        ++i;
    }
    m = close + 1;
    return true;
}

namespace {

template <typename Token>
bool SegmentAt(const QList<Token>& segment, QStringView name, qsizetype at)
{
    for (qsizetype k = 0; k < segment.size(); ++k) {
        if (!segment[k].Matches(Fold(name[at + k])))
            return false;
    }
    return true;
}

} // namespace

bool TNameMask::Matches(const Pattern& pattern, QStringView name)
{
    // Every token matches one character, so the first segment must match the
    // name's start and the last its end; the segments between stars are taken
    // at their leftmost place, which never loses a match. Linear for the usual
    // masks with one star, whatever they hold.
    const QList<QList<Token>>& segments = pattern.Segments;
    const QList<Token>& head = segments.first();
    if (segments.size() == 1)
        return head.size() == name.size() && SegmentAt(head, name, 0);
    const QList<Token>& tail = segments.last();
    if (head.size() + tail.size() > name.size())
        return false;
    if (!SegmentAt(head, name, 0) || !SegmentAt(tail, name, name.size() - tail.size()))
        return false;
    qsizetype from = head.size();
    const qsizetype end = name.size() - tail.size();
    for (qsizetype s = 1; s + 1 < segments.size(); ++s) {
        const QList<Token>& segment = segments[s];
        qsizetype at = from;
        while (at + segment.size() <= end && !SegmentAt(segment, name, at))
            ++at;
        if (at + segment.size() > end)
            return false;
        from = at + segment.size();
    }
    return true;
}

bool TNameMask::Matches(QStringView name) const
{
    if (FMatchesAll)
        return true;
    return Matches(FWhole, name) || (FNoExtension && Matches(FBare, name));
}

bool MatchesMask(QStringView name, QStringView mask)
{
    return TNameMask(mask).Matches(name);
}

bool TableNameLess(QStringView a, QStringView b) noexcept
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QString QuoteIdentifier(QStringView name)
{
    QString quoted;
    quoted.reserve(name.size() + 2);
    quoted += u'"';
    for (QChar c : name) {
        if (c == u'"')
            quoted += u'"';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

} // namespace schemakit
