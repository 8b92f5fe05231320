// A single line of text that draws itself and opens an address when pressed.
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "app/text.h"
#include "ui/controls/control_kinds.h"
#include "ui/controls/self_drawn.h"

namespace {

constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kHoverColour = RGB(197, 231, 246);
constexpr COLORREF kVisitedColour = RGB(128, 0, 0);

struct LinkState {
    bool hover = false;
    bool visited = false;
};

LinkState* StateOf(HWND hwnd) {
    return reinterpret_cast<LinkState*>(GetPropA(hwnd, "MituLinkState"));
}

bool Succeeded(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

// The shell first; when it fails, the program registered for ".htm" files.
bool OpenAddress(const char* address) {
    if (Succeeded(ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOW)))
        return true;
    char program[MAX_PATH * 2];
    DWORD size = sizeof program;
    if (FAILED(AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, ".htm", "open", program, &size)))
        return false;
    Text argument = JoinTexts({"\"", address, "\""});
    return Succeeded(ShellExecuteA(nullptr, "open", program, argument.c_str(), nullptr, SW_SHOW));
}

void RunOwnAction(HWND hwnd, const ControlDescription& d, LinkState& state) {
    if (!d.address || !d.address[0]) return;
    Text target = JoinTexts({d.linkType == LinkType::EmailAddress ? "mailto:" : "", d.address});
    if (OpenAddress(target.c_str())) {
        state.visited = true;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void Paint(HWND hwnd, HDC dc) {
    const ControlDescription* d = DescriptionOf(hwnd);
    LinkState* state = StateOf(hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (!d || !state) return;
    char caption[512];
    GetWindowTextA(hwnd, caption, sizeof caption);
    const char* shown = caption[0] ? caption : d->address;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state->hover ? kHoverColour : state->visited ? kVisitedColour : kNormalColour);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, shown, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

void SetHover(HWND hwnd, LinkState& state, bool hover) {
    if (state.hover == hover) return;
    state.hover = hover;
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK HyperlinkProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result;
    if (HandleSelfDrawnMessage(hwnd, msg, wp, lp, Paint, &result)) return result;
    switch (msg) {
    case WM_NCCREATE:
        SetPropA(hwnd, "MituLinkState", new LinkState());
        break;
    case WM_NCDESTROY:
        delete static_cast<LinkState*>(RemovePropA(hwnd, "MituLinkState"));
        break;
    case WM_MOUSEMOVE: {
        LinkState* state = StateOf(hwnd);
        RECT rc;
        GetClientRect(hwnd, &rc);
        POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        bool inside = PtInRect(&rc, pt);
        // Capturing while the pointer is over the link tells us when it leaves.
        if (inside && GetCapture() != hwnd) SetCapture(hwnd);
        if (!inside && GetCapture() == hwnd) ReleaseCapture();
        if (state) SetHover(hwnd, *state, inside);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (LinkState* state = StateOf(hwnd)) SetHover(hwnd, *state, false);
        return 0;
    case WM_LBUTTONDOWN: {
        const ControlDescription* d = DescriptionOf(hwnd);
        LinkState* state = StateOf(hwnd);
        // The handler may open a modal window, which needs the mouse.
        if (GetCapture() == hwnd) ReleaseCapture();
        if (d && d->onLeftButtonPressed) d->onLeftButtonPressed();
        if (d && state && IsWindow(hwnd)) RunOwnAction(hwnd, *d, *state);
        return 0;
    }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateHyperlinkLabel(const ControlDescription& d, HWND parent) {
    const char* cls = RegisterControlClass("MituHyperlink", HyperlinkProc, LoadCursor(nullptr, IDC_HAND));
    return CreateChild(d, parent, cls, 0);
}
