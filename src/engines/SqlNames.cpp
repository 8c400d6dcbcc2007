#include "SqlNames.h"

namespace schemakit {

namespace {

inline char32_t Fold(QChar c)
{
    return c.toCaseFolded().unicode();
}

// Matches one "[...]" set at mask[m] against c; on return m is just past the set.
// An unterminated "[" is an ordinary character.
bool MatchSet(QStringView mask, qsizetype& m, QChar c)
{
    const qsizetype start = m;
    qsizetype i = m + 1;
    bool negate = false;
    if (i < mask.size() && mask[i] == u'!') {
        negate = true;
        ++i;
    }
    bool found = false;
    bool first = true;
    while (i < mask.size() && (first || mask[i] != u']')) {
        first = false;
        const char32_t low = Fold(mask[i]);
        char32_t high = low;
        if (i + 2 < mask.size() && mask[i + 1] == u'-' && mask[i + 2] != u']') {
            high = Fold(mask[i + 2]);
            i += 2;
        }
        const char32_t folded = Fold(c);
        if (folded >= low && folded <= high)
            found = true;
        ++i;
    }
    if (i >= mask.size()) { // no closing bracket: a literal "["
        m = start + 1;
        return Fold(c) == Fold(u'[');
    }
    m = i + 1;
    return found != negate;
}

// Classic greedy matching with one back-tracking point per "*": linear in the
// name for masks with a single star, never exponential.
bool Glob(QStringView name, QStringView mask)
{
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype starMask = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starMask = ++m;
            starName = n;
            continue;
        }
        if (m < mask.size()) {
            qsizetype next = m + 1;
            bool ok;
            if (mask[m] == u'?') {
                ok = true;
            } else if (mask[m] == u'[') {
                next = m;
                ok = MatchSet(mask, next, name[n]);
            } else {
                ok = Fold(mask[m]) == Fold(name[n]);
            }
            if (ok) {
                m = next;
                ++n;
                continue;
            }
        }
        if (starMask < 0)
            return false;
        m = starMask;
        n = ++starName;
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

} // namespace

bool MatchesMask(QStringView name, QStringView mask)
{
    if (mask.isEmpty() || mask == u"*" || mask == u"*.*")
        return true;
    if (Glob(name, mask))
        return true;
    // The file-system rule: "name.*" also stands for "name" without extension.
    return mask.endsWith(u".*") && Glob(name, mask.chopped(2));
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
