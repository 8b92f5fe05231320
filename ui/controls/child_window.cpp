#include "ui/controls/control_kinds.h"

HWND CreateChild(const ControlDescription& d, HWND parent, const char* className,
                 DWORD style, DWORD exStyle, int height) {
    DWORD flags = WS_CHILD | WS_CLIPSIBLINGS | (d.visible ? WS_VISIBLE : 0) |
                  (d.disabled ? WS_DISABLED : 0);
    HWND hwnd = CreateWindowExA(exStyle, className, d.text ? d.text : "", flags | style,
                                d.left, d.top, d.width, height < 0 ? d.height : height,
                                parent, nullptr, GetModuleHandleA(nullptr),
                                const_cast<ControlDescription*>(&d));
    if (!hwnd) return nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&d));
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

const ControlDescription* DescriptionOf(HWND control) {
    return reinterpret_cast<const ControlDescription*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

const char* RegisterControlClass(const char* name, WNDPROC proc, HCURSOR cursor) {
    WNDCLASSA wc = {};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!GetClassInfoA(instance, name, &wc)) {
        wc.lpfnWndProc = proc;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}
