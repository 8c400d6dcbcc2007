#pragma once

#include "SchemaDataEngine.h"

namespace schemakit {

// The engine for applications that answer every question themselves, through
// OnGetItemList, OnGetSubItemList and OnExecSQL. It adds nothing to the base.
class TSchemaCustomDataEngine : public TSchemaDataEngine {
    Q_OBJECT
public:
    explicit TSchemaCustomDataEngine(QObject* owner = nullptr);
    ~TSchemaCustomDataEngine() override;
};

} // namespace schemakit
