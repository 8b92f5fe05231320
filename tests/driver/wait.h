// Polling helpers: the program under test runs in another process.
#pragma once

#include <windows.h>

#include <functional>

// Calls `done` every 20 ms until it returns true or `timeoutMs` passes.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Lets the other process run for a while.
void Pause(DWORD ms);
