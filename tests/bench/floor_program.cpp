// The floor the program's figures are measured against: the least work of
// the same kind. It shows one plain window at once; WM_APP opens a second
// window hosting the browser control; WM_APP + 1 navigates that control.
#include <windows.h>
#include <ole2.h>

#include "browser/browser_pane.h"

namespace {

const BrowserPaneSettings kNoStartPage = {"", 2, false, false};
HWND g_browserWindow;
int g_windows;

LRESULT CALLBACK FloorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_APP:
        g_browserWindow = CreateWindowExA(WS_EX_APPWINDOW, "MituFloor", "floor browser", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                          100, 100, 467, 526, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ++g_windows;
        CreateBrowserPane(g_browserWindow, 0, 100, 463, 388, kNoStartPage);
        ShowWindow(g_browserWindow, SW_SHOW);
        SetForegroundWindow(g_browserWindow);
        return 0;
    case WM_APP + 1:
        NavigatePane("http://www.baidu.com/s?wd=abc Site:dbank.com");
        return 0;
    case WM_DESTROY:
        if (--g_windows == 0) PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "MituFloor";
    RegisterClassA(&wc);
    HWND first = CreateWindowExA(WS_EX_APPWINDOW, "MituFloor", "floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100,
                                 245, 129, nullptr, nullptr, instance, nullptr);
    ++g_windows;
    ShowWindow(first, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    OleUninitialize();
    return 0;
}
