#include "driver/windows.h"

std::vector<HWND> TopWindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->pid && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD pid, const std::string& title) {
    for (HWND hwnd : TopWindowsOf(pid))
        if (WindowText(hwnd) == title) return hwnd;
    return nullptr;
}

HWND FindTopWindowOfClass(DWORD pid, const std::string& className) {
    for (HWND hwnd : TopWindowsOf(pid))
        if (lstrcmpiA(ClassOf(hwnd).c_str(), className.c_str()) == 0) return hwnd;
    return nullptr;
}

std::vector<HWND> DescendantsOf(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindChild(HWND parent, const std::string& className, const std::string* text) {
    for (HWND hwnd : DescendantsOf(parent))
        if (lstrcmpiA(ClassOf(hwnd).c_str(), className.c_str()) == 0 && (!text || WindowText(hwnd) == *text))
            return hwnd;
    return nullptr;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    return FindChild(parent, className, &text);
}

std::string WindowText(HWND hwnd) {
    LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(got));
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

RECT PlaceInParent(HWND control) {
    RECT rc;
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string ListEntry(HWND list, int index) {
    LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(static_cast<size_t>(length));
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], bytes, nullptr, nullptr);
    text.resize(static_cast<size_t>(bytes > 0 ? bytes - 1 : 0));
    return text;
}
