#include "SchemaCustomDataEngine.h"

namespace schemakit {

TSchemaCustomDataEngine::TSchemaCustomDataEngine(QObject* owner) : TSchemaDataEngine(owner)
{
}

TSchemaCustomDataEngine::~TSchemaCustomDataEngine() = default;

} // namespace schemakit
