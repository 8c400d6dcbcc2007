#pragma once

#include "SqlGeneration.h"

#include <QStringList>

#include <functional>

namespace schemakit {

// The FROM clause of the stAnsi dialect: the boxes joined along their links.
struct TSQLAnsiFrom {
    QString Tables;      // "orders INNER JOIN customer ON (...), products"
    QStringList Filters; // conditions that belong after WHERE, in link order
};

// Condition gives the parenthesised condition of one link ("(a.x = b.y)").
TSQLAnsiFrom BuildAnsiFrom(const TSQLSnapshot& Snapshot, const TSQLTableNames& Names,
                           const std::function<QString(const TSQLLink&)>& Condition);

} // namespace schemakit
