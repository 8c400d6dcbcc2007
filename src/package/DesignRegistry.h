#pragma once

// What a form designer needs to offer the library's components: the palette
// pages with their component classes and pictures, and the property editors
// that give a property a list of values. The registry only records; a designer
// integration (the Qt Designer plugin, an application's own form editor) reads
// it and creates the editors it finds here.

#include <schemakit/schemakit_export.h>

#include "Set.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace schemakit {

/// What a property editor can do, in the order designers number these
/// attributes, so that a set of them compares as an integer
/// (TPropertyAttributes::ToInt).
enum TPropertyAttribute : quint8 {
    paValueList,             ///< offers a list of values (GetValues)
    paSubProperties,         ///< has nested properties
    paDialog,                ///< opens a dialog of its own
    paMultiSelect,           ///< edits the property of several selected objects at once
    paAutoUpdate,            ///< applies every keystroke at once
    paSortList,              ///< the value list is shown sorted
    paReadOnly,              ///< the value cannot be typed in
    paRevertable,            ///< the value can be reverted to the inherited one
    paFullWidthName,         ///< the name takes the whole row
    paVolatileSubProperties, ///< nested properties change with the value
    paReference,             ///< the value refers to another component
    paNotNestable            ///< not shown among nested properties
};
/// A set of TPropertyAttribute members; ToInt() gives the bit set.
using TPropertyAttributes = TSet<TPropertyAttribute>;
/// Receives one value of a property editor's value list.
using TGetStrProc = std::function<void(const QString& Value)>;

/// A string property editor over one property of one or more selected objects.
///
/// The text is read and written through QObject::property and
/// QObject::setProperty by name. The editor does not own the objects: it holds
/// them by QPointer, so one freed meanwhile simply drops out of the selection.
/// A designer creates a fresh editor for a selection (TDesignRegistry::
/// FindPropertyEditor, then Initialize) and drops it when the selection changes.
class SCHEMAKIT_EXPORT TStringProperty {
public:
    /// Drops the references to the selected objects.
    virtual ~TStringProperty();
    /// Binds the editor to the property `PropertyName` of `Components` (the
    /// selection), replacing an earlier binding. Null entries are skipped.
    void Initialize(const QList<QObject*>& Components, const QByteArray& PropertyName);
    /// The name of the edited property.
    QByteArray PropertyName() const;
    /// The selected objects that still exist, in selection order.
    QList<QObject*> Components() const;
    /// The common text of all selected objects; empty when they differ or none is left.
    QString GetValue() const;
    /// Writes `Value` to every selected object, in selection order. When one of
    /// them has no such writable property, Exception is raised before anything
    /// is written. A property that cannot take the text also raises Exception,
    /// and an error of a property setter reaches the caller as it is; objects
    /// before the failing one then keep the new text.
    void SetValue(const QString& Value);
    /// The longest text the designer's edit field accepts: 255 characters.
    int GetEditLimit() const;
    /// What the editor can do: {paMultiSelect, paRevertable}.
    virtual TPropertyAttributes GetAttributes() const;
    /// Calls `Proc` once per value of the drop-down list, in list order; a plain
    /// string property offers none.
    virtual void GetValues(const TGetStrProc& Proc);

private:
    QList<QPointer<QObject>> FComponents;
    QByteArray FPropertyName;
};
/// Makes a fresh, unbound property editor.
using TPropertyEditorFactory = std::function<std::unique_ptr<TStringProperty>()>;

/// One component class on a palette page.
struct TPaletteEntry {
    /// The palette page that shows the class.
    QString Page;
    /// The component class.
    const QMetaObject* ComponentClass = nullptr;
    /// The name of its palette picture: the class name without namespace, in
    /// upper case ("TSCHEMADESIGNAREA"); see PaletteBitmapPath.
    QString BitmapName;
};
/// One registered property editor and the properties it applies to.
struct TPropertyEditorEntry {
    /// The type of the properties it edits.
    QMetaType PropertyType;
    /// The class whose properties (and whose descendants' properties) it edits.
    const QMetaObject* ComponentClass = nullptr;
    /// The name of the properties it edits, matched exactly.
    QString PropertyName;
    /// Makes the editor.
    TPropertyEditorFactory Editor;
};

/// The design-time registry: the palette pages with their component classes,
/// and the property editors.
class SCHEMAKIT_EXPORT TDesignRegistry {
public:
    /// Puts `Classes` on the palette page `Page`, after what it already shows.
    /// A class is on the palette once: registering it again moves it to its new
    /// place. An empty page name or a null class raises Exception before
    /// anything is registered.
    void RegisterComponents(const QString& Page, const QList<const QMetaObject*>& Classes);
    /// Registers `Editor` for the properties of type `PropertyType` named
    /// `PropertyName` of `ComponentClass` and its descendants. Registering the
    /// same type, class and name again replaces the earlier editor. A null
    /// class, an empty name, an invalid type or an empty factory raises Exception.
    void RegisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass, const QString& PropertyName,
                                TPropertyEditorFactory Editor);
    /// Every class on the palette with its page, in registration order.
    const QList<TPaletteEntry>& Components() const;
    /// The classes on `Page`, in registration order.
    QList<const QMetaObject*> ComponentsOnPage(const QString& Page) const;
    /// The palette pages, in the order of their first registration.
    QStringList Pages() const;
    /// The editor for that property of that class: the latest registration
    /// whose class is the class or one of its ancestors (QMetaObject::inherits),
    /// whose name matches exactly and whose type matches; null when none
    /// applies. The editor is fresh and not yet bound (Initialize).
    std::unique_ptr<TStringProperty> FindPropertyEditor(const QMetaObject* ComponentClass, const QString& PropertyName,
                                                        QMetaType PropertyType) const;
    /// The registered property editors, in registration order.
    const QList<TPropertyEditorEntry>& PropertyEditors() const;
    /// Forgets every page, class and editor.
    void Clear();

    /// Takes `Classes` off the palette; a class not on it is ignored, and a page
    /// left empty disappears.
    void UnregisterComponents(const QList<const QMetaObject*>& Classes);
    /// Removes the editor registered for exactly that type, class and name;
    /// returns whether there was one.
    bool UnregisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass,
                                  const QString& PropertyName);

private:
    QList<TPaletteEntry> FComponents;
    QList<TPropertyEditorEntry> FPropertyEditors;
};
/// The process-wide registry that designer integrations read.
SCHEMAKIT_EXPORT TDesignRegistry& DesignRegistry();
/// TDesignRegistry::RegisterComponents on DesignRegistry().
SCHEMAKIT_EXPORT void RegisterComponents(const QString& Page, const QList<const QMetaObject*>& Classes);
/// TDesignRegistry::RegisterPropertyEditor on DesignRegistry().
SCHEMAKIT_EXPORT void RegisterPropertyEditor(QMetaType PropertyType, const QMetaObject* ComponentClass,
                                             const QString& PropertyName, TPropertyEditorFactory Editor);
/// The palette picture of a registered class: the resource
/// ":/schemakit/palette/<BitmapName>" (a 24 x 24 BMP with 16 colours); an
/// empty path when there is none.
SCHEMAKIT_EXPORT QString PaletteBitmapPath(const QString& BitmapName);

} // namespace schemakit
