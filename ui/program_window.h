// What the window layer knows of each live program window.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window_description.h"

struct ProgramWindow {
    const WindowDescription* description = nullptr;
    HWND hwnd = nullptr;
    std::vector<HWND> controls;  // parallel to the description's controls
    bool markedForDestruction = false;
    HWND lastFocus = nullptr;
    // Windows this window's modal load disabled, with whether they were enabled.
    std::vector<std::pair<HWND, bool>> disabledByModal;
};

ProgramWindow* FindProgramWindow(HWND topLevel);

// The focus stops of the window that can take the focus now, in Tab order.
std::vector<HWND> FocusCycle(const ProgramWindow& window);

// The keyboard rules; true when the key was used up.
bool TranslateProgramKey(MSG& msg);

// Checks the radio button and unchecks the others of its group box.
void CheckRadio(const ProgramWindow& window, HWND radio);
