#include "SchemaRelation.h"

#include "SchemaDesignArea.h"

namespace schemakit {

TSchemaRelation::TSchemaRelation(TSchemaDesignArea* owner) : QObject(owner), FDesigner(owner)
{
}

TSchemaDesignArea* TSchemaRelation::Designer() const
{
    return FDesigner;
}

TSchemaRelation::~TSchemaRelation()
{
    if (FDesigner)
        FDesigner->RemoveControl(this);
}

} // namespace schemakit
