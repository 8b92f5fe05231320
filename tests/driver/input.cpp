#include "driver/input.h"

#include "driver/wait.h"

namespace {

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    Sleep(30);
}

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.dx = x;
    in.mi.dy = y;
    return in;
}

INPUT Key(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

}  // namespace

void MovePointerTo(POINT screen) {
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    LONG x = static_cast<LONG>((screen.x * 65536LL + w / 2) / w);
    LONG y = static_cast<LONG>((screen.y * 65536LL + h / 2) / h);
    Send(Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y));
}

void MovePointerToCentre(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MovePointerTo({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

void PressLeftButton() { Send(Mouse(MOUSEEVENTF_LEFTDOWN)); }

void ReleaseLeftButton() { Send(Mouse(MOUSEEVENTF_LEFTUP)); }

void Click(HWND hwnd) {
    MovePointerToCentre(hwnd);
    PressLeftButton();
    ReleaseLeftButton();
}

void PressKey(WORD vk) {
    Send(Key(vk, false));
    Send(Key(vk, true));
}

void PressKeyWith(WORD modifier, WORD vk) {
    Send(Key(modifier, false));
    PressKey(vk);
    Send(Key(modifier, true));
}

bool BringToFront(HWND hwnd) {
    return WaitUntil([&] {
        if (GetForegroundWindow() == hwnd) return true;
        SetForegroundWindow(hwnd);
        return false;
    }, 3000);
}
