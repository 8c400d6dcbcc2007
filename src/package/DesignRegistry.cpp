#include "DesignRegistry.h"

#include "Exceptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaObject>
#include <QMetaProperty>
#include <QVariant>

namespace schemakit {

namespace {

// The class name as a designer shows it: "schemakit::TSchemaDesignArea" is
// "TSchemaDesignArea".
QString ShortClassName(const QMetaObject* componentClass)
{
    const QString name = QString::fromLatin1(componentClass->className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

} // namespace

// --- TStringProperty ---------------------------------------------------------------------

TStringProperty::~TStringProperty() = default;

void TStringProperty::Initialize(const QList<QObject*>& Components, const QByteArray& PropertyName)
{
    FComponents.clear();
    for (QObject* component : Components) {
        if (component)
            FComponents << component;
    }
    FPropertyName = PropertyName;
}

QByteArray TStringProperty::PropertyName() const
{
    return FPropertyName;
}

QList<QObject*> TStringProperty::Components() const
{
    QList<QObject*> live;
    for (const QPointer<QObject>& component : FComponents) {
        if (component)
            live << component.data();
    }
    return live;
}

QString TStringProperty::GetValue() const
{
    const QList<QObject*> selected = Components();
    if (selected.isEmpty())
        return QString();
    const QString first = selected.first()->property(FPropertyName.constData()).toString();
    for (QObject* other : selected) {
        if (other->property(FPropertyName.constData()).toString() != first)
            return QString();
    }
    return first;
}

void TStringProperty::SetValue(const QString& Value)
{
    const char* name = FPropertyName.constData();
    // Refusals are found before anything is written, so a mixed selection is
    // either changed as a whole or not at all. (setProperty would not do: on an
    // object without the property it quietly adds a dynamic one.)
    for (QObject* component : Components()) {
        const QMetaObject* meta = component->metaObject();
        const int index = meta->indexOfProperty(name);
        const bool writable =
            index >= 0 ? meta->property(index).isWritable() : component->dynamicPropertyNames().contains(FPropertyName);
        if (!writable) {
            throw Exception(QCoreApplication::translate("schemakit", "%1 has no writable property %2.")
                                .arg(ShortClassName(meta), QString::fromLatin1(FPropertyName)));
        }
    }
    // A setter may free another selected object (its QPointer then reads null)
    // or even rebind this editor, so walk a copy of the selection.
    const QList<QPointer<QObject>> selection = FComponents;
    for (const QPointer<QObject>& component : selection) {
        // A declared property that cannot take a text reports false; a dynamic
        // one always does.
        if (component && !component->setProperty(name, Value) && component->metaObject()->indexOfProperty(name) >= 0) {
            throw Exception(QCoreApplication::translate("schemakit", "%1 cannot take the value %2.")
                                .arg(QString::fromLatin1(FPropertyName), Value));
        }
    }
}

int TStringProperty::GetEditLimit() const
{
    return 255;
}

TPropertyAttributes TStringProperty::GetAttributes() const
{
    return {paMultiSelect, paRevertable};
}

void TStringProperty::GetValues(const TGetStrProc&)
{
}

// --- TDesignRegistry ---------------------------------------------------------------------

void TDesignRegistry::RegisterComponents(const QString& Page, const QList<const QMetaObject*>& Classes)
{
    if (Page.isEmpty() || Classes.contains(nullptr))
        throw Exception(QCoreApplication::translate("schemakit", "A component needs a class and a palette page."));
    UnregisterComponents(Classes);
    for (const QMetaObject* componentClass : Classes) {
        // The same class twice in one call still lands once, at its first place.
        if (ComponentsOnPage(Page).contains(componentClass))
            continue;
        FComponents << TPaletteEntry{Page, componentClass, ShortClassName(componentClass).toUpper()};
    }
}

void TDesignRegistry::UnregisterComponents(const QList<const QMetaObject*>& Classes)
{
    FComponents.removeIf([&](const TPaletteEntry& entry) { return Classes.contains(entry.ComponentClass); });
}

void TDesignRegistry::RegisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass,
                                             const QString& PropertyName, TPropertyEditorFactory Editor)
{
    if (!PropertyType.isValid() || !ComponentClass || PropertyName.isEmpty() || !Editor)
        throw Exception(QCoreApplication::translate(
            "schemakit", "A property editor needs a property type, a component class, a name and an editor."));
    UnregisterPropertyEditor(PropertyType, ComponentClass, PropertyName);
    FPropertyEditors << TPropertyEditorEntry{PropertyType, ComponentClass, PropertyName, std::move(Editor)};
}

bool TDesignRegistry::UnregisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass,
                                               const QString& PropertyName)
{
    return FPropertyEditors.removeIf([&](const TPropertyEditorEntry& entry) {
        return entry.PropertyType == PropertyType && entry.ComponentClass == ComponentClass &&
               entry.PropertyName == PropertyName;
    }) > 0;
}

const QList<TPaletteEntry>& TDesignRegistry::Components() const
{
    return FComponents;
}

QList<const QMetaObject*> TDesignRegistry::ComponentsOnPage(const QString& Page) const
{
    QList<const QMetaObject*> classes;
    for (const TPaletteEntry& entry : FComponents) {
        if (entry.Page == Page)
            classes << entry.ComponentClass;
    }
    return classes;
}

QStringList TDesignRegistry::Pages() const
{
    QStringList pages;
    for (const TPaletteEntry& entry : FComponents) {
        if (!pages.contains(entry.Page))
            pages << entry.Page;
    }
    return pages;
}

std::unique_ptr<TStringProperty> TDesignRegistry::FindPropertyEditor(const QMetaObject* ComponentClass,
                                                                     const QString& PropertyName,
                                                                     QMetaType PropertyType) const
{
    if (!ComponentClass)
        return nullptr;
    for (auto entry = FPropertyEditors.crbegin(); entry != FPropertyEditors.crend(); ++entry) {
        if (entry->PropertyType == PropertyType && entry->PropertyName == PropertyName &&
            ComponentClass->inherits(entry->ComponentClass))
            return entry->Editor();
    }
    return nullptr;
}

const QList<TPropertyEditorEntry>& TDesignRegistry::PropertyEditors() const
{
    return FPropertyEditors;
}

void TDesignRegistry::Clear()
{
    FComponents.clear();
    FPropertyEditors.clear();
}

TDesignRegistry& DesignRegistry()
{
    static TDesignRegistry registry;
    return registry;
}

void RegisterComponents(const QString& Page, const QList<const QMetaObject*>& Classes)
{
    DesignRegistry().RegisterComponents(Page, Classes);
}

void RegisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass, const QString& PropertyName,
                            TPropertyEditorFactory Editor)
{
    DesignRegistry().RegisterPropertyEditor(PropertyType, ComponentClass, PropertyName, std::move(Editor));
}

QString PaletteBitmapPath(const QString& BitmapName)
{
    if (BitmapName.isEmpty())
        return QString();
    const QString path = QStringLiteral(":/schemakit/palette/") + BitmapName;
    return QFile::exists(path) ? path : QString();
}

} // namespace schemakit
