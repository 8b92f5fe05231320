// A picture box: its picture stretched to fill it, or its background alone.
#include "ui/controls/control_kinds.h"
#include "ui/controls/self_drawn.h"

namespace {

HBITMAP PictureOf(HWND hwnd) { return static_cast<HBITMAP>(GetPropA(hwnd, "MituPicture")); }

void Paint(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    HBITMAP picture = PictureOf(hwnd);
    if (!picture) return;
    BITMAP info;
    GetObjectA(picture, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result;
    if (HandleSelfDrawnMessage(hwnd, msg, wp, lp, Paint, &result)) return result;
    if (msg == WM_NCDESTROY) {
        if (HBITMAP picture = static_cast<HBITMAP>(RemovePropA(hwnd, "MituPicture"))) DeleteObject(picture);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreatePictureBox(const ControlDescription& d, HWND parent) {
    const char* cls = RegisterControlClass("MituPictureBox", PictureBoxProc, LoadCursor(nullptr, IDC_ARROW));
    HWND box = CreateChild(d, parent, cls, 0);
    if (box && d.picture) {
        if (HBITMAP picture = d.picture()) SetPropA(box, "MituPicture", picture);
    }
    return box;
}
