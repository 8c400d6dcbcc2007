#pragma once

// The relation dialog: the edit form of a link's join operator and join kind.

#include "RelationDialog.h"
#include "../package/Enumerations.h"

#include "../package/GroupBox.h"
#include "../package/RadioGroup.h"
