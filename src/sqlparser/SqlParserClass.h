#pragma once

#include <schemakit/schemakit_export.h>

#include "SqlTokens.h"

#include <QString>
#include <QStringView>

namespace schemakit {

class TStringList;

/// Reads SQL text token by token and walks it clause by clause. The parser owns a
/// copy of the text; token texts are views into that copy, so scanning allocates
/// nothing and a caller pays for a QString only when it asks for one.
class SCHEMAKIT_EXPORT TSQLParser {
public:
    /// A parser over a copy of `Text`.
    /// Reads the first token, which is current on return (stEnd for a text with no
    /// tokens). A NUL inside Text ends it for the parser.
    explicit TSQLParser(const QString& Text);
    ~TSQLParser();
    TSQLParser(const TSQLParser&) = delete;
    TSQLParser& operator=(const TSQLParser&) = delete;

    /// Reads the next token and makes it current; returns its kind.
    /// Tokenizer. NextToken raises EAbort when the current token is already stEnd:
    /// reading past the end is how the list operations leave their loops.
    TSQLToken NextToken();
    /// Starts again at the beginning of the text, with the first token current.
    void Reset();
    /// Current token is a symbol (quoted or not) whose text equals S, letters A to Z
    /// compared without regard to case.
    bool TokenSymbolIs(QStringView S) const noexcept;

    /// The kind of the current token.
    TSQLToken Token() const noexcept { return FToken; }
    /// The text of the current token (without the quotes of a quoted name).
    /// Valid while the parser lives.
    QStringView TokenText() const noexcept { return FTokenString; }
    /// The text of the current token as a string of its own.
    QString TokenString() const { return FTokenString.toString(); }
    /// Whether the current symbol was quoted.
    bool SymbolQuoted() const noexcept { return FSymbolQuoted; }
    ///@{
    /// Index in Text() of the current token's first character and of the first
    /// character not yet consumed.
    qsizetype TokenPos() const noexcept { return FTokenPtr - FBegin; }
    qsizetype SourcePos() const noexcept { return FSourcePtr - FBegin; }
    ///@}
    /// The parser's copy of the text.
    const QString& Text() const noexcept { return FText; }

    /// Reports every token with its clause through OnParsed. A text without tokens
    /// reports stEnd once and then raises EAbort; exceptions from the handler pass
    /// through.
    void Parse();

    // Each empties List and fills it between BeginUpdate and EndUpdate; a statement
    // of another kind gives an empty list, one that ends early a partial one.
    // Table entries carry the object value 1 for a quoted name, 0 otherwise.

    /// Fills `List` with the tables after FROM of a SELECT statement; entries
    /// carry the object value 1 for a quoted name, 0 otherwise. Like every list
    /// operation here it empties List and fills it between BeginUpdate and
    /// EndUpdate; a statement of another kind gives an empty list, one that ends
    /// early a partial one.
    void GetSelectTableNames(TStringList& List);
    /// Fills `List` with the conditions after WHERE of a SELECT statement: each
    /// field, then "=" and the tokens of its value where it is compared with "=".
    void GetSelectWhereFields(TStringList& List);
    /// The table an UPDATE statement changes, or an empty name for any other statement.
    void GetUpdateTableName(QString& TableName);
    /// Fills `List` with the fields an UPDATE statement assigns after SET.
    void GetUpdateFields(TStringList& List);
    /// Fills `List` with the fields compared with "=" after WHERE of an UPDATE statement.
    void GetUpdateWhereFields(TStringList& List);

    /// Receives every token from Parse.
    TSQLParsedEvent OnParsed;

private:
    struct TState {
        const char16_t* SourcePtr;
        const char16_t* TokenPtr;
        QStringView TokenString;
        TSQLToken Token;
        bool SymbolQuoted;
    };
    TState SaveState() const noexcept;
    void RestoreState(const TState& state) noexcept;
    bool JoinWithBy(QStringView joined);
    void SkipToSymbol(QStringView S);

    QString FText;
    // FText's characters, always followed by a NUL, which the scan loops use as
    // their sentinel instead of testing the length.
    const char16_t* FBegin = nullptr;
    const char16_t* FSourcePtr = nullptr;
    const char16_t* FTokenPtr = nullptr;
    QStringView FTokenString;
    TSQLToken FToken = stSymbol;
    bool FSymbolQuoted = false;
};

} // namespace schemakit
