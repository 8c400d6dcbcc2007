#include "SchmReg.h"

#include "../builder/SQLBuilderDialog.h"
#include "../diagram/SchemaDesignArea.h"
#include "../engines/DatabaseSession.h"
#include "../engines/SchemaBDEDataEngine.h"
#include "../engines/SchemaCustomDataEngine.h"

namespace schemakit {

TPropertyAttributes TDatabaseNameProperty::GetAttributes() const
{
    return {paValueList, paMultiSelect, paSortList};
}

void TDatabaseNameProperty::GetValues(const TGetStrProc& Proc)
{
    if (!Proc)
        return;
    TStringList values; // a local, so it goes on every path, also when Proc raises
    GetValueList(values);
    for (int i = 0; i < values.Count(); ++i)
        Proc(values.Strings(i));
}

void TDatabaseNameProperty::GetValueList(TStringList& List)
{
    Session().GetDatabaseNames(List);
}

void Register()
{
    // The abstract TSchemaDataEngine stays off the palette: it cannot answer
    // anything without a descendant.
    const QList<const QMetaObject*> classes = {
        &TSchemaDesignArea::staticMetaObject, &TSQLBuilderDialog::staticMetaObject,
        &TSchemaCustomDataEngine::staticMetaObject, &TSchemaBDEDataEngine::staticMetaObject};
    const QMetaType text = QMetaType::fromType<QString>();
    const QString databaseName = QStringLiteral("DatabaseName");

    TDesignRegistry& registry = DesignRegistry();
    registry.UnregisterComponents(classes);
    registry.UnregisterPropertyEditor(text, &TSchemaBDEDataEngine::staticMetaObject, databaseName);
    registry.RegisterComponents(QString::fromLatin1(PalettePageName), classes);
    registry.RegisterPropertyEditor(text, &TSchemaBDEDataEngine::staticMetaObject, databaseName,
                                    [] { return std::make_unique<TDatabaseNameProperty>(); });
}

} // namespace schemakit
