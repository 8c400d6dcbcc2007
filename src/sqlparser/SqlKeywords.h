#pragma once

#include <QStringView>
#include <QtGlobal>

namespace schemakit::sqlkeywords {

// The words the clause parser reacts to.
enum TKeyword : quint8 {
    kwNone,
    kwSelect,
    kwUpdate,
    kwFrom,
    kwWhere,
    kwHaving,
    kwGroup,
    kwOrder,
    kwUnion,
    kwInner,
    kwJoin,
    kwLeft,
    kwRight,
    kwFull,
    kwAnd,
    kwOr
};

// Which keyword Text spells, letters A to Z compared without regard to case and
// every other character exactly, as TokenSymbolIs compares. Parse calls this once
// per symbol instead of testing a dozen words one after another.
TKeyword KeywordOf(QStringView Text) noexcept;

} // namespace schemakit::sqlkeywords
