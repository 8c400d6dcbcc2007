#pragma once

// The relation dialog: the edit form of a link's join operator and join kind.

#include "RelationDialog.h"
#include "RelationTypes.h"

#include "../package/GroupBox.h"
#include "../package/RadioGroup.h"
