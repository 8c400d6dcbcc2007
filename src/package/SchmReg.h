#pragma once

// The library's design-time registration: its components on the designer's
// palette and the editor that offers the session's database names. Nothing here
// runs in an application unless a designer integration calls Register.

#include <schemakit/schemakit_export.h>

#include "DesignRegistry.h"
#include "StringList.h"

namespace schemakit {

/// The palette page that shows the library's components.
inline constexpr char PalettePageName[] = "ZBShema";

/// The editor of TSchemaBDEDataEngine's DatabaseName: a text that can be typed
/// in or picked from a sorted drop-down list of database names, for one engine
/// or several selected at once.
class SCHEMAKIT_EXPORT TDatabaseNameProperty : public TStringProperty {
public:
    /// {paValueList, paMultiSelect, paSortList}, the set whose value is 41.
    TPropertyAttributes GetAttributes() const override;
    /// Calls `Proc` with every name GetValueList gives, in list order. The list
    /// is freed on every path; an error of GetValueList or of `Proc` reaches the
    /// caller. An empty `Proc` receives nothing.
    void GetValues(const TGetStrProc& Proc) override;
    /// Fills `List` with the names to offer: the database names of the default
    /// session (Session().GetDatabaseNames). A descendant overrides it to offer
    /// other names.
    virtual void GetValueList(TStringList& List);
};

/// Puts TSchemaDesignArea, TSQLBuilderDialog, TSchemaCustomDataEngine and
/// TSchemaBDEDataEngine, in that order, on the palette page "ZBShema", and
/// TDatabaseNameProperty on the QString properties named "DatabaseName" of
/// TSchemaBDEDataEngine and its descendants, all in DesignRegistry(). Calling
/// it again first removes what an earlier call registered, so the registry never
/// lists a class twice.
SCHEMAKIT_EXPORT void Register();

} // namespace schemakit
