#include "driver/screen.h"
#include "e2e/main_window_fixture.h"

namespace {

const char kStartPage[] = "http://www.mituling.cn/";
const char kUpdatePage[] = "http://www.mituling.cn/update.html";
const char kOtherWorksPage[] = "http://www.mituling.cn/works.html";

struct Placed {
    const char* className;
    const char* text;
    RECT place;  // in the parent's client coordinates
    bool inGroupBox;
};

const Placed kLayout[] = {
    {"MituHyperlink", "其他作品", {401, 487, 462, 503}, false},
    {"MituHyperlink", "关于作者", {219, 487, 275, 502}, false},
    {"MituHyperlink", "查看更新", {1, 487, 55, 501}, false},
    {"Button", "迅雷", {292, 12, 340, 28}, true},
    {"Button", "SOSO", {244, 12, 294, 28}, true},
    {"Button", "搜狗", {197, 12, 247, 28}, true},
    {"Button", "千脑", {148, 12, 198, 28}, true},
    {"Button", "有道", {100, 12, 148, 28}, true},
    {"Button", "百度", {52, 12, 99, 28}, true},
    {"Button", "谷歌", {7, 12, 56, 28}, true},
    {"Button", "", {53, 56, 406, 88}, false},
    {"Button", "搜索", {376, 20, 440, 44}, false},
    {"Edit", "", {63, 20, 231, 44}, false},
    {"MituBrowserPane", "", {0, 100, 463, 488}, false},
};

const char* const kSites[] = {"数据银行", "新浪爱问", "Good网盘", "Xun6", "Brsbox", "纳米盘",
                              "115网盘", "迅载网盘", "威盘", "猪八戒网盘", "易盘", "城通网盘"};

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST_F(MainWindowTest, OpensCentredWithItsFixedFrameAndLayout) {
    ExpectCentredWithOuterSize(main, 467, 526);
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    for (const Placed& p : kLayout) {
        HWND control = FindChild(main, p.className, std::string(p.text));
        ASSERT_NE(control, nullptr) << p.className << " " << p.text;
        EXPECT_EQ(Describe(PlaceInParent(control)), Describe(p.place)) << p.text;
        EXPECT_EQ(ClassOf(GetParent(control)) == "Button", p.inGroupBox) << p.text;
    }
    RECT list = PlaceInParent(List());
    EXPECT_EQ(list.left, 261);
    EXPECT_EQ(list.top, 21);
    EXPECT_EQ(list.right - list.left, 89);
    RECT field = {}, opened = {};
    GetWindowRect(List(), &field);
    SendMessageA(List(), CB_SHOWDROPDOWN, TRUE, 0);
    HWND dropped = nullptr;
    WaitUntil([&] { return (dropped = FindTopWindowOfClass(session.pid(), "ComboLBox")) != nullptr; }, 2000);
    ASSERT_NE(dropped, nullptr) << "the list does not open";
    GetWindowRect(dropped, &opened);
    SendMessageA(List(), CB_SHOWDROPDOWN, FALSE, 0);
    // Wine's list ends one pixel short of the height asked for.
    EXPECT_NEAR(opened.bottom - field.top, 160, 1) << "the opened list reaches 160 pixels below the top edge";
    // Rows one pixel taller than a plain list of the same kind and font.
    HWND plain = CreateWindowExA(0, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 89, 160, nullptr, nullptr,
                                 nullptr, nullptr);
    SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    LRESULT standardRow = SendMessageA(plain, CB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(plain);
    EXPECT_EQ(SendMessageA(List(), CB_GETITEMHEIGHT, 0, 0), standardRow + 1);
}

TEST_F(MainWindowTest, StartsWithAnEmptyFormGoogleCheckedAndFocusInThePane) {
    EXPECT_EQ(WindowText(Edit()), "");
    EXPECT_EQ(SendMessageA(List(), CB_GETCURSEL, 0, 0), -1);
    ASSERT_EQ(SendMessageA(List(), CB_GETCOUNT, 0, 0), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(ListEntry(List(), i), kSites[i]) << i;
    EXPECT_TRUE(IsChecked(Radio("谷歌")));
    for (const char* other : {"百度", "有道", "千脑", "搜狗", "SOSO", "迅雷"}) EXPECT_FALSE(IsChecked(Radio(other)));
    EXPECT_TRUE(WaitUntil([&] { return FocusIn(Pane()); }, 3000));
}

TEST_F(MainWindowTest, TabFollowsTheCycleBothWaysAndSkipsGoogle) {
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(Pane()); }, 3000));
    std::vector<HWND> cycle = {Pane(), Edit(), SearchButton(), List(), Radio("百度"), Radio("有道"),
                               Radio("千脑"), Radio("搜狗"), Radio("SOSO"), Radio("迅雷")};
    for (size_t step = 1; step <= cycle.size(); ++step) {
        PressKey(VK_TAB);
        HWND expected = cycle[step % cycle.size()];
        EXPECT_TRUE(WaitUntil([&] { return FocusIn(expected); }, 2000)) << "Tab step " << step;
    }
    for (size_t step = cycle.size(); step-- > 0;) {
        PressKeyWith(VK_SHIFT, VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusIn(cycle[step]); }, 2000)) << "Shift+Tab to " << step;
    }
    EXPECT_TRUE(IsChecked(Radio("谷歌"))) << "Tab checks nothing";
}

TEST_F(MainWindowTest, ArrowKeysMoveAndCheckAmongTheRadioButtons) {
    ChooseEngine("百度");
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(Radio("百度")); }, 2000));
    struct Step {
        WORD key;
        const char* lands;
    } steps[] = {{VK_RIGHT, "有道"}, {VK_DOWN, "千脑"}, {VK_LEFT, "有道"}, {VK_UP, "百度"},
                 {VK_LEFT, "迅雷"}, {VK_RIGHT, "百度"}};
    for (const Step& s : steps) {
        PressKey(s.key);
        EXPECT_TRUE(WaitUntil([&] { return FocusIn(Radio(s.lands)) && IsChecked(Radio(s.lands)); }, 2000))
            << s.lands;
        int checked = 0;
        for (const char* r : {"谷歌", "百度", "有道", "千脑", "搜狗", "SOSO", "迅雷"}) checked += IsChecked(Radio(r));
        EXPECT_EQ(checked, 1);
    }
}

TEST_F(MainWindowTest, EnterInTheKeywordBoxPressesNothing) {
    Click(Edit());
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(Edit()); }, 2000));
    PressKey('A');
    PressKey(VK_RETURN);
    Pause(500);
    EXPECT_TRUE(NoMessageBox(session.pid()));
    EXPECT_EQ(NavigationsAfterStart(), std::vector<std::string>{});
    EXPECT_EQ(WindowText(Edit()), "a");
    EXPECT_TRUE(session.running());
}

TEST_F(MainWindowTest, EscInTheKeywordBoxClosesTheProgram) {
    Click(Edit());
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(Edit()); }, 2000));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(session.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(MainWindowTest, CloseButtonEndsTheProgramWithExitCodeZero) {
    POINT close = CloseButtonOf(main);
    ASSERT_GE(close.x, 0) << "no close button in the title bar";
    MovePointerTo(close);
    PressLeftButton();
    ReleaseLeftButton();
    EXPECT_EQ(session.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(MainWindowTest, PaneLoadsTheStartPageAndTheUpdateLinkActsOnThePress) {
    ASSERT_TRUE(WaitUntil([&] { return !session.Navigations().empty(); }));
    EXPECT_EQ(session.Navigations().front(), kStartPage);
    MovePointerToCentre(Link("查看更新"));
    PressLeftButton();
    EXPECT_TRUE(WaitUntil([&] { return NavigationsAfterStart().size() == 1; }, 3000)) << "before the release";
    ReleaseLeftButton();
    Pause(300);
    EXPECT_EQ(NavigationsAfterStart(), std::vector<std::string>{kUpdatePage});
    EXPECT_TRUE(session.ShellOpens().empty());
}

TEST_F(MainWindowTest, OtherWorksOpensTheSystemBrowserOncePerPress) {
    for (int i = 0; i < 3; ++i) {
        MovePointerToCentre(Link("其他作品"));
        PressLeftButton();
        EXPECT_TRUE(WaitUntil([&] { return session.ShellOpens().size() == static_cast<size_t>(i + 1); }, 3000))
            << "press " << i + 1 << " before the release";
        ReleaseLeftButton();
    }
    Pause(300);
    EXPECT_EQ(session.ShellOpens(), std::vector<std::string>(3, kOtherWorksPage));
    EXPECT_EQ(NavigationsAfterStart(), std::vector<std::string>{}) << "the pane is left alone";
}

TEST_F(MainWindowTest, LinksTurnLightBlueUnderThePointerAndBlueAgainAfter) {
    HWND link = Link("关于作者");
    const COLORREF blue = RGB(0, 0, 255), lightBlue = RGB(197, 231, 246);
    MovePointerToCentre(Edit());
    EXPECT_TRUE(WaitUntil([&] { return DrawnIn(link, blue, lightBlue); }, 2000));
    MovePointerToCentre(link);
    EXPECT_TRUE(WaitUntil([&] { return DrawnIn(link, lightBlue, blue); }, 2000));
    MovePointerToCentre(Edit());
    EXPECT_TRUE(WaitUntil([&] { return DrawnIn(link, blue, lightBlue); }, 2000));
}

}  // namespace

TEST(ProgramRuns, OpeningAndClosingManyTimesLeavesNoProcess) {
    for (int i = 0; i < 5; ++i) {
        ProgramSession s;
        s.Start();
        HWND main = OpenMainWindow(s);
        ASSERT_NE(main, nullptr) << "run " << i;
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(s.WaitForExit(), std::optional<DWORD>(0)) << "run " << i;
        EXPECT_FALSE(s.running());
    }
}
