#pragma once

#include <schemakit/schemakit_export.h>

#include <QList>
#include <QString>
#include <QStringView>

namespace schemakit {

/// File-name wildcard matching over table names, letters compared without case:
/// "*" stands for any run of characters, "?" for one character, "[abc]", "[a-z]"
/// and "[!abc]" for one character of (or not of) a set. A mask that ends in ".*"
/// also matches what it matches without those two characters, the file-system
/// rule for names without an extension: "*.*" matches every name, dotted or not,
/// and "cust*.*" matches "customers". An empty mask matches everything.
SCHEMAKIT_EXPORT bool MatchesMask(QStringView name, QStringView mask);

/// A mask compiled once, for matching many names: each match costs time linear
/// in the name and the mask (masks with several stars may take the name's length
/// times a segment's length), never a rescan of the mask per character.
class SCHEMAKIT_EXPORT TNameMask {
public:
    /// The empty mask, which matches every name.
    TNameMask();
    /// `mask` compiled, with the rules of MatchesMask.
    explicit TNameMask(QStringView mask);
    ~TNameMask();
    /// A copy of another compiled mask.
    TNameMask(const TNameMask&);
    /// Takes over another compiled mask.
    TNameMask& operator=(const TNameMask&);

    /// Whether `name` matches the mask, as MatchesMask would answer.
    bool Matches(QStringView name) const;

private:
    struct Token;
    struct Pattern {
        QList<QList<Token>> Segments; // the token runs between stars
    };
    static Pattern Compile(QStringView mask);
    static bool ParseSet(QStringView mask, const QList<qsizetype>& nextClose, qsizetype& m, Token& token);
    static bool Matches(const Pattern& pattern, QStringView name);

    bool FMatchesAll = true;
    bool FNoExtension = false;
    Pattern FWhole;
    Pattern FBare;
};

/// The order table names are listed in: letters without case first, then with
/// case, so the order does not depend on the database's collation.
SCHEMAKIT_EXPORT bool TableNameLess(QStringView a, QStringView b) noexcept;

/// The name as one double-quoted SQL identifier (the standard form that SQLite and
/// PostgreSQL read): embedded quotes are doubled and dots stay part of the name,
/// so no table name can end the identifier early or reach into the statement.
SCHEMAKIT_EXPORT QString QuoteIdentifier(QStringView name);

} // namespace schemakit
