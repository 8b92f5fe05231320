// The first window: sets up the skin, waits, then offers "Enter".
#include <windows.h>

#include "resource_ids.h"
#include "skin/skin_installation.h"
#include "ui/window_layer.h"
#include "ui/windows.h"

namespace {

constexpr int kShownSkin = 11;
constexpr DWORD kLoadingPauseMs = 3000;

void PrepareSplashWindow() {
    InstallSkinLibrary();
    ApplyBuiltInSkin(kShownSkin);
    Sleep(kLoadingPauseMs);
    SetControlCaption(ControlOf(kSplashWindow, "标签1"), "载入窗口完毕，请单击Enter进入程序!");
    SetControlCaption(ControlOf(kSplashWindow, "超级按钮1"), "Enter");
}

void EnterMainWindow() {
    LoadWindow(kMainWindow, nullptr, false);
    DestroyWindowDeferred(kSplashWindow);
}

using K = ControlKind;

const ControlDescription kControls[] = {
    {.name = "标签1", .kind = K::TextLabel, .parent = nullptr, .left = 24, .top = 24, .width = 208, .height = 22,
     .text = "", .textColor = RGB(255, 0, 0)},
    {.name = "超级按钮1", .kind = K::FlatButton, .parent = nullptr, .left = 79, .top = 81, .width = 74, .height = 18,
     .text = "载入程序", .focusStop = true, .onClicked = EnterMainWindow},
};

}  // namespace

const WindowDescription kSplashWindow = {
    "觅途灵 - 正式版本!", 245, 129, IDI_SPLASH, kControls, sizeof kControls / sizeof kControls[0], PrepareSplashWindow,
};
