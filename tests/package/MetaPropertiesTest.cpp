// The published properties as Qt sees them: every one is a Q_PROPERTY of its
// class under its published name, and writing it through QObject::setProperty
// does what the setter does.

#include "TestSupport.h"

#include <schemakit/builder/SQLBldr.h>
#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/engines/ZBDEngine.h>

#include <QIcon>
#include <QMenu>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPixmap>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace schemakit::test {
namespace {

// One property: a value no fresh object has, and what the C++ getter reads.
struct TPropertyCase {
    const char* Name;
    QVariant Value;
    std::function<QVariant()> Get;
};

// Icons have no equality of their own; the same icon keeps its cache key.
bool Same(const QVariant& a, const QVariant& b)
{
    if (a.metaType() == QMetaType::fromType<QIcon>() && b.metaType() == QMetaType::fromType<QIcon>())
        return a.value<QIcon>().cacheKey() == b.value<QIcon>().cacheKey();
    return a == b;
}

QString Show(const QVariant& v)
{
    return v.metaType().name() + QStringLiteral(" ") + v.toString();
}

// Writes each property through setProperty and reads it back through the getter
// and through property(); enumerations also by a member's name.
void CheckWritable(QObject& object, const QList<TPropertyCase>& cases)
{
    const QMetaObject* meta = object.metaObject();
    for (const TPropertyCase& c : cases) {
        SCOPED_TRACE(std::string(meta->className()) + "::" + c.Name);
        const int index = meta->indexOfProperty(c.Name);
        ASSERT_GE(index, 0) << "not a Q_PROPERTY";
        const QMetaProperty property = meta->property(index);
        ASSERT_TRUE(property.isWritable());
        ASSERT_FALSE(Same(c.Get(), c.Value)) << "the value must differ from the one the object has";

        ASSERT_TRUE(object.setProperty(c.Name, c.Value)) << Show(c.Value).toStdString();
        EXPECT_TRUE(Same(c.Get(), c.Value)) << Show(c.Get()).toStdString();
        EXPECT_TRUE(Same(object.property(c.Name), c.Value)) << Show(object.property(c.Name)).toStdString();

        if (property.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
            // Known to the meta-object system: Designer and text settings name
            // the members.
            ASSERT_TRUE(property.isEnumType());
            const QMetaEnum members = property.enumerator();
            const int other = members.value(0) == c.Value.toInt() ? members.value(1) : members.value(0);
            ASSERT_TRUE(object.setProperty(c.Name, QString::fromLatin1(members.valueToKey(other))));
            EXPECT_EQ(c.Get().toInt(), other);
            object.setProperty(c.Name, c.Value);
        }
    }
}

// Read-only properties: present, not writable, and what the getter gives.
void CheckReadable(const QObject& object, const QList<TPropertyCase>& cases)
{
    const QMetaObject* meta = object.metaObject();
    for (const TPropertyCase& c : cases) {
        SCOPED_TRACE(std::string(meta->className()) + "::" + c.Name);
        const int index = meta->indexOfProperty(c.Name);
        ASSERT_GE(index, 0) << "not a Q_PROPERTY";
        EXPECT_FALSE(meta->property(index).isWritable());
        EXPECT_TRUE(Same(object.property(c.Name), c.Get()));
    }
}

template <typename T>
QVariant V(T value)
{
    return QVariant::fromValue(value);
}

TFont OtherFont()
{
    TFont font;
    font.Name = QStringLiteral("Courier New");
    font.Size = 13;
    font.Style = TFontStyles{fsItalic, fsUnderline};
    font.Color = clMaroon;
    return font;
}

class MetaProperties : public testing::Test {
protected:
    void SetUp() override { InstallScriptedDialogs(); }
};

TEST_F(MetaProperties, DesignAreaAndItsBoxesRowsAndLinks)
{
    TSchemaDesignArea pane;
    TSchemaCustomDataEngine engine;
    TImageList images;
    TImageList stateImages;
    QMenu popup;
    CheckWritable(pane, {
                            {"DataEngine", V<TSchemaDataEngine*>(&engine), [&] { return V(pane.DataEngine()); }},
                            {"Images", V(&images), [&] { return V(pane.Images()); }},
                            {"StateImages", V(&stateImages), [&] { return V(pane.StateImages()); }},
                            {"ReadOnly", true, [&] { return V(pane.ReadOnly()); }},
                            {"ShowItemToolbar", true, [&] { return V(pane.ShowItemToolbar()); }},
                            {"Actions", V(TZBSActions{saEditRelation}), [&] { return V(pane.Actions()); }},
                            {"Color", V(clNavy), [&] { return V(pane.Color()); }},
                            {"PopupMenu", V(&popup), [&] { return V(pane.PopupMenu()); }},
                        });
    EXPECT_TRUE(pane.ItemToolbar()); // the setter's work, not only the flag
    pane.SetShowItemToolbar(false);

    TSchemaItem* box = pane.AddItem(QStringLiteral("Orders"), scCheckListBox);
    TSchemaItem* other = pane.AddItem(QStringLiteral("Lines"), scListBox);
    ASSERT_TRUE(box && other);
    const QIcon icon(QPixmap(8, 8));
    CheckWritable(*box, {
                            {"Caption", QStringLiteral("Customers"), [&] { return V(box->Caption()); }},
                            {"Color", V(clYellow), [&] { return V(box->Color()); }},
                            {"Font", V(OtherFont()), [&] { return V(box->Font()); }},
                            {"Icon", icon, [&] { return V(box->Icon()); }},
                            {"ShowCaption", false, [&] { return V(box->ShowCaption()); }},
                            {"Sizeable", false, [&] { return V(box->Sizeable()); }},
                            {"ToolWin", false, [&] { return V(box->ToolWin()); }},
                            {"Border", false, [&] { return V(box->Border()); }},
                        });
    CheckReadable(*box, {
                            {"ItemControl", {}, [&] { return V(box->ItemControl()); }},
                            {"SchemaControlType", {}, [&] { return V(box->SchemaControlType()); }},
                            {"Rank", {}, [&] { return V(box->Rank()); }},
                        });
    EXPECT_TRUE(box->metaObject()->property(box->metaObject()->indexOfProperty("SchemaControlType")).isEnumType());

    TSchemaSubItem* row = box->AddSubItem(QStringLiteral("id"), -1, false);
    TSchemaSubItem* otherRow = other->AddSubItem(QStringLiteral("order_id"), -1, false);
    ASSERT_TRUE(row && otherRow);
    CheckWritable(*row, {
                            {"Caption", QStringLiteral("number"), [&] { return V(row->Caption()); }},
                            {"Checked", true, [&] { return V(row->Checked()); }},
                            {"Index", 7, [&] { return V(row->Index()); }},
                            {"ImageIndex", 2, [&] { return V(row->ImageIndex()); }},
                            {"SelectedIndex", 3, [&] { return V(row->SelectedIndex()); }},
                            {"OverlayIndex", 4, [&] { return V(row->OverlayIndex()); }},
                            {"StateIndex", 5, [&] { return V(row->StateIndex()); }},
                            {"Linked", true, [&] { return V(row->Linked()); }},
                        });
    // The check mark went through the setter: the check list shows it.
    EXPECT_TRUE(box->CheckListControl()->Checked(0));

    TSchemaRelation link(&pane);
    CheckWritable(link, {
                            {"ParentItem", V(box), [&] { return V(link.ParentItem()); }},
                            {"ChildItem", V(other), [&] { return V(link.ChildItem()); }},
                            {"ParentSubItem", V(row), [&] { return V(link.ParentSubItem()); }},
                            {"ChildSubItem", V(otherRow), [&] { return V(link.ChildSubItem()); }},
                            {"JoinOperator", V(roLessThan), [&] { return V(link.JoinOperator()); }},
                            {"JoinType", V(rjFull), [&] { return V(link.JoinType()); }},
                            {"RelationType", V(rtNonIdentifying), [&] { return V(link.RelationType()); }},
                            {"Color", V(clRed), [&] { return V(link.Color()); }},
                        });
    CheckReadable(link, {{"PopMenu", {}, [&] { return V(link.PopMenu()); }}});
    // The box ends went through the setters: each box lists the link.
    EXPECT_TRUE(box->Relations().contains(&link));
    EXPECT_TRUE(other->Relations().contains(&link));
}

TEST_F(MetaProperties, TextAndIconShapes)
{
    TSchemaText text;
    CheckWritable(text, {
                            {"Caption", QStringLiteral("Start"), [&] { return V(text.Caption()); }},
                            {"ShapeKind", V(skOctogon), [&] { return V(text.ShapeKind()); }},
                            {"Font", V(OtherFont()), [&] { return V(text.Font()); }},
                            {"Color", V(clAqua), [&] { return V(text.Color()); }},
                            {"Transparent", true, [&] { return V(text.Transparent()); }},
                            {"Alignment", V(taCenter), [&] { return V(text.Alignment()); }},
                            {"Layout", V(tlBottom), [&] { return V(text.Layout()); }},
                            {"WordWrap", false, [&] { return V(text.WordWrap()); }},
                            {"ShowAccelChar", false, [&] { return V(text.ShowAccelChar()); }},
                            {"Enabled", false, [&] { return V(text.Enabled()); }},
                        });
    TSchemaIcon icon;
    const qint64 before = icon.Picture().cacheKey();
    CheckWritable(icon, {{"IconType", V(itStopLight), [&] { return V(icon.IconType()); }}});
    EXPECT_NE(icon.Picture().cacheKey(), before); // the picture follows, as with the setter
}

TEST_F(MetaProperties, EnginesAndTheBuilder)
{
    TSchemaCustomDataEngine custom;
    CheckWritable(custom, {{"SQLSubType", V(stOracle), [&] { return V(custom.SQLSubType()); }}});

    TSchemaBDEDataEngine bde;
    CheckWritable(bde, {
                           {"SQLSubType", V(stMSSQL), [&] { return V(bde.SQLSubType()); }},
                           {"ShowSystemTables", true, [&] { return V(bde.ShowSystemTables()); }},
                           {"DatabaseName", QStringLiteral("sales.db"), [&] { return V(bde.DatabaseName()); }},
                           {"Pattern", QStringLiteral("ord*"), [&] { return V(bde.Pattern()); }},
                       });

    TSQLBuilderDialog dialog;
    CheckWritable(dialog, {
                              {"Caption", QStringLiteral("Pick"), [&] { return V(dialog.Caption()); }},
                              {"DataEngine", V<TSchemaDataEngine*>(&custom), [&] { return V(dialog.DataEngine()); }},
                              {"SQL", QStringLiteral("SELECT 1"), [&] { return V(dialog.SQL()); }},
                          });

    TfrmZBSQLBuilder form;
    CheckWritable(form, {{"DataEngine", V<TSchemaDataEngine*>(&custom), [&] { return V(form.DataEngine()); }}});
}

// The enumerations moved under one meta-object keep their members and ordinals:
// schema files store the ordinals.
TEST(MetaEnumerations, KeepTheirMembersAndOrdinals)
{
    struct Expected {
        QMetaEnum Enum;
        int Count;
        const char* Last;
        int LastValue;
    };
    const Expected all[] = {
        {QMetaEnum::fromType<TSchemaControlType>(), 5, "scIcon", 4},
        {QMetaEnum::fromType<TZBSAction>(), 3, "saEditRelation", 2},
        {QMetaEnum::fromType<TSDRelationOperator>(), 6, "roNonEqual", 5},
        {QMetaEnum::fromType<TSDRelationJoin>(), 4, "rjFull", 3},
        {QMetaEnum::fromType<TSDRelationType>(), 3, "rtNonIdentifying", 2},
        {QMetaEnum::fromType<TSchemaShapeKind>(), 7, "skOctogon", 6},
        {QMetaEnum::fromType<TTextLayout>(), 3, "tlBottom", 2},
        {QMetaEnum::fromType<TAlignment>(), 3, "taCenter", 2},
        {QMetaEnum::fromType<TSCIconType>(), kIconTypeCount, "itUser", 30},
        {QMetaEnum::fromType<TSQLSubType>(), 5, "stAnsi", 4},
    };
    for (const Expected& e : all) {
        SCOPED_TRACE(e.Enum.name());
        EXPECT_STREQ(e.Enum.scope(), "schemakit");
        ASSERT_EQ(e.Enum.keyCount(), e.Count);
        for (int i = 0; i < e.Count; ++i)
            EXPECT_EQ(e.Enum.value(i), i); // dense, in declaration order
        EXPECT_STREQ(e.Enum.key(e.Count - 1), e.Last);
        EXPECT_EQ(e.Enum.value(e.Count - 1), e.LastValue);
    }
    EXPECT_EQ(sizeof(TSCIconType), 1u);
    EXPECT_EQ(sizeof(TSQLSubType), 1u);
    EXPECT_EQ(QVariant::fromValue(itFAX).toString(), QStringLiteral("itFAX"));
}

} // namespace
} // namespace schemakit::test
