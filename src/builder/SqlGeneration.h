#pragma once

#include <schemakit/schemakit_export.h>

#include "SqlExpansion.h"

#include "../package/Enumerations.h"
#include "../engines/SqlDialect.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace schemakit {

// What the query builder's SQL is made of, gathered from the pane, the column
// grid and the options by the form and handed over as plain values, so that the
// statement can be built (and tested) without a single widget.

/// One box of the pane: one table.
struct SCHEMAKIT_EXPORT TSQLBox {
    quintptr Id = 0;   ///< the box as the caller knows it; links and columns refer to it
    QString Caption;   ///< the table name
    int ItemIndex = 0; ///< the box's position in the pane's child list, links counted
};

/// One row of a box: one field.
struct SCHEMAKIT_EXPORT TSQLField {
    quintptr Box = 0; ///< Id of the owning box; an id no box has stands for no box
    QString Caption;  ///< the field name; "*" stands for all fields
    quintptr Id = 0;  ///< the row as the caller knows it, for OnGetFieldName
};

/// One link: a join between a row of the parent box and a row of the child box.
struct SCHEMAKIT_EXPORT TSQLLink {
    TSQLField Parent;                       ///< the row at the parent end
    TSQLField Child;                        ///< the row at the child end
    TSDRelationOperator Operator = roEqual; ///< the comparison of the two fields
    TSDRelationJoin Join = rjInner;         ///< the kind of join
};

/// One used column of the grid with the texts of its option rows.
struct SCHEMAKIT_EXPORT TSQLColumn {
    TSQLField Field;   ///< the field the column stands for
    QString Calculate; ///< an aggregate's display text, or empty
    QString Sort;      ///< "Ascending", "Descending" (as currently loaded) or empty
    QString Where;     ///< free filter text
    QString Grouping;  ///< "1" when grouped
    QString Having;    ///< free group-filter text, read only for grouped columns
};

// The application's naming hooks. A table name from the hook is used as it is;
// a field name from the hook is still quoted like a caption.

/// The application's table naming hook: the name (or, with IsAlias, the
/// qualifier) of a box's table. Its result is used as it is.
using TSQLTableNameHook = std::function<QString(const TSQLBox& Box, int ItemIndex, bool IsAlias)>;
/// The application's field naming hook; its result is still quoted like a caption.
using TSQLFieldNameHook = std::function<QString(const TSQLField& Field)>;

/// Everything a statement is built from, as plain values.
struct SCHEMAKIT_EXPORT TSQLSnapshot {
    QList<TSQLBox> Boxes;      ///< in the pane's box order
    QList<TSQLLink> Links;     ///< in the pane's link order
    QList<TSQLColumn> Columns; ///< the used grid columns, in the order the user sees them
    bool Distinct = false;     ///< SELECT DISTINCT: the unique records only
    /// The data engine's dialect; without an engine the statement uses the
    /// standard template and the links add nothing, since only an engine knows
    /// how to write a join.
    std::optional<TSQLSubType> Dialect;
    /// An engine's own template (its GetSQLTemplate may be replaced); when
    /// absent, the dialect's.
    std::optional<QString> Template;
    TSQLTableNameHook OnGetTableName; ///< names tables instead of their captions, when set
    TSQLFieldNameHook OnGetFieldName; ///< names fields instead of their captions, when set
};

/// How the boxes of one snapshot are named, worked out once: which captions are
/// repeated (another box has exactly the same caption, case counting) and the
/// resulting names, so that naming a box costs a hash lookup however many boxes
/// the pane holds. Names with a blank or a double quote are double-quoted, each
/// quote inside doubled; a repeated caption gets the alias caption + item index,
/// the first box of that caption too ("emp emp0", "emp emp1").
class SCHEMAKIT_EXPORT TSQLTableNames {
public:
    /// Works out the names of `Boxes`; `OnGetTableName`, when set, names them instead.
    explicit TSQLTableNames(const QList<TSQLBox>& Boxes, TSQLTableNameHook OnGetTableName = {});

    /// The position in Boxes of the box with this id (the first, should ids
    /// repeat), or -1.
    qsizetype IndexOf(quintptr Id) const;
    /// The box with this id (the first, should ids repeat), or null.
    const TSQLBox* Find(quintptr Id) const;

    ///@{
    /// With IsAlias false the table list's form (the name, then the alias if
    /// any), with IsAlias true the qualifier of a field (the alias if any, else
    /// the name); the hook's result when a hook is set; empty for no box.
    QString TableName(const TSQLBox* Box, bool IsAlias) const;
    QString TableName(quintptr BoxId, bool IsAlias) const;
    ///@}

private:
    QString NameAt(qsizetype Index, bool IsAlias) const;

    struct TNames {
        QString Table;     // for the table list
        QString Qualifier; // for qualified fields
    };

    QList<TSQLBox> FBoxes;
    QHash<quintptr, qsizetype> FIndex;
    QList<TNames> FNames;
    TSQLTableNameHook FOnGetTableName;
};

/// A field name as written: double-quoted when it holds a blank, a full stop or
/// a double quote, each quote inside doubled.
SCHEMAKIT_EXPORT QString FieldName(QStringView Name);
/// The name of a field: the hook's result when a hook is set, else the caption,
/// quoted as above.
SCHEMAKIT_EXPORT QString FieldName(const TSQLField& Field, const TSQLFieldNameHook& OnGetFieldName);

/// One macro of the template and the text that replaces it.
struct SCHEMAKIT_EXPORT TSQLMacroValue {
    QStringView Macro; ///< the macro, `#name#`
    QString Value;     ///< its text; empty drops the macro's section
};

/// The template and the values of its macros, in the order of expansion.
struct SCHEMAKIT_EXPORT TSQLPieces {
    QString Template;             ///< the statement template
    QList<TSQLMacroValue> Values; ///< the macros' texts, in the order of expansion
};

/// The template and the texts of its macros (DISTINCT, fields, tables, the joins
/// of each kind, filter, groups, group filter, order) that a snapshot makes.
SCHEMAKIT_EXPORT TSQLPieces GatherSQLPieces(const TSQLSnapshot& Snapshot);

/// The statement: the template filled with the pieces in their order (values
/// sealed, so user text arrives as typed), blank lines removed, every line ended
/// by CR LF; the empty text when nothing contributes.
SCHEMAKIT_EXPORT QString GenerateSQL(const TSQLSnapshot& Snapshot);

} // namespace schemakit
