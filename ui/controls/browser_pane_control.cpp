// The browser pane as a control; a plain notice takes its place when the
// system's web browser control cannot be created.
#include "browser/browser_pane.h"
#include "ui/controls/control_kinds.h"

HWND CreatePaneOrNotice(const ControlDescription& d, HWND parent) {
    if (HWND pane = CreateBrowserPane(parent, d.left, d.top, d.width, d.height, *d.pane)) return pane;
    HWND notice = CreateChild(d, parent, "STATIC", SS_CENTER | SS_CENTERIMAGE | WS_BORDER);
    if (notice) SetWindowTextA(notice, "无法创建网页浏览控件，搜索结果无法在此显示。");
    return notice;
}
