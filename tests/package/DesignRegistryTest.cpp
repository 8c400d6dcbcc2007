// Design-time registration: the palette page with its pictures, and the
// DatabaseName editor with its value list and multi-select editing.

#include "TestSupport.h"

#include <schemakit/builder/SQLBldr.h>
#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/engines/ZBDEngine.h>
#include <schemakit/package/SchmReg.h>

#include <QFile>
#include <QImage>
#include <QSqlDatabase>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace schemakit::test {
namespace {

class TProjectDatabase : public TSchemaBDEDataEngine {
    Q_OBJECT
public:
    using TSchemaBDEDataEngine::TSchemaBDEDataEngine;
};

// Not an engine, yet with a property of the same name and type.
class TReportSource : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DatabaseName MEMBER FDatabaseName)
public:
    QString FDatabaseName;
};

// Offers fixed names; its list tells when it is gone by dropping a token.
class TFixedNames : public TDatabaseNameProperty {
public:
    QStringList Names;
    std::weak_ptr<int> ListAlive;
    void GetValueList(TStringList& List) override
    {
        auto token = std::make_shared<int>();
        ListAlive = token;
        List.OnChange = [token](TStringList*) {};
        for (const QString& name : Names)
            List.Add(name);
    }
};

const QMetaType Text = QMetaType::fromType<QString>();

QStringList ValuesOf(TStringProperty& editor)
{
    QStringList values;
    editor.GetValues([&](const QString& value) { values << value; });
    return values;
}

class DesignRegistryTest : public testing::Test {
protected:
    void SetUp() override { Register(); }
    void TearDown() override
    {
        DesignRegistry().Clear();
        const QStringList files = Session().DatabaseFiles();
        for (const QString& file : files)
            Session().UnregisterDatabaseFile(file);
        QSqlDatabase::removeDatabase(QStringLiteral("Reports"));
    }
    std::unique_ptr<TStringProperty> EditorFor(const QMetaObject& componentClass,
                                               const QString& name = QStringLiteral("DatabaseName"),
                                               QMetaType type = Text)
    {
        return DesignRegistry().FindPropertyEditor(&componentClass, name, type);
    }
};

} // namespace

TEST_F(DesignRegistryTest, ThePalettePageHoldsTheFourComponentsOnceInOrder)
{
    const QList<const QMetaObject*> expected = {
        &TSchemaDesignArea::staticMetaObject, &TSQLBuilderDialog::staticMetaObject,
        &TSchemaCustomDataEngine::staticMetaObject, &TSchemaBDEDataEngine::staticMetaObject};
    Register(); // the designer may load the package again
    EXPECT_EQ(DesignRegistry().Pages(), QStringList{QStringLiteral("ZBShema")});
    EXPECT_EQ(DesignRegistry().ComponentsOnPage(QStringLiteral("ZBShema")), expected);
    EXPECT_EQ(DesignRegistry().Components().size(), 4);
    EXPECT_EQ(DesignRegistry().PropertyEditors().size(), 1);
    EXPECT_FALSE(
        DesignRegistry().ComponentsOnPage(QStringLiteral("ZBShema")).contains(&TSchemaDataEngine::staticMetaObject));
}

TEST_F(DesignRegistryTest, EveryPaletteClassHasA24By24PictureIn16Colours)
{
    for (const TPaletteEntry& entry : DesignRegistry().Components()) {
        const std::string name = entry.BitmapName.toStdString();
        EXPECT_EQ(entry.BitmapName,
                  QString::fromLatin1(entry.ComponentClass->className()).section(u"::"_s, -1).toUpper());
        const QString path = PaletteBitmapPath(entry.BitmapName);
        const QImage image(path);
        EXPECT_EQ(image.size(), QSize(24, 24)) << name;
        EXPECT_EQ(image.colorCount(), 16) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.read(30).at(28), 4) << name; // biBitCount: 4 bits per pixel
    }
    EXPECT_EQ(PaletteBitmapPath(QStringLiteral("TSCHEMADATAENGINE")), QString());
}

TEST_F(DesignRegistryTest, TheDatabaseNameEditorServesOnlyTheQtSqlEngineAndItsDescendants)
{
    const auto editor = EditorFor(TSchemaBDEDataEngine::staticMetaObject);
    ASSERT_NE(dynamic_cast<TDatabaseNameProperty*>(editor.get()), nullptr);
    EXPECT_EQ(editor->GetAttributes().ToInt(), 41u);
    EXPECT_NE(dynamic_cast<TDatabaseNameProperty*>(EditorFor(TProjectDatabase::staticMetaObject).get()), nullptr);

    EXPECT_EQ(EditorFor(TSchemaCustomDataEngine::staticMetaObject), nullptr);
    EXPECT_EQ(EditorFor(TReportSource::staticMetaObject), nullptr);
    EXPECT_EQ(EditorFor(TSchemaBDEDataEngine::staticMetaObject, QStringLiteral("Pattern")), nullptr);
    EXPECT_EQ(EditorFor(TSchemaBDEDataEngine::staticMetaObject, QStringLiteral("databasename")), nullptr);
    EXPECT_EQ(
        EditorFor(TSchemaBDEDataEngine::staticMetaObject, QStringLiteral("DatabaseName"), QMetaType::fromType<int>()),
        nullptr);
}

TEST_F(DesignRegistryTest, TheDropDownListsTheSessionsNamesAndTheNameStaysPlainText)
{
    TSchemaBDEDataEngine engine;
    TDatabaseNameProperty editor;
    editor.Initialize({&engine}, "DatabaseName");
    EXPECT_EQ(ValuesOf(editor), QStringList());
    editor.SetValue(QStringLiteral("host=db.example.org dbname=sales"));
    EXPECT_EQ(engine.DatabaseName(), QStringLiteral("host=db.example.org dbname=sales"));
    EXPECT_EQ(editor.GetValue(), engine.DatabaseName());

    Session().RegisterDatabaseFile(QStringLiteral("zeta.db"));
    Session().RegisterDatabaseFile(QStringLiteral("alpha.db"));
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Reports"));
    TStringList names;
    Session().GetDatabaseNames(names);
    EXPECT_EQ(names.Count(), 3);
    EXPECT_EQ(ValuesOf(editor), names.ToQStringList());

    // The values come in the order of the list, whatever it is.
    TFixedNames fixed;
    fixed.Names = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
    EXPECT_EQ(ValuesOf(fixed), fixed.Names);
}

TEST_F(DesignRegistryTest, AnErrorWhileOfferingValuesFreesTheListAndReachesTheCaller)
{
    TFixedNames editor;
    editor.Names = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
    QStringList seen;
    EXPECT_THROW(editor.GetValues([&](const QString& value) {
        seen << value;
        if (value == u"a")
            throw Exception(QStringLiteral("stop"));
    }),
                 Exception);
    EXPECT_EQ(seen, QStringList({QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_TRUE(editor.ListAlive.expired());
}

TEST_F(DesignRegistryTest, SeveralSelectedEnginesShowTheirCommonNameAndTakeANewOneTogether)
{
    auto first = std::make_unique<TSchemaBDEDataEngine>();
    TProjectDatabase second;
    first->SetDatabaseName(QStringLiteral("sales.db"));
    second.SetDatabaseName(QStringLiteral("sales.db"));
    const auto editor = EditorFor(TSchemaBDEDataEngine::staticMetaObject);
    editor->Initialize({first.get(), &second}, "DatabaseName");
    EXPECT_EQ(editor->GetValue(), QStringLiteral("sales.db"));
    second.SetDatabaseName(QStringLiteral("stock.db"));
    EXPECT_EQ(editor->GetValue(), QString());

    editor->SetValue(QStringLiteral("shared.db"));
    EXPECT_EQ(first->DatabaseName(), QStringLiteral("shared.db"));
    EXPECT_EQ(second.DatabaseName(), QStringLiteral("shared.db"));

    // A freed engine drops out of the selection.
    first.reset();
    EXPECT_EQ(editor->Components(), QList<QObject*>{&second});
    second.SetDatabaseName(QStringLiteral("other.db"));
    EXPECT_EQ(editor->GetValue(), QStringLiteral("other.db"));

    // An object without the property refuses the value, and nothing is written.
    QObject plain;
    editor->Initialize({&second, &plain}, "DatabaseName");
    EXPECT_THROW(editor->SetValue(QStringLiteral("lost.db")), Exception);
    EXPECT_EQ(second.DatabaseName(), QStringLiteral("other.db"));
    EXPECT_TRUE(plain.dynamicPropertyNames().isEmpty());
}

} // namespace schemakit::test

#include "DesignRegistryTest.moc"
