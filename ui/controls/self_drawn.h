// What every control that draws itself does alike: one paint routine for
// WM_PAINT and WM_PRINTCLIENT, no separate erase, a repaint when its caption
// changes.
#pragma once

#include <windows.h>

using PaintRoutine = void (*)(HWND hwnd, HDC dc);

// Handles the message if it is one of those; returns whether it did.
bool HandleSelfDrawnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, PaintRoutine paint, LRESULT* result);
