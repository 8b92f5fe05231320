#include "ui/window_layer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "ui/controls/control_kinds.h"
#include "ui/program_window.h"
#include "resource_ids.h"

namespace {

constexpr char kWindowClass[] = "MituWindow";
constexpr UINT kDestroyRequest = WM_APP + 1;
constexpr int kProgramIcon = IDI_PROGRAM;

std::vector<std::unique_ptr<ProgramWindow>> g_windows;
bool g_eventLoopEntered = false;

ProgramWindow* FindByDescription(const WindowDescription& description) {
    for (auto& w : g_windows)
        if (w->description == &description) return w.get();
    return nullptr;
}

const ControlDescription* DescriptionOfControl(const ProgramWindow& window, HWND control, size_t* index) {
    for (size_t i = 0; i < window.controls.size(); ++i) {
        if (window.controls[i] == control) {
            if (index) *index = i;
            return &window.description->controls[i];
        }
    }
    return nullptr;
}

HWND CreateControlOfKind(const ControlDescription& d, HWND parent) {
    switch (d.kind) {
    case ControlKind::EditBox: return CreateEditBox(d, parent);
    case ControlKind::DropDownList: return CreateDropDownList(d, parent);
    case ControlKind::PushButton: return CreatePushButton(d, parent);
    case ControlKind::GroupBox: return CreateGroupBox(d, parent);
    case ControlKind::RadioButton: return CreateRadioButton(d, parent);
    case ControlKind::HyperlinkLabel: return CreateHyperlinkLabel(d, parent);
    case ControlKind::BrowserPane: return CreatePaneOrNotice(d, parent);
    case ControlKind::TextLabel: return CreateTextLabel(d, parent);
    case ControlKind::FlatButton: return CreateFlatButton(d, parent);
    case ControlKind::PictureBox: return CreatePictureBox(d, parent);
    }
    return nullptr;
}

HWND ParentFor(const ProgramWindow& window, const ControlDescription& d) {
    if (!d.parent) return window.hwnd;
    for (size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i] && lstrcmpA(window.description->controls[i].name, d.parent) == 0)
            return window.controls[i];
    return window.hwnd;
}

// Bottom of the list first: that is also the Tab order, and it creates every
// group box before the radio buttons inside it.
void CreateControls(ProgramWindow& window) {
    const WindowDescription& desc = *window.description;
    window.controls.assign(desc.controlCount, nullptr);
    for (size_t i = desc.controlCount; i-- > 0;)
        window.controls[i] = CreateControlOfKind(desc.controls[i], ParentFor(window, desc.controls[i]));
}

void RestoreFocus(ProgramWindow& window) {
    HWND target = window.lastFocus;
    window.lastFocus = nullptr;
    if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target) ||
        !IsChild(window.hwnd, target)) {
        std::vector<HWND> cycle = FocusCycle(window);
        target = cycle.empty() ? nullptr : cycle.front();
    }
    if (target) SetFocus(target);
}

// Closing and deferred destruction both end here.
void DestroyProgramWindow(ProgramWindow& window) {
    std::vector<std::pair<HWND, bool>> toEnable;
    toEnable.swap(window.disabledByModal);
    for (auto& [hwnd, wasEnabled] : toEnable)
        if (IsWindow(hwnd)) EnableWindow(hwnd, wasEnabled);
    HWND hwnd = window.hwnd;
    DestroyWindow(hwnd);
    for (auto& [other, wasEnabled] : toEnable) {
        if (wasEnabled && IsWindow(other)) {
            SetActiveWindow(other);
            break;
        }
    }
}

void OnCommand(ProgramWindow& window, WPARAM wp, LPARAM lp) {
    HWND control = reinterpret_cast<HWND>(lp);
    if (HIWORD(wp) != BN_CLICKED || !control) return;
    const ControlDescription* d = DescriptionOfControl(window, control, nullptr);
    if (!d) return;
    if (d->kind == ControlKind::RadioButton) CheckRadio(window, control);
    if (d->onClicked) d->onClicked();
}

void OnWindowGone(HWND hwnd) {
    g_windows.erase(std::remove_if(g_windows.begin(), g_windows.end(),
                                   [hwnd](const auto& w) { return w->hwnd == hwnd; }),
                    g_windows.end());
    OnProgramWindowDestroyed();
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ProgramWindow* window = FindProgramWindow(hwnd);
    switch (msg) {
    case WM_COMMAND:
        if (window) OnCommand(*window, wp, lp);
        return 0;
    case WM_CLOSE:
    case kDestroyRequest:
        if (window) DestroyProgramWindow(*window);
        return 0;
    case WM_ACTIVATE:
        if (window && LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) window->lastFocus = focus;
        }
        break;
    case WM_SETFOCUS:
        if (window) RestoreFocus(*window);
        return 0;
    case WM_NCDESTROY:
        OnWindowGone(hwnd);
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterWindowClass() {
    WNDCLASSA wc = {};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, kWindowClass, &wc)) return;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
}

void SetOwnIcon(HWND hwnd, int resource) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_ICON, 0, 0,
                             LR_SHARED);
    if (!icon) return;
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void RunNestedLoopUntilGone(HWND hwnd) {
    MSG msg;
    while (IsWindow(hwnd)) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (TranslateProgramKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

ProgramWindow* FindProgramWindow(HWND topLevel) {
    for (auto& w : g_windows)
        if (w->hwnd == topLevel) return w.get();
    return nullptr;
}

std::vector<HWND> FocusCycle(const ProgramWindow& window) {
    std::vector<HWND> cycle;
    for (size_t i = window.controls.size(); i-- > 0;) {
        HWND control = window.controls[i];
        if (window.description->controls[i].focusStop && control && IsWindowVisible(control) &&
            IsWindowEnabled(control))
            cycle.push_back(control);
    }
    return cycle;
}

void CheckRadio(const ProgramWindow& window, HWND radio) {
    HWND group = GetParent(radio);
    for (size_t i = 0; i < window.controls.size(); ++i) {
        HWND other = window.controls[i];
        if (window.description->controls[i].kind == ControlKind::RadioButton && GetParent(other) == group)
            SendMessageA(other, BM_SETCHECK, other == radio ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool LoadWindow(const WindowDescription& description, HWND parent, bool modal) {
    if (ProgramWindow* open = FindByDescription(description)) {
        if (!open->markedForDestruction) {
            if (IsIconic(open->hwnd))
                ShowWindow(open->hwnd, SW_RESTORE);
            else
                SetActiveWindow(open->hwnd);
            return true;
        }
        DestroyProgramWindow(*open);
    }
    if (modal) parent = nullptr;

    RegisterWindowClass();
    int left = (GetSystemMetrics(SM_CXSCREEN) - description.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - description.height) / 2;
    auto owned = std::make_unique<ProgramWindow>();
    ProgramWindow& window = *owned;
    window.description = &description;
    g_windows.push_back(std::move(owned));
    window.hwnd = CreateWindowExA(WS_EX_APPWINDOW, kWindowClass, description.title,
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, left, top,
                                  description.width, description.height, parent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window.hwnd) {
        g_windows.pop_back();
        return false;
    }
    HWND hwnd = window.hwnd;
    if (description.iconResource) SetOwnIcon(hwnd, description.iconResource);
    CreateControls(window);

    if (description.onCreated) description.onCreated();
    if (!IsWindow(hwnd)) return true;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);

    if (modal) {
        ProgramWindow* self = FindProgramWindow(hwnd);
        std::vector<std::pair<HWND, bool>> disabled;
        for (auto& other : g_windows) {
            if (other->hwnd == hwnd || GetParent(other->hwnd)) continue;
            disabled.emplace_back(other->hwnd, IsWindowEnabled(other->hwnd) != FALSE);
            EnableWindow(other->hwnd, FALSE);
        }
        if (self) self->disabledByModal = std::move(disabled);
        RunNestedLoopUntilGone(hwnd);
    }
    return true;
}

void DestroyWindowDeferred(const WindowDescription& description) {
    ProgramWindow* window = FindByDescription(description);
    if (!window || window->markedForDestruction) return;
    window->markedForDestruction = true;
    PostMessageA(window->hwnd, kDestroyRequest, 0, 0);
}

void RunEventLoop() {
    g_eventLoopEntered = true;
    if (g_windows.empty()) return;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateProgramKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void OnProgramWindowDestroyed() {
    if (g_eventLoopEntered && g_windows.empty()) PostQuitMessage(0);
}

void DestroyAllProgramWindows() {
    while (!g_windows.empty()) {
        HWND hwnd = g_windows.back()->hwnd;
        DestroyWindow(hwnd);
        if (!g_windows.empty() && g_windows.back()->hwnd == hwnd) g_windows.pop_back();
    }
}

HWND WindowOf(const WindowDescription& description) {
    ProgramWindow* window = FindByDescription(description);
    return window ? window->hwnd : nullptr;
}

HWND ControlOf(const WindowDescription& description, const char* name) {
    ProgramWindow* window = FindByDescription(description);
    if (!window) return nullptr;
    for (size_t i = 0; i < window->controls.size(); ++i)
        if (lstrcmpA(description.controls[i].name, name) == 0) return window->controls[i];
    return nullptr;
}

Text GetControlText(HWND control) {
    int length = control ? GetWindowTextLengthA(control) : 0;
    Text text = NewText(static_cast<size_t>(length));
    if (length > 0) GetWindowTextA(control, text.data(), length + 1);
    return text;
}

void SetControlCaption(HWND control, const char* caption) { SetWindowTextA(control, caption); }

int GetListIndex(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)); }

bool IsRadioChecked(HWND radio) { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }
