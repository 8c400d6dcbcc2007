#pragma once

// The data-engine interface with its SQL dialect, and the engine that answers
// through its events only.

#include "SchemaCustomDataEngine.h"
#include "SchemaDataEngine.h"
#include "SqlDialect.h"
#include "SqlNames.h"
