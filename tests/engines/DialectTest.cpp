#include <schemakit/engines/ZBDEngine.h>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

const QString P = QStringLiteral("A.X");
const QString C = QStringLiteral("B.Y");

// The join texts as the dialect tables write them, with {P}, {op} and {C} for
// the parent expression, the operator and the child expression; rows are
// dialects, columns join kinds (inner, left outer, right outer, full).
const char* const kJoinTable[4][4] = {
    {"INNER JOIN ({P} {op} {C})", "LEFT OUTER JOIN ({P} {op} {C})", "RIGHT OUTER JOIN ({P} {op} {C})",
     "FULL JOIN ({P} {op} {C})"},
    {"({P} {op} {C})", "({P} {op} {C})", "({P} {op} {C})", "({P} {op} {C})"},
    {"({P} {op} {C})", "({P} (+){op} {C})", "({P} {op} {C} (+))", "({P} (+){op} {C} (+))"},
    {"({P} {op} {C})", "({P} *{op} {C})", "({P} {op}* {C})", "({P} *{op}* {C})"},
};
const char* const kOperators[6] = {"=", "<", ">", "<=", ">=", "<>"};

const QString kStandardTemplate =
    QStringLiteral("%[SELECT %[#distinct#]% #fields#]% \r\n%[FROM #tables#]% \r\n   %[#innerjoins#]% \r\n   "
                   "%[#leftouterjoins#]% \r\n   %[#rightouterjoins#]% \r\n   %[#fulljoins#]% \r\n%[WHERE "
                   "#wherefilter#]% \r\n%[GROUP BY #groups#]% \r\n%[HAVING #havingfilter#]% \r\n%[ORDER BY #orders#]%");
const QString kConditionTemplate =
    QStringLiteral("%[SELECT %[#distinct#]% #fields#]% \r\n%[FROM #tables#]% \r\n%[WHERE #wherefilter#]% \r\n   %[AND "
                   "#innerjoins#]% \r\n   %[AND #leftouterjoins#]% \r\n   %[AND #rightouterjoins#]% \r\n   %[AND "
                   "#fulljoins#]% \r\n%[GROUP BY #groups#]% \r\n%[HAVING #havingfilter#]% \r\n%[ORDER BY #orders#]%");

} // namespace

TEST(EngineDialect, EveryOperatorJoinKindAndDialectWritesTheTablesText)
{
    TSchemaDataEngine engine;
    for (int dialect = stStandard; dialect <= stMSSQL; ++dialect) {
        engine.SetSQLSubType(TSQLSubType(dialect));
        for (int join = rjInner; join <= rjFull; ++join) {
            for (int op = roEqual; op <= roNonEqual; ++op) {
                QString expected = QString::fromLatin1(kJoinTable[dialect][join]);
                expected.replace(QStringLiteral("{P}"), P)
                    .replace(QStringLiteral("{C}"), C)
                    .replace(QStringLiteral("{op}"), QString::fromLatin1(kOperators[op]));
                SCOPED_TRACE(testing::Message() << "dialect " << dialect << ", join " << join << ", operator " << op);
                EXPECT_EQ(engine.GetJoinScript(P, C, TSDRelationOperator(op), TSDRelationJoin(join)), expected);
                EXPECT_EQ(SQLOperatorText(TSDRelationOperator(op)), QLatin1String(kOperators[op]));
            }
        }
    }
}

TEST(EngineDialect, ExpressionsAreCopiedAsTheyAre)
{
    TSchemaDataEngine engine;
    EXPECT_EQ(engine.GetJoinScript(QString(), QStringLiteral("\"o\".\"id\""), roEqual, rjInner),
              QStringLiteral("INNER JOIN ( = \"o\".\"id\")"));
    engine.SetSQLSubType(stMSSQL);
    EXPECT_EQ(engine.GetJoinScript(P, C, roNonEqual, rjLeftOuter), QStringLiteral("(A.X *<> B.Y)"));
}

TEST(EngineDialect, TemplateAndSeparatorFollowTheSubType)
{
    TSchemaDataEngine engine;
    EXPECT_EQ(engine.SQLSubType(), stStandard);
    EXPECT_EQ(engine.GetSQLTemplate(), kStandardTemplate);
    for (int join = rjInner; join <= rjFull; ++join)
        EXPECT_EQ(engine.GetJoinSeparator(TSDRelationJoin(join)), QStringLiteral(" "));

    for (TSQLSubType dialect : {stLocal, stOracle, stMSSQL, TSQLSubType(7)}) {
        engine.SetSQLSubType(dialect);
        EXPECT_EQ(engine.GetSQLTemplate(), kConditionTemplate) << int(dialect);
        for (int join = rjInner; join <= rjFull; ++join)
            EXPECT_EQ(engine.GetJoinSeparator(TSDRelationJoin(join)), QStringLiteral(" AND ")) << int(dialect);
    }
    // A dialect outside the enumeration writes joins as plain conditions.
    EXPECT_EQ(engine.GetJoinScript(P, C, roEqual, rjFull), QStringLiteral("(A.X = B.Y)"));
}

TEST(EngineDialect, OrdinalsOutsideTheEnumerationsRaiseInsteadOfReadingPastTheTable)
{
    TSchemaDataEngine engine;
    EXPECT_THROW(engine.GetJoinScript(P, C, TSDRelationOperator(6), rjInner), Exception);
    EXPECT_THROW(engine.GetJoinScript(P, C, TSDRelationOperator(255), rjInner), Exception);
    EXPECT_THROW(engine.GetJoinScript(P, C, roEqual, TSDRelationJoin(4)), Exception);
    engine.SetSQLSubType(stLocal);
    EXPECT_THROW(engine.GetJoinScript(P, C, roEqual, TSDRelationJoin(9)), Exception);
}
