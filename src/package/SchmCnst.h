#pragma once

// The table of user-visible texts. Refer to a text by its identifier and read it
// at the moment of use (zbtItemLinked.Text(), or through the QString conversion).

#include "ResourceStrings.h"

namespace schemakit {

inline constexpr TResourceString zbtNotValidTableParent{65520, "zbtNotValidTableParent",
                                                        "Parent must be TScrollBox or its descendant."};
inline constexpr TResourceString zbtUniqueOnly{65521, "zbtUniqueOnly", "select the unique records only"};
inline constexpr TResourceString zbtAggIsNotAllowed{65522, "zbtAggIsNotAllowed",
                                                    "You can not apply this aggregative function to *."};
inline constexpr TResourceString zbtItemLinked{65523, "zbtItemLinked", "These items are already linked."};
inline constexpr TResourceString strColumnPage{65524, "strColumnPage", "Columns"};
inline constexpr TResourceString strOptionsPage{65525, "strOptionsPage", "Options"};
inline constexpr TResourceString strSQLPage{65526, "strSQLPage", "SQL"};
inline constexpr TResourceString strResultPage{65527, "strResultPage", "Results"};
inline constexpr TResourceString strFieldName{65528, "strFieldName", "Field"};
inline constexpr TResourceString strTableName{65529, "strTableName", "Table"};
inline constexpr TResourceString strValueName{65530, "strValueName", "Calculate"};
inline constexpr TResourceString strSortName{65531, "strSortName", "Sort"};
inline constexpr TResourceString strWhereName{65532, "strWhereName", "Where"};
inline constexpr TResourceString strGroupName{65533, "strGroupName", "Grouping"};
inline constexpr TResourceString strHavingName{65534, "strHavingName", "Having"};
inline constexpr TResourceString strValueAVG{65535, "strValueAVG", "Average"};
inline constexpr TResourceString strValueCOUNT{65504, "strValueCOUNT", "Count"};
inline constexpr TResourceString strValueMAX{65505, "strValueMAX", "Maximum"};
inline constexpr TResourceString strValueMIN{65506, "strValueMIN", "Minimum"};
inline constexpr TResourceString strValueSUM{65507, "strValueSUM", "Summa"};
inline constexpr TResourceString strSortASC{65508, "strSortASC", "Ascending"};
inline constexpr TResourceString strSortDESC{65509, "strSortDESC", "Descending"};
inline constexpr TResourceString sOK{65510, "sOK", "OK"};
inline constexpr TResourceString sCancel{65511, "sCancel", "Cancel"};
inline constexpr TResourceString sNewSQL{65512, "sNewSQL", "New SQL"};
inline constexpr TResourceString sOpenSQL{65513, "sOpenSQL", "Open SQL from file"};
inline constexpr TResourceString sSaveSQL{65514, "sSaveSQL", "Save a current SQl into file"};
inline constexpr TResourceString sShowGrid{65515, "sShowGrid", "Show grid with columns"};
inline constexpr TResourceString sShowTables{65516, "sShowTables", "Show list of tables"};
inline constexpr TResourceString sGenSQL{65517, "sGenSQL", "Generate SQL-statement"};
inline constexpr TResourceString sExecSQl{65518, "sExecSQl", "Execute SQL and show results"};
inline constexpr TResourceString sSchemaFiles{65519, "sSchemaFiles", "Schema files (*.sch)|*.sch"};
inline constexpr TResourceString sAllFiles{65488, "sAllFiles", "All files (*.*)|*.*"};
inline constexpr TResourceString sSelectAll{65489, "sSelectAll", "Select All"};
inline constexpr TResourceString sUnSelectAll{65490, "sUnSelectAll", "Unselect All"};
inline constexpr TResourceString sDeleteReleations{65491, "sDeleteReleations", "Delete relations"};
inline constexpr TResourceString sDeleteItem{65492, "sDeleteItem", "Delete item"};
inline constexpr TResourceString sEditRelation{65493, "sEditRelation", "Edit relation..."};
inline constexpr TResourceString sDeleteRelation{65494, "sDeleteRelation", "Delete relation"};
inline constexpr TResourceString sChangeBackground{65495, "sChangeBackground", "Change background color..."};
inline constexpr TResourceString sChangeFont{65496, "sChangeFont", "Change font..."};

} // namespace schemakit
