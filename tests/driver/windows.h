// Finding and reading the windows of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Visible top-level windows of the process.
std::vector<HWND> TopWindowsOf(DWORD pid);

// The visible top-level window of the process with this title (GBK), or nullptr.
HWND FindTopWindow(DWORD pid, const std::string& title);

// A visible top-level window of the process of this class, or nullptr.
HWND FindTopWindowOfClass(DWORD pid, const std::string& className);

// All descendants of a window.
std::vector<HWND> DescendantsOf(HWND parent);

// The first descendant of this class (and text, when given).
HWND FindChild(HWND parent, const std::string& className, const std::string* text = nullptr);
HWND FindChild(HWND parent, const std::string& className, const std::string& text);

std::string WindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);

// A control's rectangle in the client coordinates of its parent.
RECT PlaceInParent(HWND control);

// The window that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);

bool IsChecked(HWND button);

// The text of a list entry; read in UTF-16 and converted, since the ANSI
// message returns garbage across processes under Wine.
std::string ListEntry(HWND list, int index);
