#pragma once

// SQL tokenizer and clause parser: TSQLParser, its token kinds and clauses.
#include "SqlParserClass.h"
#include "SqlTokens.h"
