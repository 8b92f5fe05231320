#include "driver/screen.h"

int PixelsOfColour(HWND window, COLORREF colour) {
    RECT rc;
    GetWindowRect(window, &rc);
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) count += GetPixel(screen, x, y) == colour;
    ReleaseDC(nullptr, screen);
    return count;
}

bool DrawnIn(HWND window, COLORREF colour, COLORREF notIn) {
    return PixelsOfColour(window, colour) > 5 && PixelsOfColour(window, notIn) == 0;
}
