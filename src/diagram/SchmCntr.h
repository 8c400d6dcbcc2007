#pragma once

// The diagram: the pane, its boxes with their rows, and its links.

#include "AutoArrange.h"
#include "ItemGeometry.h"
#include "SchemaDesignArea.h"
#include "SchemaFile.h"
#include "SchemaItem.h"
#include "SchemaListControls.h"
#include "SchemaRelation.h"
#include "SchemaShapes.h"
#include "SchemaSubItem.h"
#include "ShapeGeometry.h"
#include "SchemaTypes.h"

#include "../engines/SchemaDataEngine.h"
#include "../package/Platform.h"
