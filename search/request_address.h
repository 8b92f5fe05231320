#pragma once

#include "app/text.h"

// The keyword with "&", "#", "+" and "%" percent-encoded, so that they reach
// the engine as part of the keyword; every other byte unchanged.
Text EscapeKeyword(const char* keyword);

// prefix + escaped keyword + filter (nullptr: no filter), nothing between.
Text ComposeRequestAddress(const char* prefix, const char* keyword, const char* filter);
