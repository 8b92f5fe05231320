#include "driver/message_boxes.h"

#include <vector>

#include "driver/wait.h"
#include "driver/windows.h"

namespace {

HWND FindBox(DWORD pid) {
    for (HWND hwnd : TopWindowsOf(pid))
        if (ClassOf(hwnd) == "#32770") return hwnd;
    return nullptr;
}

std::vector<COLORREF> Pixels(HDC dc, int size) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

// The icon can't be asked for across processes: its pixels are compared with
// the system's icons drawn on the same background.
BoxIcon IdentifyIcon(HWND iconControl) {
    RECT rc;
    GetWindowRect(iconControl, &rc);
    const int size = GetSystemMetrics(SM_CXICON);
    HDC screen = GetDC(nullptr);
    HDC seen = CreateCompatibleDC(screen);
    HBITMAP seenBitmap = CreateCompatibleBitmap(screen, size, size);
    SelectObject(seen, seenBitmap);
    BitBlt(seen, 0, 0, size, size, screen, rc.left, rc.top, SRCCOPY);
    std::vector<COLORREF> shown = Pixels(seen, size);

    struct Candidate {
        BoxIcon icon;
        LPCSTR id;
    } candidates[] = {{BoxIcon::Error, IDI_HAND},
                      {BoxIcon::Warning, IDI_EXCLAMATION},
                      {BoxIcon::Information, IDI_ASTERISK},
                      {BoxIcon::Question, IDI_QUESTION}};
    BoxIcon result = BoxIcon::Unknown;
    HDC drawn = CreateCompatibleDC(screen);
    HBITMAP drawnBitmap = CreateCompatibleBitmap(screen, size, size);
    SelectObject(drawn, drawnBitmap);
    HBRUSH background = CreateSolidBrush(shown.front());
    RECT all = {0, 0, size, size};
    for (const Candidate& c : candidates) {
        FillRect(drawn, &all, background);
        DrawIconEx(drawn, 0, 0, LoadIconA(nullptr, c.id), size, size, 0, nullptr, DI_NORMAL);
        if (Pixels(drawn, size) == shown) {
            result = c.icon;
            break;
        }
    }
    DeleteObject(background);
    DeleteDC(drawn);
    DeleteObject(drawnBitmap);
    DeleteDC(seen);
    DeleteObject(seenBitmap);
    ReleaseDC(nullptr, screen);
    return result;
}

}  // namespace

MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    MessageBoxSeen box;
    WaitUntil([&] { return (box.hwnd = FindBox(pid)) != nullptr; }, timeoutMs);
    if (!box.hwnd) return box;
    Pause(150);  // let it paint before its icon is compared
    box.caption = WindowText(box.hwnd);
    box.owner = GetWindow(box.hwnd, GW_OWNER);
    box.icon = BoxIcon::None;
    for (HWND child : DescendantsOf(box.hwnd)) {
        if (ClassOf(child) != "Static") continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            box.icon = IdentifyIcon(child);
        else if (box.text.empty())
            box.text = WindowText(child);
    }
    return box;
}

bool NoMessageBox(DWORD pid) { return FindBox(pid) == nullptr; }

bool PressOk(const MessageBoxSeen& box) {
    PostMessageA(GetDlgItem(box.hwnd, IDOK), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box.hwnd); }, 5000);
}
