#pragma once

#include "app/text.h"

// Everything of the path before its last backslash ("C:" for "C:\x.exe").
Text DirectoryOfPath(const char* fullPath);

// The directory that holds the running executable, without a trailing backslash.
Text GetProgramDirectory();
