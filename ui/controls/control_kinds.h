// One create function per control kind. Each makes the control as a child of
// `parent` at the description's place.
#pragma once

#include <windows.h>

#include "ui/window_description.h"

HWND CreateEditBox(const ControlDescription& d, HWND parent);
HWND CreateDropDownList(const ControlDescription& d, HWND parent);
HWND CreatePushButton(const ControlDescription& d, HWND parent);
HWND CreateGroupBox(const ControlDescription& d, HWND parent);
HWND CreateRadioButton(const ControlDescription& d, HWND parent);
HWND CreateHyperlinkLabel(const ControlDescription& d, HWND parent);
HWND CreateTextLabel(const ControlDescription& d, HWND parent);
HWND CreateFlatButton(const ControlDescription& d, HWND parent);
HWND CreatePictureBox(const ControlDescription& d, HWND parent);
HWND CreatePaneOrNotice(const ControlDescription& d, HWND parent);

// Shared by the kinds: a child window at the description's place, in the
// default GUI font, carrying
// the description in its user data.
HWND CreateChild(const ControlDescription& d, HWND parent, const char* className,
                 DWORD style, DWORD exStyle = 0, int height = -1);

// The description a child was created from, or nullptr.
const ControlDescription* DescriptionOf(HWND control);

// Registers a window class of this module once; returns its name.
const char* RegisterControlClass(const char* name, WNDPROC proc, HCURSOR cursor);
