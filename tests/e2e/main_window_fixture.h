// Starting the program and getting to its main window, as a person does.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/input.h"
#include "driver/message_boxes.h"
#include "driver/program_session.h"
#include "driver/wait.h"
#include "driver/windows.h"

inline const std::string kMainTitle = "觅途灵 - 正式版";
inline const std::string kSplashTitle = "觅途灵 - 正式版本!";

// The way from the start of the program to its main window: the splash
// window comes first, and its "Enter" button opens the main window.
inline HWND OpenMainWindow(ProgramSession& s) {
    HWND splash = s.WaitForWindow(kSplashTitle);
    if (!splash) return nullptr;
    HWND enter = FindChild(splash, "MituFlatButton", std::string("Enter"));
    if (!enter) return nullptr;
    PostMessageA(enter, WM_KEYDOWN, VK_SPACE, 0);
    PostMessageA(enter, WM_KEYUP, VK_SPACE, 0);
    return s.WaitForWindow(kMainTitle);
}

// The point of the title bar where the close button answers.
inline POINT CloseButtonOf(HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    int y = rc.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = rc.right - 1; x > rc.left; --x)
        if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 3, y};
    return {-1, -1};
}

// The window's outer size, and its place centred on the screen with integer
// division.
inline void ExpectCentredWithOuterSize(HWND window, int width, int height) {
    RECT rc;
    GetWindowRect(window, &rc);
    EXPECT_EQ(rc.right - rc.left, width);
    EXPECT_EQ(rc.bottom - rc.top, height);
    EXPECT_EQ(rc.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rc.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.Start();
        main = OpenMainWindow(session);
        ASSERT_NE(main, nullptr) << "the main window did not appear";
        ASSERT_TRUE(BringToFront(main));
    }

    HWND Edit() const { return FindChild(main, "Edit"); }
    HWND List() const { return FindChild(main, "ComboBox"); }
    HWND SearchButton() const { return FindChild(main, "Button", "搜索"); }
    HWND Radio(const std::string& caption) const { return FindChild(main, "Button", caption); }
    HWND Link(const std::string& caption) const { return FindChild(main, "MituHyperlink", caption); }
    HWND Pane() const { return FindChild(main, "MituBrowserPane"); }

    // Is the keyboard focus on this control, or inside it (the pane)?
    bool FocusIn(HWND control) const {
        for (HWND w = FocusOf(main); w; w = GetParent(w))
            if (w == control) return true;
        return false;
    }

    void ChooseSite(int index) const { SendMessageA(List(), CB_SETCURSEL, index, 0); }
    void TypeKeyword(const std::string& keyword) const {
        SendMessageA(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keyword.c_str()));
    }
    void ChooseEngine(const std::string& caption) const {
        Click(Radio(caption));
        WaitUntil([&] { return IsChecked(Radio(caption)); }, 3000);
    }

    // The navigations after the start page's.
    std::vector<std::string> NavigationsAfterStart() const {
        std::vector<std::string> all = session.Navigations();
        if (!all.empty()) all.erase(all.begin());
        return all;
    }

    ProgramSession session;
    HWND main = nullptr;
};
