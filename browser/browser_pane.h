// The main window's embedded web browser.
#pragma once

#include <windows.h>

struct BrowserPaneSettings {
    const char* url;   // loaded at creation; empty loads nothing
    int fontSize;      // 0 smallest to 4 largest
    bool offline;
    bool silent;
};

// Creates the pane window hosting the system's web browser control, or
// returns nullptr (and leaves nothing behind) when the control cannot be had.
HWND CreateBrowserPane(HWND parent, int left, int top, int width, int height,
                       const BrowserPaneSettings& settings);

// Sends the pane to the address, a text in the system's code page.
void NavigatePane(const char* address);

// Gives a key to the web browser control first; true when it used it.
bool TranslatePaneKey(HWND pane, MSG* msg);

// True when the window is a browser pane or lies inside one.
HWND BrowserPaneContaining(HWND window);
