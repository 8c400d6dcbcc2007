#pragma once

// The table of user-visible texts. Refer to a text by its identifier and read it
// at the moment of use (zbtItemLinked.Text(), or through the QString conversion).

#include "ResourceStrings.h"

namespace schemakit {

///@{
/// A user-visible text of the library, named by its identifier; its built-in
/// English is the second argument.
inline constexpr TResourceString zbtNotValidTableParent{
    65520, QT_TRANSLATE_NOOP3("schemakit", "Parent must be TScrollBox or its descendant.", "zbtNotValidTableParent")};
inline constexpr TResourceString zbtUniqueOnly{
    65521, QT_TRANSLATE_NOOP3("schemakit", "select the unique records only", "zbtUniqueOnly")};
inline constexpr TResourceString zbtAggIsNotAllowed{
    65522, QT_TRANSLATE_NOOP3("schemakit", "You can not apply this aggregative function to *.", "zbtAggIsNotAllowed")};
inline constexpr TResourceString zbtItemLinked{
    65523, QT_TRANSLATE_NOOP3("schemakit", "These items are already linked.", "zbtItemLinked")};
inline constexpr TResourceString strColumnPage{65524, QT_TRANSLATE_NOOP3("schemakit", "Columns", "strColumnPage")};
inline constexpr TResourceString strOptionsPage{65525, QT_TRANSLATE_NOOP3("schemakit", "Options", "strOptionsPage")};
inline constexpr TResourceString strSQLPage{65526, QT_TRANSLATE_NOOP3("schemakit", "SQL", "strSQLPage")};
inline constexpr TResourceString strResultPage{65527, QT_TRANSLATE_NOOP3("schemakit", "Results", "strResultPage")};
inline constexpr TResourceString strFieldName{65528, QT_TRANSLATE_NOOP3("schemakit", "Field", "strFieldName")};
inline constexpr TResourceString strTableName{65529, QT_TRANSLATE_NOOP3("schemakit", "Table", "strTableName")};
inline constexpr TResourceString strValueName{65530, QT_TRANSLATE_NOOP3("schemakit", "Calculate", "strValueName")};
inline constexpr TResourceString strSortName{65531, QT_TRANSLATE_NOOP3("schemakit", "Sort", "strSortName")};
inline constexpr TResourceString strWhereName{65532, QT_TRANSLATE_NOOP3("schemakit", "Where", "strWhereName")};
inline constexpr TResourceString strGroupName{65533, QT_TRANSLATE_NOOP3("schemakit", "Grouping", "strGroupName")};
inline constexpr TResourceString strHavingName{65534, QT_TRANSLATE_NOOP3("schemakit", "Having", "strHavingName")};
inline constexpr TResourceString strValueAVG{65535, QT_TRANSLATE_NOOP3("schemakit", "Average", "strValueAVG")};
inline constexpr TResourceString strValueCOUNT{65504, QT_TRANSLATE_NOOP3("schemakit", "Count", "strValueCOUNT")};
inline constexpr TResourceString strValueMAX{65505, QT_TRANSLATE_NOOP3("schemakit", "Maximum", "strValueMAX")};
inline constexpr TResourceString strValueMIN{65506, QT_TRANSLATE_NOOP3("schemakit", "Minimum", "strValueMIN")};
inline constexpr TResourceString strValueSUM{65507, QT_TRANSLATE_NOOP3("schemakit", "Summa", "strValueSUM")};
inline constexpr TResourceString strSortASC{65508, QT_TRANSLATE_NOOP3("schemakit", "Ascending", "strSortASC")};
inline constexpr TResourceString strSortDESC{65509, QT_TRANSLATE_NOOP3("schemakit", "Descending", "strSortDESC")};
inline constexpr TResourceString sOK{65510, QT_TRANSLATE_NOOP3("schemakit", "OK", "sOK")};
inline constexpr TResourceString sCancel{65511, QT_TRANSLATE_NOOP3("schemakit", "Cancel", "sCancel")};
inline constexpr TResourceString sNewSQL{65512, QT_TRANSLATE_NOOP3("schemakit", "New SQL", "sNewSQL")};
inline constexpr TResourceString sOpenSQL{65513, QT_TRANSLATE_NOOP3("schemakit", "Open SQL from file", "sOpenSQL")};
inline constexpr TResourceString sSaveSQL{
    65514, QT_TRANSLATE_NOOP3("schemakit", "Save a current SQl into file", "sSaveSQL")};
inline constexpr TResourceString sShowGrid{
    65515, QT_TRANSLATE_NOOP3("schemakit", "Show grid with columns", "sShowGrid")};
inline constexpr TResourceString sShowTables{
    65516, QT_TRANSLATE_NOOP3("schemakit", "Show list of tables", "sShowTables")};
inline constexpr TResourceString sGenSQL{65517, QT_TRANSLATE_NOOP3("schemakit", "Generate SQL-statement", "sGenSQL")};
inline constexpr TResourceString sExecSQl{
    65518, QT_TRANSLATE_NOOP3("schemakit", "Execute SQL and show results", "sExecSQl")};
inline constexpr TResourceString sSchemaFiles{
    65519, QT_TRANSLATE_NOOP3("schemakit", "Schema files (*.sch)|*.sch", "sSchemaFiles")};
inline constexpr TResourceString sAllFiles{65488, QT_TRANSLATE_NOOP3("schemakit", "All files (*.*)|*.*", "sAllFiles")};
inline constexpr TResourceString sSelectAll{65489, QT_TRANSLATE_NOOP3("schemakit", "Select All", "sSelectAll")};
inline constexpr TResourceString sUnSelectAll{65490, QT_TRANSLATE_NOOP3("schemakit", "Unselect All", "sUnSelectAll")};
inline constexpr TResourceString sDeleteReleations{
    65491, QT_TRANSLATE_NOOP3("schemakit", "Delete relations", "sDeleteReleations")};
inline constexpr TResourceString sDeleteItem{65492, QT_TRANSLATE_NOOP3("schemakit", "Delete item", "sDeleteItem")};
inline constexpr TResourceString sEditRelation{
    65493, QT_TRANSLATE_NOOP3("schemakit", "Edit relation...", "sEditRelation")};
inline constexpr TResourceString sDeleteRelation{
    65494, QT_TRANSLATE_NOOP3("schemakit", "Delete relation", "sDeleteRelation")};
inline constexpr TResourceString sChangeBackground{
    65495, QT_TRANSLATE_NOOP3("schemakit", "Change background color...", "sChangeBackground")};
inline constexpr TResourceString sChangeFont{65496, QT_TRANSLATE_NOOP3("schemakit", "Change font...", "sChangeFont")};
///@}

} // namespace schemakit
