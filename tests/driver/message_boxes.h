// The program's message boxes, as a person sees them.
#pragma once

#include <windows.h>

#include <string>

enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };

struct MessageBoxSeen {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::Unknown;
    HWND owner = nullptr;
};

// Waits for a message box of the process; hwnd is nullptr when none came.
MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);

// True when no message box of the process is showing.
bool NoMessageBox(DWORD pid);

// Presses the box's OK button and waits until it is gone.
bool PressOk(const MessageBoxSeen& box);
