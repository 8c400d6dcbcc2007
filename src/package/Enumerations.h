#pragma once

#include <schemakit/schemakit_export.h>

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

/// SchemaKit: Qt widgets for data diagrams (the pane, its boxes, rows and
/// links), the data engines that fill them from a database, a SQL tokenizer and
/// clause parser, and the visual SQL query builder.
namespace schemakit {

Q_NAMESPACE_EXPORT(SCHEMAKIT_EXPORT)

/// The kind of a box, fixed when it is made. The first three are the list kinds
/// (rows in a list, check list or tree); text and icon boxes are the shape kinds
/// and hold at most one row.
enum TSchemaControlType : quint8 {
    scListBox = 0,      ///< rows in a plain list
    scCheckListBox = 1, ///< rows with check boxes
    scTreeView = 2,     ///< rows in a tree of expandable nodes
    scText = 3,         ///< a text in a shape outline
    scIcon = 4,         ///< one of the built-in pictures with a caption
};
Q_ENUM_NS(TSchemaControlType)

/// Which destructive or editing commands the popup menus of boxes and links offer.
enum TZBSAction : quint8 {
    saDeleteItem = 0,      ///< "Delete item" and the caption's close box
    saDeleteReleation = 1, ///< "Delete relations" of a box and "Delete relation" of a link
    saEditRelation = 2,    ///< "Edit relation..." of a link
};
Q_ENUM_NS(TZBSAction)

/// The comparison a link makes between its two columns. The member order is the
/// order of the relation dialog's radio buttons and the ordinal the schema file
/// stores, so it must not change.
enum TSDRelationOperator : quint8 {
    roEqual = 0,       ///< "="
    roLess = 1,        ///< "<"
    roGreater = 2,     ///< ">"
    roLessThan = 3,    ///< "<="
    roGreaterThan = 4, ///< ">="
    roNonEqual = 5,    ///< "<>"
};
Q_ENUM_NS(TSDRelationOperator)

/// The kind of join a link stands for.
enum TSDRelationJoin : quint8 {
    rjInner = 0,      ///< inner join: rows matching on both sides
    rjLeftOuter = 1,  ///< left outer join: every row of the parent end's table
    rjRightOuter = 2, ///< right outer join: every row of the child end's table
    rjFull = 3,       ///< full outer join: every row of both tables
};
Q_ENUM_NS(TSDRelationJoin)

/// The kind of relationship; only rtNonIdentifying changes the drawing (dotted).
enum TSDRelationType : quint8 {
    rtNormal = 0,         ///< a plain relationship, drawn solid
    rtIdentifying = 1,    ///< an identifying relationship, drawn solid
    rtNonIdentifying = 2, ///< a non-identifying relationship, drawn dotted
};
Q_ENUM_NS(TSDRelationType)

/// The outline a text box draws behind its text. The ordinals are stored, so
/// the order never changes.
enum TSchemaShapeKind : quint8 {
    skNone = 0,      ///< no outline, the text alone
    skRectangle = 1, ///< a rectangle
    skRoundRect = 2, ///< a rectangle with rounded corners
    skEllipse = 3,   ///< an ellipse
    skStar = 4,      ///< a star
    skTriangle = 5,  ///< a triangle
    skOctogon = 6,   ///< an octagon
};
Q_ENUM_NS(TSchemaShapeKind)

/// Vertical placement of laid-out text.
enum TTextLayout : quint8 {
    tlTop = 0,    ///< at the top
    tlCenter = 1, ///< centred vertically
    tlBottom = 2  ///< at the bottom
};
Q_ENUM_NS(TTextLayout)

/// Horizontal alignment of a label's text.
enum TAlignment : quint8 {
    taLeftJustify = 0,  ///< flush left
    taRightJustify = 1, ///< flush right
    taCenter = 2        ///< centred
};
Q_ENUM_NS(TAlignment)

/// The built-in pictures of an icon box. The ordinals are what schema files
/// store, so the order must not change.
enum TSCIconType : quint8 {
    itDefault = 0,    ///< the default picture, which a new icon box shows
    itComputer = 1,   ///< a computer
    itDrive = 2,      ///< a disk drive
    itCalculator = 3, ///< a calculator
    itCalendar = 4,   ///< a calendar
    itDesign = 5,     ///< a design
    itFAX = 6,        ///< a fax machine
    itRecycle = 7,    ///< a recycle bin
    itConnection = 8, ///< a connection
    itCross = 9,      ///< a cross
    itPassword = 10,  ///< a password
    itDatabase = 11,  ///< a database
    itPaper = 12,     ///< a sheet of paper
    itLink = 13,      ///< a link
    itRelation = 14,  ///< a relation
    itSettings = 15,  ///< settings
    itFolderBox = 16, ///< a folder box
    itFont = 17,      ///< a font
    itForm = 18,      ///< a form
    itGraph = 19,     ///< a graph
    itMail = 20,      ///< mail
    itNetwork = 21,   ///< a network
    itNote = 22,      ///< a note
    itWebData = 23,   ///< web data
    itPrinter = 24,   ///< a printer
    itServer = 25,    ///< a server
    itSignal = 26,    ///< a signal
    itStopLight = 27, ///< a stop light
    itTime = 28,      ///< time
    itUpdate = 29,    ///< an update
    itUser = 30,      ///< a user
};
Q_ENUM_NS(TSCIconType)

/// The SQL dialect a data engine writes: where joins go and how outer joins are
/// marked. Values outside the members are accepted and written like the
/// condition dialects (joins as plain conditions after WHERE).
enum TSQLSubType : quint8 {
    stStandard = 0, ///< join keywords after the table list
    stLocal = 1,    ///< plain conditions after WHERE, outer joins unmarked
    stOracle = 2,   ///< plain conditions, outer joins marked " (+)"
    stMSSQL = 3,    ///< plain conditions, outer joins marked "*" beside the operator
    stAnsi = 4,     ///< "a INNER JOIN b ON (...)": the query builder writes the joins
                    ///< into the table list; a join script is the bare ON condition
};
Q_ENUM_NS(TSQLSubType)

} // namespace schemakit
