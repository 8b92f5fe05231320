#include "ui/controls/self_drawn.h"

bool HandleSelfDrawnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, PaintRoutine paint, LRESULT* result) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        *result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(hwnd, reinterpret_cast<HDC>(wp));
        *result = 0;
        return true;
    case WM_ERASEBKGND:
        *result = 1;  // the paint routine fills the background itself
        return true;
    case WM_SETTEXT:
        *result = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, TRUE);
        return true;
    }
    return false;
}
