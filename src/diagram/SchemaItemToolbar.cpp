// The pane's item toolbar: a band docked at the top of the pane holding a tool
// bar with a button per kind of box and a drop-down of the built-in icons.

#include "SchemaDesignArea.h"

#include "SchemaItem.h"
#include "SchemaShapes.h"

#include "../package/ErrorBoundary.h"
#include "../package/ImageList.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace schemakit {

namespace {

constexpr const char* kTag = "Tag";

struct TToolbarButton {
    const char* Caption;
    int Image;
    int Tag;
};

constexpr TToolbarButton kButtons[] = {
    {QT_TRANSLATE_NOOP("schemakit", "Listbox"), 0, scListBox},
    {QT_TRANSLATE_NOOP("schemakit", "Check Listbox"), 1, scCheckListBox},
    {QT_TRANSLATE_NOOP("schemakit", "Treeview"), 2, scTreeView},
    {QT_TRANSLATE_NOOP("schemakit", "Text"), 3, scText},
};

constexpr const char* kButtonImages[] = {"STB_LISTBOX", "STB_CHECKLISTBOX", "STB_TREEVIEW", "STB_TEXT", "STB_ICON"};

// Frees a Qt object now, as a naked delete would.
void Free(QObject* object)
{
    std::unique_ptr<QObject> doomed(object);
}

// A button image from the package's resources; magenta pixels are transparent.
QPixmap ButtonImage(const char* name)
{
    QPixmap image(QStringLiteral(":/schemakit/") + QLatin1String(name));
    if (image.isNull())
        return image;
    image.setMask(image.createMaskFromColor(QColor(255, 0, 255)));
    return image;
}

int TagOf(const QObject* sender)
{
    return sender ? sender->property(kTag).toInt() : 0;
}

} // namespace

void TSchemaDesignArea::CreateItemToolbar()
{
    if (FtbItems)
        return;
    FtbImages = std::make_unique<TImageList>(nullptr, 16, 16);
    for (const char* name : kButtonImages)
        FtbImages->Add(ButtonImage(name));

    pmIconList = new QMenu(this);
    pmIconList->setObjectName(QStringLiteral("pmIconList"));
    for (int i = itDefault; i <= itUser; ++i) {
        const QByteArray name = IconTypeName(TSCIconType(i)).toLatin1();
        QAction* entry = pmIconList->addAction(QCoreApplication::translate("schemakit", name.constData()).left(20));
        entry->setProperty(kTag, i);
        connect(entry, &QAction::triggered, this, [this, entry] { Guarded(this, [&] { AddNewIcon(entry); }); });
    }

    // The band lies on the viewport, like the boxes, so that it is one of the
    // pane's windowed children; it is moved back to the corner after every scroll.
    auto* band = new QWidget(viewport());
    band->setObjectName(QStringLiteral("cbItems"));
    band->setAutoFillBackground(true);
    band->setBackgroundRole(QPalette::Button);
    band->setProperty(kDockedProperty, true);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);
    FcbItems = band;

    auto* bar = new QToolBar(band);
    bar->setObjectName(QStringLiteral("tbItems"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    bar->setFloatable(false);
    layout->addWidget(bar);
    FtbItems = bar;

    for (const TToolbarButton& kind : kButtons) {
        // A button that cannot be set up is left as it is; the others still come.
        auto* button = new QToolButton(bar);
        Guarded(nullptr, [&] {
            button->setText(QCoreApplication::translate("schemakit", kind.Caption));
            button->setIcon(QIcon(FtbImages->Image(kind.Image)));
            button->setProperty(kTag, kind.Tag);
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setAutoRaise(true);
            connect(button, &QToolButton::clicked, this,
                    [this, button] { Guarded(this, [&] { AddNewItem(button); }); });
        });
        bar->addWidget(button);
    }
    auto* icons = new QToolButton(bar);
    Guarded(nullptr, [&] {
        icons->setText(QCoreApplication::translate("schemakit", "Icon"));
        icons->setIcon(QIcon(FtbImages->Image(4)));
        icons->setProperty(kTag, 0);
        icons->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        icons->setAutoRaise(true);
        // The face does nothing; the arrow opens the menu.
        icons->setMenu(pmIconList);
        icons->setPopupMode(QToolButton::MenuButtonPopup);
    });
    bar->addWidget(icons);

    band->adjustSize();
    band->move(0, 0);
    band->show();
    band->raise();
    InsertControl(band);
}

void TSchemaDesignArea::DestroyItemToolbar()
{
    if (!FtbItems)
        return;
    // The buttons, last first: each lives in the action that put it on the
    // bar, and goes with it.
    const QList<QAction*> buttons = FtbItems->actions();
    for (auto it = buttons.crbegin(); it != buttons.crend(); ++it)
        Free(*it);
    Free(FtbItems);
    FtbItems = nullptr;
    Free(FcbItems);
    FcbItems = nullptr;
    Free(pmIconList);
    pmIconList = nullptr;
    FtbImages.reset();
}

void TSchemaDesignArea::AddNewItem(QObject* Sender)
{
    // Drawn in this order: caption, left, top.
    const QString caption =
        QCoreApplication::translate("schemakit", "New item") + QString::number(FRandom.bounded(100));
    TSchemaItem* item = AddItem(caption, TSchemaControlType(TagOf(Sender)));
    if (!item)
        return;
    item->SetLeft(int(FRandom.bounded(100)));
    item->SetTop(int(FRandom.bounded(100)));
    item->RecalculateHeight();
    item->RecalculateWidth();
}

void TSchemaDesignArea::AddNewIcon(QObject* Sender)
{
    const QString caption =
        QCoreApplication::translate("schemakit", "New icon") + QString::number(FRandom.bounded(100));
    TSchemaItem* item = AddItem(caption, scIcon);
    if (!item)
        return;
    item->SetLeft(int(FRandom.bounded(100)));
    item->SetTop(int(FRandom.bounded(100)));
    item->SetHeight(100);
    if (TSchemaIcon* icon = item->IconControl()) {
        icon->SetIconType(TSCIconType(TagOf(Sender)));
        QPalette palette = icon->palette();
        palette.setColor(QPalette::Window, ColorToQColor(clInfoBk, palette));
        icon->setPalette(palette);
    }
    item->RecalculateHeight();
    item->RecalculateWidth();
}

} // namespace schemakit
