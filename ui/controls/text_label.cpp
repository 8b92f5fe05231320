// A text label: its background, then its caption on one line.
#include "ui/controls/control_kinds.h"
#include "ui/controls/self_drawn.h"

namespace {

void Paint(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    char caption[512];
    if (!GetWindowTextA(hwnd, caption, sizeof caption)) return;
    const ControlDescription* d = DescriptionOf(hwnd);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, d ? d->textColor : RGB(0, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, caption, -1, &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK TextLabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result;
    if (HandleSelfDrawnMessage(hwnd, msg, wp, lp, Paint, &result)) return result;
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateTextLabel(const ControlDescription& d, HWND parent) {
    const char* cls = RegisterControlClass("MituTextLabel", TextLabelProc, LoadCursor(nullptr, IDC_ARROW));
    return CreateChild(d, parent, cls, 0);
}
