#pragma once

#include "WidgetHosts.h"

#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace schemakit {

/// One registered widget class as Designer sees it: its entry in the widget box
/// (group = palette page, icon = palette picture) and the factory for forms.
class TDesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    TDesignerWidget(const QString& Page, const QString& BitmapName, const TWidgetHost& Host, QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QIcon icon() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    bool isContainer() const override;
    QString domXml() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    QString FPage;
    QString FBitmapName;
    const TWidgetHost& FHost; // an entry of the static host table
    bool FInitialized = false;
};

} // namespace schemakit
