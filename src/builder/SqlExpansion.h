#pragma once

#include <schemakit/schemakit_export.h>

#include <QList>
#include <QString>
#include <QStringView>

namespace schemakit {

// Statement templates: SQL text with optional sections between "%[" and "]%",
// each around one "#macro#".
//
/// Replaces the first occurrence of Macro together with its section: the nearest
/// `%[` before it and the nearest `]%` after it (no nesting is parsed; inner
/// sections work because their macros are expanded first). With a non-empty
/// Value the two markers vanish and the section's other text stays; with an
/// empty Value the whole section goes. A macro that is not in Text changes
/// nothing. A macro with no `]%` after it has no section: only the macro itself
/// is replaced.
SCHEMAKIT_EXPORT void ExpandSQL(QString& Text, QStringView Macro, QStringView Value);

/// Drops the lines that hold nothing but blanks and control characters. CR and LF
/// both end a line; every kept line, the last one too, ends with CR LF and keeps
/// its own blanks.
SCHEMAKIT_EXPORT void RemoveBlankLines(QString& Text);

/// A template under expansion whose expanded values are sealed: later
/// expansions look for their macro and their section markers only in the
/// template's own text, never inside a value. A filter that reads
/// "code = '#orders#'" or a table named "a]%b" therefore reaches the statement as
/// typed. Within the template's text the rules are exactly those of ExpandSQL.
class SCHEMAKIT_EXPORT TSQLExpansion {
public:
    /// Starts the expansion of `Template`, with no value yet.
    explicit TSQLExpansion(QString Template);

    /// Replaces `Macro` and its section in the template's own text, as ExpandSQL
    /// does, and seals `Value`.
    void Expand(QStringView Macro, QStringView Value);
    /// The text as expanded so far.
    const QString& Text() const noexcept { return FText; }

private:
    struct TSpan {
        qsizetype Start;
        qsizetype End; // one past the last character
    };

    qsizetype FindMacro(QStringView Macro) const;
    qsizetype FindSectionStart(qsizetype MacroPos) const;
    qsizetype FindSectionEnd(qsizetype From) const;

    QString FText;
    QList<TSpan> FValues; // sorted, disjoint; the template's text lies between them
};

} // namespace schemakit
