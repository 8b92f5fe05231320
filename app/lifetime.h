// The program's frame: start and end sequences, exit clean-up, fatal errors.
#pragma once

#include <cstdint>

using ExitCleanupRoutine = void (*)();

// Runs the start sequence and the event loop; returns the exit code (0).
int StartProgram();

// The end sequence: exit clean-up, unloading, OLE, then the process ends.
[[noreturn]] void EndProgram(uint32_t exitCode);

// Tells the user what failed and ends the program with exit code -1,
// without the exit clean-up.
[[noreturn]] void ReportFatalError(const char* description);

// The exit clean-up slot holds one routine, run at most once.
void SetExitCleanup(ExitCleanupRoutine routine);
