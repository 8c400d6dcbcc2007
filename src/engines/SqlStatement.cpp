#include "SqlStatement.h"

#include "../package/Exceptions.h"

#include <QCoreApplication>

namespace schemakit {

namespace {

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Scans one statement's text, position by position, skipping what a ";" inside
// would not end.
class TStatementScanner {
public:
    explicit TStatementScanner(QStringView sql) : FSql(sql) {}

    // Index of the first ";" at or after `from` outside quotes and comments, or
    // the text's size. Sets `sawToken` when anything but blanks and comments
    // came before it.
    qsizetype NextSemicolon(qsizetype from, bool& sawToken) const
    {
        sawToken = false;
        qsizetype i = from;
        while (i < FSql.size()) {
            const QChar c = FSql[i];
            if (c == u';')
                return i;
            if (c.isSpace()) {
                ++i;
                continue;
            }
            if (c == u'-' && At(i + 1) == u'-') {
                i = LineEnd(i);
                continue;
            }
            if (c == u'/' && At(i + 1) == u'*') {
                i = BlockCommentEnd(i);
                continue;
            }
            sawToken = true;
            i = TokenEnd(i);
        }
        return i;
    }

private:
    QChar At(qsizetype i) const { return i < FSql.size() ? FSql[i] : QChar(); }

    qsizetype LineEnd(qsizetype i) const
    {
        while (i < FSql.size() && FSql[i] != u'\n')
            ++i;
        return i;
    }

    // PostgreSQL nests block comments; SQLite ends one at the first "*/" and
    // then sees the rest as text, which its own driver refuses as a second
    // statement, so nesting here never lets anything extra run.
    qsizetype BlockCommentEnd(qsizetype i) const
    {
        int depth = 0;
        while (i < FSql.size()) {
            if (FSql[i] == u'/' && At(i + 1) == u'*') {
                ++depth;
                i += 2;
            } else if (FSql[i] == u'*' && At(i + 1) == u'/') {
                i += 2;
                if (--depth == 0)
                    return i;
            } else {
                ++i;
            }
        }
        return i;
    }

    // Past a quoted run that ends at `close`, a doubled `close` standing for one;
    // with `backslash`, a backslash escapes the next character.
    qsizetype QuotedEnd(qsizetype i, QChar close, bool backslash) const
    {
        ++i;
        while (i < FSql.size()) {
            const QChar c = FSql[i];
            if (backslash && c == u'\\') {
                i += 2;
                continue;
            }
            if (c == close) {
                if (At(i + 1) == close && close != u']') {
                    i += 2;
                    continue;
                }
                return i + 1;
            }
            ++i;
        }
        return i;
    }

    // "$$" or "$tag$" opening a dollar-quoted string, or 0.
    qsizetype DollarTagLength(qsizetype i) const
    {
        if (i > 0 && IsWordChar(FSql[i - 1]))
            return 0;
        qsizetype k = i + 1;
        if (k < FSql.size() && (FSql[k].isLetter() || FSql[k] == u'_')) {
            while (k < FSql.size() && (FSql[k].isLetterOrNumber() || FSql[k] == u'_'))
                ++k;
        }
        return k < FSql.size() && FSql[k] == u'$' ? k + 1 - i : 0;
    }

    qsizetype TokenEnd(qsizetype i) const
    {
        const QChar c = FSql[i];
        switch (c.unicode()) {
        case u'\'': {
            const bool escaped =
                i > 0 && (FSql[i - 1] == u'E' || FSql[i - 1] == u'e') && (i < 2 || !IsWordChar(FSql[i - 2]));
            return QuotedEnd(i, u'\'', escaped);
        }
        case u'"': return QuotedEnd(i, u'"', false);
        case u'`': return QuotedEnd(i, u'`', false);
        case u'[': return QuotedEnd(i, u']', false);
        case u'$':
            if (const qsizetype tag = DollarTagLength(i)) {
                const qsizetype close = FSql.indexOf(FSql.mid(i, tag), i + tag);
                return close < 0 ? FSql.size() : close + tag;
            }
            return i + 1;
        default: return i + 1;
        }
    }

    QStringView FSql;
};

} // namespace

QString SingleStatement(QStringView sql)
{
    const TStatementScanner scanner(sql);
    bool sawToken = false;
    const qsizetype end = scanner.NextSemicolon(0, sawToken);
    if (!sawToken)
        throw Exception(QCoreApplication::translate("schemakit", "There is no SQL statement to execute"));
    for (qsizetype at = end; at < sql.size();) {
        bool more = false;
        at = scanner.NextSemicolon(at + 1, more);
        if (more)
            throw Exception(
                QCoreApplication::translate("schemakit", "Unable to execute multiple statements at a time"));
    }
    return end < sql.size() ? sql.left(end).toString() : sql.toString();
}

} // namespace schemakit
