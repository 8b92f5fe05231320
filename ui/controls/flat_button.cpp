// A push button without a 3-D edge that draws an outlined highlight while the
// pointer is over it or it is held down.
#include "ui/controls/control_kinds.h"
#include "ui/controls/self_drawn.h"

namespace {

struct FlatState {
    bool hover = false;
    bool mouseDown = false;
    bool spaceDown = false;
    bool pressed() const { return mouseDown || spaceDown; }
};

FlatState* StateOf(HWND hwnd) { return reinterpret_cast<FlatState*>(GetPropA(hwnd, "MituFlatState")); }

BYTE Brighter(BYTE c) { return static_cast<BYTE>(c + (255 - c) / 3); }

void Paint(HWND hwnd, HDC dc) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    FlatState* state = StateOf(hwnd);
    bool pressed = state && state->pressed();
    if (state && (state->hover || pressed)) {
        HBRUSH fill = CreateSolidBrush(RGB(Brighter(GetRValue(face)), Brighter(GetGValue(face)),
                                           Brighter(GetBValue(face))));
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, 6, 6);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
    }
    char caption[256];
    GetWindowTextA(hwnd, caption, sizeof caption);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT measured = rc;
    DrawTextA(dc, caption, -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    RECT text = rc;
    text.top += ((rc.bottom - rc.top) - (measured.bottom - measured.top)) / 2;
    if (pressed) OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption, -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

void Redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void RaiseClicked(HWND hwnd) {
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

bool PointerInside(HWND hwnd, LPARAM lp) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    return PtInRect(&rc, pt);
}

LRESULT CALLBACK FlatButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result;
    if (HandleSelfDrawnMessage(hwnd, msg, wp, lp, Paint, &result)) return result;
    FlatState* state = StateOf(hwnd);
    switch (msg) {
    case WM_NCCREATE:
        SetPropA(hwnd, "MituFlatState", new FlatState());
        break;
    case WM_NCDESTROY:
        delete static_cast<FlatState*>(RemovePropA(hwnd, "MituFlatState"));
        break;
    case WM_GETDLGCODE:
        return DLGC_BUTTON;
    case WM_MOUSEMOVE:
        if (state && !state->hover) {
            TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&tme);
        }
        if (state) {
            bool inside = PointerInside(hwnd, lp);
            if (inside != state->hover) {
                state->hover = inside;
                Redraw(hwnd);
            }
        }
        return 0;
    case WM_MOUSELEAVE:
        if (state && state->hover && GetCapture() != hwnd) {
            state->hover = false;
            Redraw(hwnd);
        }
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        SetCapture(hwnd);
        if (state) state->mouseDown = true;
        Redraw(hwnd);
        return 0;
    case WM_LBUTTONUP:
        if (state && state->mouseDown) {
            state->mouseDown = false;
            ReleaseCapture();
            Redraw(hwnd);
            if (PointerInside(hwnd, lp)) RaiseClicked(hwnd);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (state && state->mouseDown) {
            state->mouseDown = false;
            Redraw(hwnd);
        }
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_SPACE && state && !state->spaceDown) {
            state->spaceDown = true;
            Redraw(hwnd);
        }
        return 0;
    case WM_KEYUP:
        if (wp == VK_SPACE && state && state->spaceDown) {
            state->spaceDown = false;
            Redraw(hwnd);
            RaiseClicked(hwnd);
        }
        return 0;
    case WM_KILLFOCUS:
        if (state && state->spaceDown) {
            state->spaceDown = false;
            Redraw(hwnd);
        }
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateFlatButton(const ControlDescription& d, HWND parent) {
    const char* cls = RegisterControlClass("MituFlatButton", FlatButtonProc, LoadCursor(nullptr, IDC_ARROW));
    return CreateChild(d, parent, cls, 0);
}
