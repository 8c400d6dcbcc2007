#pragma once

// The diagram: the pane, its boxes with their rows, and its links.

#include "SchemaDesignArea.h"
#include "SchemaItem.h"
#include "SchemaListControls.h"
#include "SchemaRelation.h"
#include "SchemaShapes.h"
#include "SchemaSubItem.h"
#include "../package/SchemaTypes.h"

#include "../engines/SchemaDataEngine.h"
#include "../package/Platform.h"
