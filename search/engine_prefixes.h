// The seven program-wide request prefixes, one slot per engine radio number.
#pragma once

// Fills the slots with "http://" + host + request path (main window created).
void SetEnginePrefixes();

// Releases the slots, 1 to 7 (the exit clean-up).
void ReleaseEnginePrefixes();

// The prefix of an engine, or nullptr while its slot is empty.
const char* EnginePrefix(int radio);
