// The 32-bit product itself, used once as a person would: start, splash,
// "Enter", one search, close. product-under-qemu.sh runs it where 32-bit code
// runs through user-mode qemu; MITU_PROGRAM then names the i686 build.
#include "e2e/main_window_fixture.h"

namespace {

// Everything in a 32-bit Wine process is slower under qemu.
const DWORD kSlowStart = 120000;

TEST(ProductSmoke, StartsSearchesOnceAndClosesWithExitCodeZero) {
    ProgramSession session;
    session.Start();
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(session.process(), &wow64));
    ASSERT_TRUE(wow64) << "not a 32-bit process: " << session.exePath();

    HWND splash = session.WaitForWindow(kSplashTitle, kSlowStart);
    ASSERT_NE(splash, nullptr) << "no splash window";
    HWND enter = FindChild(splash, "MituFlatButton", std::string("Enter"));
    ASSERT_NE(enter, nullptr);
    ASSERT_TRUE(BringToFront(splash));
    Click(enter);
    HWND main = session.WaitForWindow(kMainTitle, kSlowStart);
    ASSERT_NE(main, nullptr) << "no main window after Enter";
    EXPECT_FALSE(IsWindow(splash));

    ASSERT_TRUE(BringToFront(main));
    SendMessageA(FindChild(main, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("网盘电影"));
    SendMessageA(FindChild(main, "ComboBox"), CB_SETCURSEL, 5, 0);
    HWND baidu = FindChild(main, "Button", "百度");
    Click(baidu);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(baidu); }, 10000));
    Click(FindChild(main, "Button", "搜索"));
    ASSERT_TRUE(WaitUntil([&] { return session.NavigationsW().size() >= 3; }, 30000)) << "no search reached the pane";
    // The start page, then the blank address every search goes through first.
    std::vector<std::wstring> expected = {L"http://www.mituling.cn/", L"http://",
                                          L"http://www.baidu.com/s?wd=\u7f51\u76d8\u7535\u5f71 Site:namipan.com"};
    EXPECT_EQ(session.NavigationsW(), expected);

    POINT close = CloseButtonOf(main);
    ASSERT_GE(close.x, 0) << "no close button in the title bar";
    MovePointerTo(close);
    PressLeftButton();
    ReleaseLeftButton();
    EXPECT_EQ(session.WaitForExit(30000), std::optional<DWORD>(0));
}

}  // namespace
