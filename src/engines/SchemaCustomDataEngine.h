#pragma once

#include <schemakit/schemakit_export.h>

#include "SchemaDataEngine.h"

namespace schemakit {

/// The engine for applications that answer every question themselves, through
/// OnGetItemList, OnGetSubItemList and OnExecSQL. It adds nothing to the base.
class SCHEMAKIT_EXPORT TSchemaCustomDataEngine : public TSchemaDataEngine {
    Q_OBJECT
public:
    /// An engine owned by `owner` (freed with it).
    explicit TSchemaCustomDataEngine(QObject* owner = nullptr);
    ~TSchemaCustomDataEngine() override;
};

} // namespace schemakit
