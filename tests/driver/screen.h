// Reading what is on the screen.
#pragma once

#include <windows.h>

// How many screen pixels of the window have exactly this colour.
int PixelsOfColour(HWND window, COLORREF colour);

// Text drawn in this colour alone (smoothed edges aside), none in the other.
bool DrawnIn(HWND window, COLORREF colour, COLORREF notIn);
