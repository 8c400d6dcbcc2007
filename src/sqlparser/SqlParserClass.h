#pragma once

#include "SqlTokens.h"

#include <QString>
#include <QStringView>

namespace schemakit {

class TStringList;

// Reads SQL text token by token and walks it clause by clause. The parser owns a
// copy of the text; token texts are views into that copy, so scanning allocates
// nothing and a caller pays for a QString only when it asks for one.
class TSQLParser {
public:
    // Reads the first token, which is current on return (stEnd for a text with no
    // tokens). A NUL inside Text ends it for the parser.
    explicit TSQLParser(const QString& Text);
    ~TSQLParser();
    TSQLParser(const TSQLParser&) = delete;
    TSQLParser& operator=(const TSQLParser&) = delete;

    // Tokenizer. NextToken raises EAbort when the current token is already stEnd:
    // reading past the end is how the list operations leave their loops.
    TSQLToken NextToken();
    void Reset();
    // Current token is a symbol (quoted or not) whose text equals S, letters A to Z
    // compared without regard to case.
    bool TokenSymbolIs(QStringView S) const noexcept;

    TSQLToken Token() const noexcept { return FToken; }
    // Valid while the parser lives.
    QStringView TokenText() const noexcept { return FTokenString; }
    QString TokenString() const { return FTokenString.toString(); }
    bool SymbolQuoted() const noexcept { return FSymbolQuoted; }
    // Index in Text() of the current token's first character and of the first
    // character not yet consumed.
    qsizetype TokenPos() const noexcept { return FTokenPtr - FBegin; }
    qsizetype SourcePos() const noexcept { return FSourcePtr - FBegin; }
    const QString& Text() const noexcept { return FText; }

    // Reports every token with its clause through OnParsed. A text without tokens
    // reports stEnd once and then raises EAbort; exceptions from the handler pass
    // through.
    void Parse();

    // Each empties List and fills it between BeginUpdate and EndUpdate; a statement
    // of another kind gives an empty list, one that ends early a partial one.
    // Table entries carry the object value 1 for a quoted name, 0 otherwise.
    void GetSelectTableNames(TStringList& List);
    void GetSelectWhereFields(TStringList& List);
    void GetUpdateTableName(QString& TableName);
    void GetUpdateFields(TStringList& List);
    void GetUpdateWhereFields(TStringList& List);

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
