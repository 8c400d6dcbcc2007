#pragma once

// The operator, join and kind of a link (TSDRelationOperator, TSDRelationJoin,
// TSDRelationType) are declared with the other published enumerations.
#include "../package/Enumerations.h"
