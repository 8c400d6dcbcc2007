#pragma once

// The query builder: the form with its diagram and column grid, and the SQL
// it generates.

#include "ColumnGrid.h"
#include "ColumnGridGeometry.h"
#include "ColumnGridView.h"
#include "HandleRegistry.h"
#include "SQLBuilderForm.h"
#include "SqlAnsiJoins.h"
#include "SqlExpansion.h"
#include "SqlGeneration.h"

#include "../diagram/SchmCntr.h"
#include "../engines/ZBDEngine.h"
