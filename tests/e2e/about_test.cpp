#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

#include "driver/process_figures.h"
#include "driver/screen.h"
#include "e2e/main_window_fixture.h"

namespace {

const char kAboutTitle[] = "觅途灵";
const char kAboutLink[] = "http://mituling.cn/";

// The emblem as libjpeg decodes it here, row by row in RGB.
std::vector<COLORREF> DecodeEmblemHere(int* width, int* height) {
    const char* source = std::getenv("MITU_SOURCE");
    std::ifstream in(WindowsPath(std::string(source ? source : "") + "/resources/emblem.jpg"), std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    std::vector<unsigned char> row(info.output_width * 3);
    std::vector<COLORREF> pixels;
    while (info.output_scanline < info.output_height) {
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&info, &r, 1);
        for (size_t x = 0; x < info.output_width; ++x) pixels.push_back(RGB(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

const COLORREF kBlue = RGB(0, 0, 255), kDarkRed = RGB(128, 0, 0);

class AboutTest : public MainWindowTest {
protected:
    HWND OpenAbout() {
        MovePointerToCentre(Link("关于作者"));
        PressLeftButton();
        HWND about = session.WaitForWindow(kAboutTitle, 5000);
        ReleaseLeftButton();
        return about;
    }
    HWND AboutLink(HWND about) { return FindChild(about, "MituHyperlink"); }
    bool LinkDrawnIn(HWND link, COLORREF colour, COLORREF notIn) {
        return WaitUntil([&] { return DrawnIn(link, colour, notIn); }, 2000);
    }
};

TEST_F(AboutTest, OpensOnThePressModalAndCentredAndEscClosesIt) {
    MovePointerToCentre(Link("关于作者"));
    PressLeftButton();
    HWND about = session.WaitForWindow(kAboutTitle, 5000);
    ASSERT_NE(about, nullptr) << "no about window before the button was released";
    ReleaseLeftButton();
    ExpectCentredWithOuterSize(about, 275, 135);
    EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(WindowText(FindChild(about, "MituTextLabel", std::string("觅途灵 - 正式版"))), "觅途灵 - 正式版");
    EXPECT_NE(FindChild(about, "MituPictureBox"), nullptr);

    Click(SearchButton());
    Pause(500);
    EXPECT_TRUE(NoMessageBox(session.pid())) << "the disabled main window took a click";

    ASSERT_TRUE(BringToFront(about));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    Click(SearchButton());
    MessageBoxSeen box = WaitForMessageBox(session.pid());
    EXPECT_NE(box.hwnd, nullptr) << "the main window is not usable again";
    if (box.hwnd) PressOk(box);
    if (box.hwnd) PressOk(WaitForMessageBox(session.pid()));
    EXPECT_TRUE(session.running());
}

TEST_F(AboutTest, CloseButtonClosesItAndTheProgramGoesOn) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    Pause(300);
    EXPECT_TRUE(session.running());
}

TEST_F(AboutTest, PictureBoxShowsTheDecodedEmblem) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND picture = FindChild(about, "MituPictureBox");
    ASSERT_NE(picture, nullptr);
    Pause(300);
    int width = 0, height = 0;
    std::vector<COLORREF> expected = DecodeEmblemHere(&width, &height);
    ASSERT_EQ(width, 100);
    ASSERT_EQ(height, 100);
    RECT rc;
    GetWindowRect(picture, &rc);
    ASSERT_EQ(rc.right - rc.left, 100);
    HDC screen = GetDC(nullptr);
    int different = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) different += GetPixel(screen, rc.left + x, rc.top + y) != expected[y * 100 + x];
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(different, 0);
}

TEST_F(AboutTest, LinkOpensItsPageOnceThenTurnsDarkRedAndIsBlueAgainNextTime) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND link = AboutLink(about);
    EXPECT_EQ(WindowText(link), "");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE shown = {};
    GetTextExtentPoint32A(dc, kAboutLink, lstrlenA(kAboutLink), &shown);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_LE(shown.cx, 152) << "the address does not fit its link";
    EXPECT_TRUE(LinkDrawnIn(link, kBlue, kDarkRed));
    Click(link);
    EXPECT_TRUE(WaitUntil([&] { return session.ShellOpens().size() == 1; }, 3000));
    MovePointerToCentre(FindChild(about, "MituPictureBox"));
    EXPECT_TRUE(LinkDrawnIn(link, kDarkRed, kBlue));
    Pause(300);
    EXPECT_EQ(session.ShellOpens(), std::vector<std::string>{kAboutLink});
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
    ASSERT_TRUE(BringToFront(main));

    HWND again = OpenAbout();
    ASSERT_NE(again, nullptr);
    MovePointerToCentre(FindChild(again, "MituPictureBox"));
    EXPECT_TRUE(LinkDrawnIn(AboutLink(again), kBlue, kDarkRed));
}

// With nothing registered for web addresses or ".htm" files, the link can
// open nothing. The prefix's own registration is put back afterwards.
class NoBrowserRegistered {
public:
    NoBrowserRegistered() {
        char value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kHttpCommand, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == 0)
            saved_ = value;
        Set(kHttpCommand, "Z:\\nonexistent\\browser.exe \"%1\"");
    }
    ~NoBrowserRegistered() { Set(kHttpCommand, saved_.c_str()); }

private:
    static constexpr const char* kHttpCommand = "Software\\Classes\\http\\shell\\open\\command";
    static void Set(const char* key, const char* value) {
        HKEY k;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr)) return;
        RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), lstrlenA(value) + 1);
        RegCloseKey(k);
    }
    std::string saved_;
};

TEST_F(AboutTest, WithNoProgramForTheAddressTheLinkStaysBlue) {
    NoBrowserRegistered none;
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND link = AboutLink(about);
    Click(link);
    EXPECT_TRUE(WaitUntil([&] { return !session.ShellOpens().empty(); }, 3000));
    MovePointerToCentre(FindChild(about, "MituPictureBox"));
    Pause(500);
    EXPECT_TRUE(LinkDrawnIn(link, kBlue, kDarkRed));
    EXPECT_TRUE(NoMessageBox(session.pid()));
    EXPECT_TRUE(IsWindow(about));
}

TEST_F(AboutTest, OpeningItAHundredTimesLeavesTheHandleCountsFlat) {
    auto cycle = [&] {
        PostMessageA(Link("关于作者"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        HWND about = nullptr;
        WaitUntil([&] { return (about = FindTopWindow(session.pid(), kAboutTitle)) != nullptr; }, 5000);
        PostMessageA(about, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(main); }, 5000);
    };
    for (int i = 0; i < 5; ++i) cycle();
    ProcessFigures before = MeasureProcess(session.process(), session.pid(), session.folder());
    for (int i = 0; i < 100; ++i) cycle();
    ProcessFigures after = MeasureProcess(session.process(), session.pid(), session.folder());
    std::printf("handles %zu -> %zu, private bytes %zu -> %zu, GDI %lu -> %lu, USER %lu -> %lu\n",
                before.kernelHandles, after.kernelHandles, before.privateBytes, after.privateBytes,
                before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects);
    ASSERT_GT(before.kernelHandles, 0u) << "the handle table cannot be read here";
    ASSERT_GT(before.privateBytes, 0u) << "the memory figures cannot be read here";
    EXPECT_LE(after.kernelHandles, before.kernelHandles + 2);
    EXPECT_LE(after.gdiObjects, before.gdiObjects + 2);
    EXPECT_LE(after.userObjects, before.userObjects + 2);
    // A leaked 100 x 100 picture per opening alone would add 3 MB.
    EXPECT_LT(after.privateBytes, before.privateBytes + 1024 * 1024);
    EXPECT_TRUE(session.running());
}

}  // namespace
