#include <fstream>
#include <functional>
#include <iterator>

#include "driver/screen.h"
#include "e2e/main_window_fixture.h"

namespace {

const char kReady[] = "载入窗口完毕，请单击Enter进入程序!";

std::string CarriedPath(const std::string& name) {
    const char* carried = std::getenv("MITU_CARRIED");
    return WindowsPath(std::string(carried ? carried : "") + "/" + name);
}

std::string FixturePath(const std::string& name) {
    const char* fixtures = std::getenv("MITU_FIXTURES");
    return WindowsPath(std::string(fixtures ? fixtures : "") + "/" + name);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct SplashSeen {
    HWND window = nullptr;
    DWORD shownAfterMs = 0;
};

SplashSeen WaitForSplash(ProgramSession& s) {
    DWORD start = GetTickCount();
    s.Start();
    SplashSeen seen;
    WaitUntil([&] { return !TopWindowsOf(s.pid()).empty(); }, 20000);
    seen.shownAfterMs = GetTickCount() - start;
    seen.window = FindTopWindow(s.pid(), kSplashTitle);
    return seen;
}

HWND EnterButton(HWND splash) { return FindChild(splash, "MituFlatButton"); }

class SplashTest : public ::testing::Test {
protected:
    ProgramSession session;
};

TEST_F(SplashTest, ShowsNothingForThreeSecondsThenItsReadyTexts) {
    SplashSeen seen = WaitForSplash(session);
    ASSERT_NE(seen.window, nullptr) << "the first window is not the splash window";
    EXPECT_GE(seen.shownAfterMs, 3000u);
    EXPECT_EQ(TopWindowsOf(session.pid()).size(), 1u);
    ExpectCentredWithOuterSize(seen.window, 245, 129);
    RECT rc;
    GetWindowRect(seen.window, &rc);
    HWND label = FindChild(seen.window, "MituTextLabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(WindowText(label), kReady);
    EXPECT_EQ(WindowText(EnterButton(seen.window)), "Enter");
    EXPECT_TRUE(FocusOf(seen.window) == EnterButton(seen.window));
    // Its own icon is orange; the program's icon, which the others show, is blue.
    Pause(200);
    int orange = 0;
    HDC screen = GetDC(nullptr);
    for (int y = rc.top; y < rc.top + 24; ++y)
        for (int x = rc.left; x < rc.left + 24; ++x) {
            COLORREF c = GetPixel(screen, x, y);
            orange += GetRValue(c) > 200 && GetGValue(c) > 60 && GetGValue(c) < 200 && GetBValue(c) < 100;
        }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(orange, 10) << "the splash window does not show its own icon";
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(SplashIcon, IsOneImageOf128PixelsWith32Bits) {
    HMODULE exe = LoadLibraryExA(ProgramUnderTest().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC group = FindResourceA(exe, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* header = static_cast<const WORD*>(LockResource(LoadResource(exe, group)));
    ASSERT_EQ(header[2], 1) << "images in the splash icon";
    auto* entry = reinterpret_cast<const IconGroupEntry*>(header + 3);
    EXPECT_EQ(entry->width, 128);
    EXPECT_EQ(entry->height, 128);
    EXPECT_EQ(entry->bitCount, 32);
    FreeLibrary(exe);
}

TEST_F(SplashTest, EnterButtonIsHighlightedOnlyWhileThePointerIsOverIt) {
    SplashSeen seen = WaitForSplash(session);
    ASSERT_NE(seen.window, nullptr);
    HWND button = EnterButton(seen.window);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto brighter = [](BYTE c) { return static_cast<BYTE>(c + (255 - c) / 3); };
    COLORREF highlight = RGB(brighter(GetRValue(face)), brighter(GetGValue(face)), brighter(GetBValue(face)));
    MovePointerToCentre(FindChild(seen.window, "MituTextLabel"));
    EXPECT_TRUE(WaitUntil([&] { return PixelsOfColour(button, highlight) == 0; }, 2000));
    MovePointerToCentre(button);
    EXPECT_TRUE(WaitUntil([&] { return PixelsOfColour(button, highlight) > 300; }, 2000)) << "no highlight";
    MovePointerToCentre(FindChild(seen.window, "MituTextLabel"));
    EXPECT_TRUE(WaitUntil([&] { return PixelsOfColour(button, highlight) == 0; }, 2000)) << "the highlight stays";
}

TEST_F(SplashTest, EnterKeyDoesNothingAndSpacePressesTheButton) {
    SplashSeen seen = WaitForSplash(session);
    ASSERT_NE(seen.window, nullptr);
    ASSERT_TRUE(BringToFront(seen.window));
    PressKey(VK_RETURN);
    Pause(800);
    EXPECT_EQ(FindTopWindow(session.pid(), kMainTitle), nullptr);
    EXPECT_TRUE(IsWindow(seen.window));
    PressKey(VK_SPACE);
    EXPECT_NE(session.WaitForWindow(kMainTitle), nullptr);
}

TEST_F(SplashTest, ClickingEnterShowsTheMainWindowBeforeTheSplashGoes) {
    SplashSeen seen = WaitForSplash(session);
    ASSERT_NE(seen.window, nullptr);
    ASSERT_TRUE(BringToFront(seen.window));
    Click(EnterButton(seen.window));
    bool mainWhenSplashWent = false;
    ASSERT_TRUE(WaitUntil([&] {
        if (IsWindow(seen.window)) return false;
        mainWhenSplashWent = FindTopWindow(session.pid(), kMainTitle) != nullptr;
        return true;
    }));
    EXPECT_TRUE(mainWhenSplashWent);
    HWND main = FindTopWindow(session.pid(), kMainTitle);
    EXPECT_EQ(GetForegroundWindow(), main);
    Pause(300);
    EXPECT_TRUE(session.running());
}

TEST_F(SplashTest, EscOrTheCloseButtonEndsTheProgramWithoutTheMainWindow) {
    SplashSeen seen = WaitForSplash(session);
    ASSERT_NE(seen.window, nullptr);
    ASSERT_TRUE(BringToFront(seen.window));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(session.WaitForExit(), std::optional<DWORD>(0));

    ProgramSession second;
    SplashSeen again = WaitForSplash(second);
    ASSERT_NE(again.window, nullptr);
    PostMessageA(again.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(second.Navigations().empty()) << "the main window was built";
}

TEST_F(SplashTest, FirstStartWritesTheHiddenLibraryAndTheNextLeavesIt) {
    std::string library = session.folder() + "\\SkinH_EL.dll";
    ASSERT_NE(WaitForSplash(session).window, nullptr);
    std::string written = ReadAll(library);
    EXPECT_EQ(written.size(), 88576u);
    EXPECT_TRUE(written == ReadAll(CarriedPath("skin_library_image.bin"))) << "not the carried image";
    DWORD attributes = GetFileAttributesA(library.c_str());
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
    PostMessageA(FindTopWindow(session.pid(), kSplashTitle), WM_CLOSE, 0, 0);
    ASSERT_EQ(session.WaitForExit(), std::optional<DWORD>(0));

    // A second start in the same folder finds the file and leaves it as it is.
    SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_READONLY);
    WIN32_FILE_ATTRIBUTE_DATA before, after;
    GetFileAttributesExA(library.c_str(), GetFileExInfoStandard, &before);
    Pause(1100);
    PROCESS_INFORMATION info = {};
    STARTUPINFOA startup = {sizeof startup};
    std::string command = "\"" + session.exePath() + "\"";
    ASSERT_TRUE(CreateProcessA(session.exePath().c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               session.folder().c_str(), &startup, &info));
    HWND splash = nullptr;
    WaitUntil([&] { return (splash = FindTopWindow(info.dwProcessId, kSplashTitle)) != nullptr; }, 20000);
    EXPECT_NE(splash, nullptr);
    PostMessageA(splash, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    GetFileAttributesExA(library.c_str(), GetFileExInfoStandard, &after);
    EXPECT_EQ(after.dwFileAttributes & ~FILE_ATTRIBUTE_ARCHIVE, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0);
    SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SplashTest, AnExistingLibraryIsLoadedUnchangedAndCalledAsTheProgramMust) {
    std::string library = session.folder() + "\\SkinH_EL.dll";
    ASSERT_TRUE(CopyFileA(FixturePath("recording_skin.dll").c_str(), library.c_str(), FALSE));
    std::string standIn = ReadAll(library);
    ASSERT_NE(WaitForSplash(session).window, nullptr);
    EXPECT_TRUE(ReadAll(library) == standIn) << "the library was rewritten";
    EXPECT_EQ(ReadAll(session.folder() + "\\skin-calls.log"),
              "SkinH_SetAero 1\nSkinH_AttachRes size=30738 text=empty ints=0,0,0\n");
    std::string attached = ReadAll(session.folder() + "\\attached-skin.bin");
    EXPECT_EQ(attached.size(), 30738u);
    EXPECT_TRUE(attached == ReadAll(CarriedPath("skins/skin11.she"))) << "not block 11";
}

struct Broken {
    const char* what;
    std::function<void(const std::string& library)> place;
    const char* named;
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string OtherArchitectureLibrary() {
    const char* product = std::getenv("MITU_PRODUCT");
    std::string path = WindowsPath(product ? product : "");
    return path.substr(0, path.find_last_of('\\') + 1) + "SkinH_EL.dll";
}

TEST_F(SplashTest, AnUnusableLibraryEndsTheProgramNamingTheExport) {
    const Broken kCases[] = {
        {"a folder of that name", [](const std::string& l) { CreateDirectoryA(l.c_str(), nullptr); }, "SkinH_SetAero"},
        {"zero bytes", [](const std::string& l) { WriteBytes(l, ""); }, "SkinH_SetAero"},
        {"random bytes",
         [](const std::string& l) {
             std::string noise;
             unsigned state = 12345;
             for (int i = 0; i < 88576; ++i) noise.push_back(static_cast<char>((state = state * 1103515245 + 12345) >> 16));
             WriteBytes(l, noise);
         },
         "SkinH_SetAero"},
        {"built for the other architecture",
         [](const std::string& l) { CopyFileA(OtherArchitectureLibrary().c_str(), l.c_str(), FALSE); }, "SkinH_SetAero"},
        {"a library without SkinH_AttachRes",
         [](const std::string& l) { CopyFileA(FixturePath("recording_skin_noattach.dll").c_str(), l.c_str(), FALSE); },
         "SkinH_AttachRes"},
    };
    for (const Broken& c : kCases) {
        ProgramSession s;
        std::string library = s.folder() + "\\SkinH_EL.dll";
        c.place(library);
        ASSERT_TRUE(FileExists(library)) << c.what;
        s.Start();
        MessageBoxSeen box = WaitForMessageBox(s.pid(), 20000);
        ASSERT_NE(box.hwnd, nullptr) << c.what;
        EXPECT_NE(box.text.find("SkinH_EL.dll"), std::string::npos) << c.what << ": " << box.text;
        EXPECT_NE(box.text.find(c.named), std::string::npos) << c.what << ": " << box.text;
        EXPECT_EQ(box.icon, BoxIcon::Error) << c.what;
        EXPECT_EQ(TopWindowsOf(s.pid()).size(), 1u) << c.what << ": a program window is showing";
        PressOk(box);
        EXPECT_EQ(s.WaitForExit(), std::optional<DWORD>(0xFFFFFFFF)) << c.what;
    }
}

// The skin's frame colours, exactly, on the screen.
TEST_F(SplashTest, EveryWindowWearsSkinElevensFrame) {
    session.Start();
    HWND main = OpenMainWindow(session);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(BringToFront(main));
    Pause(300);
    RECT rc;
    GetWindowRect(main, &rc);
    HDC screen = GetDC(nullptr);
    COLORREF outline = GetPixel(screen, rc.left, rc.top + 100);
    COLORREF frame = GetPixel(screen, rc.left + 1, rc.top + 100);
    COLORREF caption = GetPixel(screen, (rc.left + rc.right) / 2, rc.top + 8);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(outline, RGB(8, 20, 48));
    EXPECT_EQ(frame, RGB(30, 60, 116));
    EXPECT_GT(GetBValue(caption), GetRValue(caption) + 40) << std::hex << caption;
}

}  // namespace
