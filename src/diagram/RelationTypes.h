#pragma once

#include <QtGlobal>

namespace schemakit {

// The comparison a link makes between its two columns. The member order is the
// order of the relation dialog's radio buttons and the ordinal the schema file
// stores, so it must not change.
enum TSDRelationOperator : quint8 {
    roEqual = 0,
    roLess = 1,
    roGreater = 2,
    roLessThan = 3,    // "<="
    roGreaterThan = 4, // ">="
    roNonEqual = 5,
};

// The kind of join a link stands for.
enum TSDRelationJoin : quint8 {
    rjInner = 0,
    rjLeftOuter = 1,
    rjRightOuter = 2,
    rjFull = 3,
};

// The kind of relationship; only rtNonIdentifying changes the drawing (dotted).
enum TSDRelationType : quint8 {
    rtNormal = 0,
    rtIdentifying = 1,
    rtNonIdentifying = 2,
};

} // namespace schemakit
