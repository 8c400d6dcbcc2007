#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/package/SchmReg.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPluginLoader>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QUiLoader>
#include <QXmlStreamReader>
#ifdef SCHEMAKIT_HAVE_DESIGNER_COMPONENTS
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerWidgetFactoryInterface>
#include <QtDesigner/QExtensionManager>
#endif

#include <gtest/gtest.h>

#include <memory>

using namespace schemakit;

namespace {

const QString PaneClass = QStringLiteral("schemakit::TSchemaDesignArea");

// SCHEMAKIT_DESIGNER_PLUGIN points the tests at another copy of the plugin, such
// as the one cmake --install put in place.
QString PluginFile()
{
    const QString Override = qEnvironmentVariable("SCHEMAKIT_DESIGNER_PLUGIN");
    return Override.isEmpty() ? QStringLiteral(SCHEMAKIT_DESIGNER_PLUGIN_FILE) : Override;
}

QDesignerCustomWidgetCollectionInterface* LoadCollection()
{
    QPluginLoader Loader(PluginFile()); // the library stays loaded after the loader goes
    QObject* Instance = Loader.instance();
    EXPECT_NE(Instance, nullptr) << qPrintable(Loader.errorString());
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(Instance);
}

// The widget classes of the palette page, in the registry's order.
QStringList PaletteWidgetClasses()
{
    QStringList Names;
    for (const QMetaObject* Class : DesignRegistry().ComponentsOnPage(QString::fromLatin1(PalettePageName))) {
        if (Class->inherits(&QWidget::staticMetaObject))
            Names << QString::fromLatin1(Class->className());
    }
    return Names;
}

QString WidgetClassOfDomXml(const QString& Xml)
{
    QXmlStreamReader Reader(Xml);
    QString ClassName;
    while (!Reader.atEnd()) {
        Reader.readNext();
        if (Reader.isStartElement() && Reader.name() == QLatin1String("widget") && ClassName.isEmpty() &&
            !Reader.attributes().value(QLatin1String("name")).isEmpty())
            ClassName = Reader.attributes().value(QLatin1String("class")).toString();
    }
    return Reader.hasError() ? QStringLiteral("<malformed: %1>").arg(Reader.errorString()) : ClassName;
}

} // namespace

TEST(DesignerPlugin, OffersThePalettePagesWidgetsInRegistryOrder)
{
    QDesignerCustomWidgetCollectionInterface* Collection = LoadCollection();
    ASSERT_NE(Collection, nullptr);

    // Loading the plugin registered the page; its non-widget classes stay in code.
    const QStringList Expected = PaletteWidgetClasses();
    ASSERT_TRUE(Expected.contains(PaneClass));
    ASSERT_LT(Expected.size(), DesignRegistry().ComponentsOnPage(QString::fromLatin1(PalettePageName)).size());
    QStringList Offered;
    for (QDesignerCustomWidgetInterface* Widget : Collection->customWidgets())
        Offered << Widget->name();
    EXPECT_EQ(Offered, Expected);

    for (QDesignerCustomWidgetInterface* Widget : Collection->customWidgets()) {
        SCOPED_TRACE(qPrintable(Widget->name()));
        EXPECT_EQ(Widget->group(), QLatin1String(PalettePageName));
        const QImage Icon = Widget->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(Icon.isNull());
        EXPECT_EQ(Icon.pixelColor(0, 23).alpha(), 0); // the palette picture's background
        EXPECT_FALSE(Widget->toolTip().isEmpty());
        EXPECT_FALSE(Widget->whatsThis().isEmpty());
        EXPECT_FALSE(Widget->isContainer());
        EXPECT_EQ(WidgetClassOfDomXml(Widget->domXml()), Widget->name());

        auto Form = std::make_unique<QWidget>();
        QPointer<QWidget> Created = Widget->createWidget(Form.get());
        ASSERT_FALSE(Created.isNull());
        EXPECT_EQ(QString::fromLatin1(Created->metaObject()->className()), Widget->name());
        EXPECT_EQ(Created->parentWidget(), Form.get());
        Form.reset();
        EXPECT_TRUE(Created.isNull());
    }
    ASSERT_FALSE(Collection->customWidgets().isEmpty());
    EXPECT_EQ(Collection->customWidgets().first()->includeFile(), QLatin1String("schemakit/diagram/SchmCntr.h"));
}

TEST(DesignerPlugin, UiFileSetsThePanesPropertiesThroughThePlugin)
{
    QUiLoader Loader;
    Loader.clearPluginPaths();
    Loader.addPluginPath(QFileInfo(PluginFile()).absolutePath());
    ASSERT_TRUE(Loader.availableWidgets().contains(PaneClass));

    QFile File(QStringLiteral(SCHEMAKIT_TEST_DATA_DIR "/pane.ui"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> Form(Loader.load(&File));
    ASSERT_NE(Form, nullptr) << qPrintable(Loader.errorString());
    auto* Pane = Form->findChild<TSchemaDesignArea*>(QStringLiteral("schemaDesignArea"));
    ASSERT_NE(Pane, nullptr);
    EXPECT_TRUE(Pane->ReadOnly());
    EXPECT_TRUE(Pane->ShowItemToolbar());
    EXPECT_EQ(Pane->Color(), TColor(0x0080FF));
    EXPECT_EQ(Pane->Actions(), (TZBSActions{saDeleteItem, saDeleteReleation, saEditRelation})); // untouched
}

#ifdef SCHEMAKIT_HAVE_DESIGNER_COMPONENTS
// What Designer's property editor shows and writes for a pane on a form.
TEST(DesignerPlugin, DesignersPropertySheetEditsThePane)
{
    // Designer looks for plugins in <library path>/designer.
    QCoreApplication::addLibraryPath(QFileInfo(PluginFile()).absoluteDir().absoluteFilePath(QStringLiteral("..")));
    std::unique_ptr<QDesignerFormEditorInterface> Core(QDesignerComponents::createFormEditor(nullptr));
    QDesignerComponents::initializePlugins(Core.get());

    QWidget Form;
    auto* Pane = qobject_cast<TSchemaDesignArea*>(Core->widgetFactory()->createWidget(PaneClass, &Form));
    ASSERT_NE(Pane, nullptr);
    auto* Sheet = qt_extension<QDesignerPropertySheetExtension*>(Core->extensionManager(), Pane);
    ASSERT_NE(Sheet, nullptr);
    const struct {
        const char* Name;
        QVariant Value;
    } Edits[] = {{"ReadOnly", true}, {"ShowItemToolbar", true}, {"Color", int(0x00FF00)}};
    for (const auto& Edit : Edits) {
        SCOPED_TRACE(Edit.Name);
        const int Index = Sheet->indexOf(QString::fromLatin1(Edit.Name));
        ASSERT_GE(Index, 0);
        EXPECT_TRUE(Sheet->isVisible(Index));
        EXPECT_EQ(Sheet->property(Index).metaType(), Edit.Value.metaType());
        Sheet->setProperty(Index, Edit.Value);
        EXPECT_EQ(Pane->property(Edit.Name), Edit.Value);
    }
    EXPECT_TRUE(Pane->ShowItemToolbar());
    EXPECT_EQ(Pane->Color(), TColor(0x00FF00));
}
#endif
