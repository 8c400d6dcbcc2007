#pragma once

// The query builder: the dialog component that runs it, the form with its
// diagram, column grid and pages, and the SQL it generates.

#include "ColumnGrid.h"
#include "ColumnGridView.h"
#include "DataSource.h"
#include "SQLBuilderDialog.h"
#include "SQLBuilderForm.h"
#include "SqlExpansion.h"
#include "SqlGeneration.h"

#include "../diagram/SchmCntr.h"
#include "../engines/ZBDEngine.h"
