#pragma once

// The enumerations of the published properties, known to Qt's meta-object
// system: Designer, QObject::setProperty (also with a member's name as the
// text), QMetaEnum::fromType and QDebug see their members by name.
//
// They live in one header because a namespace can have its meta-object
// (Q_NAMESPACE) in one header only; the headers that use them include this
// one, so they keep being spelled schemakit::scText and so on. Ordinals and
// underlying types are what schema files and tables elsewhere rely on: never
// reorder or renumber.

#include <QObject>

namespace schemakit {

Q_NAMESPACE

// The kind of a box, fixed when it is made. The first three are the list kinds
// (rows in a list, check list or tree); text and icon boxes are the shape kinds
// and hold at most one row.
enum TSchemaControlType : quint8 {
    scListBox = 0,
    scCheckListBox = 1,
    scTreeView = 2,
    scText = 3,
    scIcon = 4,
};
Q_ENUM_NS(TSchemaControlType)

// Which destructive or editing commands the popup menus of boxes and links offer.
enum TZBSAction : quint8 {
    saDeleteItem = 0,
    saDeleteReleation = 1,
    saEditRelation = 2,
};
Q_ENUM_NS(TZBSAction)

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
Q_ENUM_NS(TSDRelationOperator)

// The kind of join a link stands for.
enum TSDRelationJoin : quint8 {
    rjInner = 0,
    rjLeftOuter = 1,
    rjRightOuter = 2,
    rjFull = 3,
};
Q_ENUM_NS(TSDRelationJoin)

// The kind of relationship; only rtNonIdentifying changes the drawing (dotted).
enum TSDRelationType : quint8 {
    rtNormal = 0,
    rtIdentifying = 1,
    rtNonIdentifying = 2,
};
Q_ENUM_NS(TSDRelationType)

// The outline a text box draws behind its text. The ordinals are stored, so
// the order never changes.
enum TSchemaShapeKind : quint8 {
    skNone = 0,
    skRectangle = 1,
    skRoundRect = 2,
    skEllipse = 3,
    skStar = 4,
    skTriangle = 5,
    skOctogon = 6,
};
Q_ENUM_NS(TSchemaShapeKind)

// Vertical placement of laid-out text.
enum TTextLayout : quint8 { tlTop = 0, tlCenter = 1, tlBottom = 2 };
Q_ENUM_NS(TTextLayout)

// Horizontal alignment of a label's text.
enum TAlignment : quint8 { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
Q_ENUM_NS(TAlignment)

// The built-in pictures of an icon box. The ordinals are what schema files
// store, so the order must not change.
enum TSCIconType : quint8 {
    itDefault = 0,
    itComputer = 1,
    itDrive = 2,
    itCalculator = 3,
    itCalendar = 4,
    itDesign = 5,
    itFAX = 6,
    itRecycle = 7,
    itConnection = 8,
    itCross = 9,
    itPassword = 10,
    itDatabase = 11,
    itPaper = 12,
    itLink = 13,
    itRelation = 14,
    itSettings = 15,
    itFolderBox = 16,
    itFont = 17,
    itForm = 18,
    itGraph = 19,
    itMail = 20,
    itNetwork = 21,
    itNote = 22,
    itWebData = 23,
    itPrinter = 24,
    itServer = 25,
    itSignal = 26,
    itStopLight = 27,
    itTime = 28,
    itUpdate = 29,
    itUser = 30,
};
Q_ENUM_NS(TSCIconType)

// The SQL dialect a data engine writes: where joins go and how outer joins are
// marked. Values outside the members are accepted and written like the
// condition dialects (joins as plain conditions after WHERE).
enum TSQLSubType : quint8 {
    stStandard = 0, // join keywords after the table list
    stLocal = 1,    // plain conditions after WHERE, outer joins unmarked
    stOracle = 2,   // plain conditions, outer joins marked " (+)"
    stMSSQL = 3,    // plain conditions, outer joins marked "*" beside the operator
    stAnsi = 4,     // "a INNER JOIN b ON (...)": the query builder writes the joins
                    // into the table list; a join script is the bare ON condition
};
Q_ENUM_NS(TSQLSubType)

} // namespace schemakit
