#pragma once

// The data engine on a real database through Qt SQL, and the session's list of
// database names.

#include "DatabaseConnection.h"
#include "DatabaseSession.h"
#include "SchemaBDEDataEngine.h"
#include "SqlQueryModel.h"
#include "SqlStatement.h"
#include "ZBDEngine.h"
