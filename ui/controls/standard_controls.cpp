// The kinds realised by the system's standard controls.
#include "ui/controls/control_kinds.h"

#include <commctrl.h>

namespace {

// The opened list of a drop-down list reaches this far below its top edge.
constexpr int kDroppedListHeight = 160;

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    // The radio buttons report to the group box; their window handles them.
    if (msg == WM_COMMAND) return SendMessageA(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    // The system's group box leaves its inside unpainted.
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, GroupBoxProc, 0);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

HWND CreateEditBox(const ControlDescription& d, HWND parent) {
    HWND edit = CreateChild(d, parent, "EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    if (edit) SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    return edit;
}

HWND CreateDropDownList(const ControlDescription& d, HWND parent) {
    HWND list = CreateChild(d, parent, "COMBOBOX", CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL, 0,
                            kDroppedListHeight);
    if (!list) return nullptr;
    for (size_t i = 0; i < d.entryCount; ++i)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(d.entries[i]));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    // Entry rows one pixel taller than the font's standard row. Set on the
    // list part itself: some systems ignore CB_SETITEMHEIGHT for a list that
    // does not draw its own entries.
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(list, &parts) && parts.hwndList) {
        LRESULT row = SendMessageA(parts.hwndList, LB_GETITEMHEIGHT, 0, 0);
        if (row > 0) SendMessageA(parts.hwndList, LB_SETITEMHEIGHT, 0, row + 1);
    }
    return list;
}

HWND CreatePushButton(const ControlDescription& d, HWND parent) {
    return CreateChild(d, parent, "BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE);
}

HWND CreateGroupBox(const ControlDescription& d, HWND parent) {
    HWND box = CreateChild(d, parent, "BUTTON", BS_GROUPBOX);
    if (box) SetWindowSubclass(box, GroupBoxProc, 0, 0);
    return box;
}

HWND CreateRadioButton(const ControlDescription& d, HWND parent) {
    // Checked by the window layer, so that focus alone never checks one.
    HWND radio = CreateChild(d, parent, "BUTTON", BS_RADIOBUTTON | BS_LEFT | BS_VCENTER);
    if (radio && d.checked) SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    return radio;
}
