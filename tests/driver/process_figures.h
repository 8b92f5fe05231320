// What a running process holds, read from outside it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct ProcessFigures {
    size_t kernelHandles = 0;  // from the system's handle table
    size_t privateBytes = 0;   // Windows' figure, or under Wine the Linux process's RssAnon
    size_t workingSet = 0;     // Windows' figure, or under Wine the Linux process's VmRSS
    DWORD gdiObjects = 0;      // 0 where the system does not count them (Wine)
    DWORD userObjects = 0;
};

// `marker`: a text of the process's command line that names it uniquely,
// used to find the Linux process when Wine cannot say.
ProcessFigures MeasureProcess(HANDLE process, DWORD pid, const std::string& marker);
