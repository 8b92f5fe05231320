// Real input, as a person gives it: the pointer, the mouse buttons, keys.
#pragma once

#include <windows.h>

void MovePointerTo(POINT screen);
void MovePointerToCentre(HWND hwnd);
void PressLeftButton();
void ReleaseLeftButton();
// Moves to the window's centre and clicks.
void Click(HWND hwnd);
void PressKey(WORD vk);
// A key together with a held modifier, such as Shift+Tab.
void PressKeyWith(WORD modifier, WORD vk);
// Makes the window the foreground window and waits until it is.
bool BringToFront(HWND hwnd);
