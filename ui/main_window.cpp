// The main window: the search form, the browser pane and three links.
#include "browser/addresses.h"
#include "browser/browser_pane.h"
#include "browser/links.h"
#include "search/catalogues.h"
#include "search/engine_prefixes.h"
#include "search/run_search.h"
#include "ui/about_window.h"
#include "ui/windows.h"

namespace {

constexpr BrowserPaneSettings kPaneSettings = {kStartPage, 2, false, false};

using K = ControlKind;

const ControlDescription kControls[] = {
    {.name = "超级链接框3", .kind = K::HyperlinkLabel, .parent = nullptr, .left = 401, .top = 487, .width = 61, .height = 16,
     .text = "其他作品", .onLeftButtonPressed = OpenOtherWorksPage},
    {.name = "超级链接框2", .kind = K::HyperlinkLabel, .parent = nullptr, .left = 219, .top = 487, .width = 56, .height = 15,
     .text = "关于作者", .onLeftButtonPressed = OpenAboutWindow},
    {.name = "超级链接框1", .kind = K::HyperlinkLabel, .parent = nullptr, .left = 1, .top = 487, .width = 54, .height = 14,
     .text = "查看更新", .onLeftButtonPressed = ShowUpdatePage},
    {.name = "单选框7", .kind = K::RadioButton, .parent = "分组框1", .left = 292, .top = 12, .width = 48, .height = 16,
     .text = kSearchEngines[6].caption, .focusStop = true},
    {.name = "单选框6", .kind = K::RadioButton, .parent = "分组框1", .left = 244, .top = 12, .width = 50, .height = 16,
     .text = kSearchEngines[5].caption, .focusStop = true},
    {.name = "单选框5", .kind = K::RadioButton, .parent = "分组框1", .left = 197, .top = 12, .width = 50, .height = 16,
     .text = kSearchEngines[4].caption, .focusStop = true},
    {.name = "单选框4", .kind = K::RadioButton, .parent = "分组框1", .left = 148, .top = 12, .width = 50, .height = 16,
     .text = kSearchEngines[3].caption, .focusStop = true},
    {.name = "单选框3", .kind = K::RadioButton, .parent = "分组框1", .left = 100, .top = 12, .width = 48, .height = 16,
     .text = kSearchEngines[2].caption, .focusStop = true},
    {.name = "单选框2", .kind = K::RadioButton, .parent = "分组框1", .left = 52, .top = 12, .width = 47, .height = 16,
     .text = kSearchEngines[1].caption, .focusStop = true},
    {.name = "组合框1", .kind = K::DropDownList, .parent = nullptr, .left = 261, .top = 21, .width = 89, .height = 20,
     .text = nullptr, .focusStop = true, .entries = kSiteCaptions, .entryCount = kSiteCount},
    {.name = "单选框1", .kind = K::RadioButton, .parent = "分组框1", .left = 7, .top = 12, .width = 49, .height = 16,
     .text = kSearchEngines[0].caption, .checked = true},
    {.name = "分组框1", .kind = K::GroupBox, .parent = nullptr, .left = 53, .top = 56, .width = 353, .height = 32,
     .text = nullptr},
    {.name = "按钮1", .kind = K::PushButton, .parent = nullptr, .left = 376, .top = 20, .width = 64, .height = 24,
     .text = "搜索", .focusStop = true, .onClicked = RunSearch},
    {.name = "编辑框1", .kind = K::EditBox, .parent = nullptr, .left = 63, .top = 20, .width = 168, .height = 24,
     .text = "", .focusStop = true},
    {.name = "超文本浏览框1", .kind = K::BrowserPane, .parent = nullptr, .left = 0, .top = 100, .width = 463, .height = 388,
     .text = nullptr, .focusStop = true, .pane = &kPaneSettings},
};

}  // namespace

const WindowDescription kMainWindow = {
    "觅途灵 - 正式版", 467, 526, 0, kControls, sizeof kControls / sizeof kControls[0], SetEnginePrefixes,
};
