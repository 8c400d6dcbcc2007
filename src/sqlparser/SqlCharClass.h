#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

// Character classes of the tokenizer, after the model of SQLite's tokenize.c: one
// table lookup picks the branch for a token's first character, and the flag bits of
// the same entry drive the loops that extend symbols and numbers. The table runs
// up to the last letter that can belong to a name, so every character costs one
// comparison and one load.
namespace schemakit::sqlchars {

enum TCharClass : quint8 {
    ccEnd,   // the NUL that ends the text (a NUL inside the text ends it early)
    ccSpace, // codes 1 to 32: every control character counts as white space
    ccQuote, // " and '
    ccColon,
    ccSymbol, // $ * A-Z _ a-z and codes 127 to 1103
    ccDigit,
    ccMinus,
    ccSlash,
    ccLParen,
    ccRParen,
    ccComma,
    ccEQ,
    ccOther
};

inline constexpr quint8 ClassMask = 0x0F;
inline constexpr quint8 ContinuesSymbolFlag = 0x10;
inline constexpr quint8 ContinuesNumberFlag = 0x20;

// Latin-1, Greek and Cyrillic letters belong to names; anything above is "other".
inline constexpr char16_t LastSymbolChar = 1103;

inline constexpr std::size_t TableSize = LastSymbolChar + 1;

constexpr std::array<quint8, TableSize> BuildTable()
{
    std::array<quint8, TableSize> t{};
    t[0] = ccEnd;
    for (int c = 1; c <= 32; ++c)
        t[c] = ccSpace;
    for (int c = 33; c < 128; ++c)
        t[c] = ccOther;
    for (std::size_t c = 127; c < TableSize; ++c)
        t[c] = ccSymbol | ContinuesSymbolFlag;
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = ccSymbol | ContinuesSymbolFlag;
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = ccSymbol | ContinuesSymbolFlag;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = ccDigit | ContinuesSymbolFlag | ContinuesNumberFlag;
    t['$'] = t['*'] = t['_'] = ccSymbol | ContinuesSymbolFlag;
    // A double quote opens a quoted name, but inside a name that has begun it is an
    // ordinary character: T."F" is one symbol.
    t['"'] = ccQuote | ContinuesSymbolFlag;
    t['\''] = ccQuote;
    // "." never starts a token of its own kind, yet joins qualified names and numbers.
    t['.'] = ccOther | ContinuesSymbolFlag | ContinuesNumberFlag;
    t['E'] |= ContinuesNumberFlag;
    t['e'] |= ContinuesNumberFlag;
    t['+'] = ccOther | ContinuesNumberFlag;
    t['-'] = ccMinus | ContinuesNumberFlag;
    t[':'] = ccColon;
    t['/'] = ccSlash;
    t['('] = ccLParen;
    t[')'] = ccRParen;
    t[','] = ccComma;
    t['='] = ccEQ;
    return t;
}

// Not inline: one copy per translation unit lets the scan loops address the table
// directly instead of through the global offset table.
constexpr std::array<quint8, TableSize> Table = BuildTable();

inline TCharClass ClassOf(char16_t c) noexcept
{
    return c < TableSize ? TCharClass(Table[c] & ClassMask) : ccOther;
}

inline bool ContinuesSymbol(char16_t c) noexcept
{
    return c < TableSize && (Table[c] & ContinuesSymbolFlag) != 0;
}

inline bool ContinuesNumber(char16_t c) noexcept
{
    return c < TableSize && (Table[c] & ContinuesNumberFlag) != 0;
}

} // namespace schemakit::sqlchars
