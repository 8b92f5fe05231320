// Keys reach the window before the focused control: browser control first,
// then Esc, Tab and the radio arrows.
#include <algorithm>

#include "browser/browser_pane.h"
#include "ui/program_window.h"

namespace {

size_t IndexOfControl(const ProgramWindow& window, HWND control) {
    auto it = std::find(window.controls.begin(), window.controls.end(), control);
    return static_cast<size_t>(it - window.controls.begin());
}

bool IsRadio(const ProgramWindow& window, HWND control) {
    size_t i = IndexOfControl(window, control);
    return i < window.controls.size() && window.description->controls[i].kind == ControlKind::RadioButton;
}

// The focus stop holding the focus: the control itself or the pane around it.
HWND CurrentStop(HWND focus) {
    if (HWND pane = BrowserPaneContaining(focus)) return pane;
    return focus;
}

// The entry `step` places from `current`, wrapping round; from outside the
// list a step forward lands on the first entry and one back on the last.
HWND StepFrom(const std::vector<HWND>& list, HWND current, int step) {
    auto it = std::find(list.begin(), list.end(), current);
    int n = static_cast<int>(list.size());
    int index = it == list.end() ? (step > 0 ? -1 : 0) : static_cast<int>(it - list.begin());
    return list[static_cast<size_t>(((index + step) % n + n) % n)];
}

void MoveInCycle(const std::vector<HWND>& cycle, HWND current, int step) {
    if (!cycle.empty()) SetFocus(StepFrom(cycle, current, step));
}

void MoveAmongRadios(const ProgramWindow& window, HWND current, int step) {
    const char* group = window.description->controls[IndexOfControl(window, current)].parent;
    std::vector<HWND> radios;
    for (HWND stop : FocusCycle(window)) {
        size_t i = IndexOfControl(window, stop);
        const ControlDescription& d = window.description->controls[i];
        bool sameGroup = (d.parent == nullptr && group == nullptr) ||
                         (d.parent && group && lstrcmpA(d.parent, group) == 0);
        if (d.kind == ControlKind::RadioButton && sameGroup) radios.push_back(stop);
    }
    if (radios.empty()) return;
    HWND next = StepFrom(radios, current, step);
    CheckRadio(window, next);
    SetFocus(next);
}

}  // namespace

bool TranslateProgramKey(MSG& msg) {
    if (msg.message != WM_KEYDOWN || !msg.hwnd) return false;
    ProgramWindow* window = FindProgramWindow(GetAncestor(msg.hwnd, GA_ROOT));
    if (!window) return false;
    HWND focus = GetFocus();

    if (HWND pane = BrowserPaneContaining(focus)) {
        if (TranslatePaneKey(pane, &msg)) return true;
    }
    switch (msg.wParam) {
    case VK_ESCAPE: {
        char cls[16];
        // An opened drop-down list takes Esc to close itself.
        if (focus && GetClassNameA(focus, cls, sizeof cls) && lstrcmpiA(cls, "ComboBox") == 0 &&
            SendMessageA(focus, CB_GETDROPPEDSTATE, 0, 0))
            return false;
        PostMessageA(window->hwnd, WM_CLOSE, 0, 0);
        return true;
    }
    case VK_TAB:
        MoveInCycle(FocusCycle(*window), CurrentStop(focus), GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
    case VK_LEFT:
    case VK_UP:
        if (!IsRadio(*window, focus)) return false;
        MoveAmongRadios(*window, focus, msg.wParam == VK_RIGHT || msg.wParam == VK_DOWN ? 1 : -1);
        return true;
    }
    return false;
}
