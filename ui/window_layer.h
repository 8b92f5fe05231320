// The window layer shared by every window of the program.
#pragma once

#include <windows.h>

#include "app/text.h"
#include "ui/window_description.h"

// Builds and shows the window; a modal load returns once it is closed again.
// Returns false when the window could not be created.
bool LoadWindow(const WindowDescription& window, HWND parent, bool modal);

// Marks the window and has the event loop destroy it after the current handler.
void DestroyWindowDeferred(const WindowDescription& window);

// Takes and dispatches messages until the end rule asks for the end.
void RunEventLoop();

// The end rule: called as the last step of destroying a program window.
void OnProgramWindowDestroyed();

// Destroys whatever program windows are still alive (end sequence).
void DestroyAllProgramWindows();

// The live window for a description, or nullptr.
HWND WindowOf(const WindowDescription& window);

// A control of a live window by its name, or nullptr.
HWND ControlOf(const WindowDescription& window, const char* name);

// What handlers read and set.
Text GetControlText(HWND control);
void SetControlCaption(HWND control, const char* caption);
int GetListIndex(HWND list);
bool IsRadioChecked(HWND radio);
