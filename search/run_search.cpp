#include "search/run_search.h"

#include <windows.h>

#include "browser/browser_pane.h"
#include "search/catalogues.h"
#include "search/engine_prefixes.h"
#include "search/request_address.h"
#include "ui/windows.h"
#include "ui/window_layer.h"

namespace {

constexpr char kErrorCaption[] = "错误!";
constexpr char kNoKeyword[] = "请输入你要搜索的内容,在进行搜素!";
constexpr char kNoSite[] = "请选择你要搜索的网盘,谢谢!";
constexpr char kBlankAddress[] = "http://";

Text ReadKeyword() { return GetControlText(ControlOf(kMainWindow, "编辑框1")); }

int ReadSiteIndex() { return GetListIndex(ControlOf(kMainWindow, "组合框1")); }

// The number of the first engine radio button that is set, or 0.
int CheckedEngine() {
    static const char* const kRadios[kEngineCount] = {"单选框1", "单选框2", "单选框3", "单选框4",
                                                      "单选框5", "单选框6", "单选框7"};
    for (size_t i = 0; i < kEngineCount; ++i)
        if (IsRadioChecked(ControlOf(kMainWindow, kRadios[i]))) return static_cast<int>(i) + 1;
    return 0;
}

// Task-modal and without owner: every window of the program waits for it.
void ShowError(const char* text, UINT icon) { MessageBoxA(nullptr, text, kErrorCaption, icon | MB_TASKMODAL); }

}  // namespace

void RunSearch() {
    bool keywordEmpty;
    {
        Text keyword = ReadKeyword();
        keywordEmpty = TextIsEmpty(keyword.c_str());
    }
    if (keywordEmpty)
        ShowError(kNoKeyword, MB_ICONERROR);
    else
        NavigatePane(kBlankAddress);

    if (ReadSiteIndex() == -1) ShowError(kNoSite, MB_ICONWARNING);
    if (keywordEmpty) return;

    const char* filter = SiteFilter(ReadSiteIndex());
    if (!filter) return;
    const SearchEngine* engine = EngineByRadio(CheckedEngine());
    if (!engine) return;

    Text address;
    {
        Text keyword = ReadKeyword();
        address = ComposeRequestAddress(EnginePrefix(engine->radio), keyword.c_str(),
                                        engine->appendsSiteFilter ? filter : nullptr);
    }
    NavigatePane(address.c_str());
}
