// The program under unusual input and long use.
#include <string>

#include "driver/process_figures.h"
#include "driver/trace_log.h"
#include "e2e/main_window_fixture.h"

namespace {

std::string AllByteValues() {
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

std::string Escaped(const std::string& keyword) {
    std::string out;
    for (char c : keyword) {
        switch (c) {
        case '&': out += "%26"; break;
        case '#': out += "%23"; break;
        case '+': out += "%2B"; break;
        case '%': out += "%25"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

class RobustnessTest : public MainWindowTest {
protected:
    void Search(const std::string& keyword) {
        TypeKeyword(keyword);
        PostMessageA(SearchButton(), BM_CLICK, 0, 0);
    }
};

TEST_F(RobustnessTest, UnusualKeywordsAreSentAsTheyStandAndTheProgramGoesOn) {
    struct Keyword {
        const char* what;
        std::string text;
    } keywords[] = {
        {"100,000 characters", std::string(100000, 'k')},
        {"every byte value 0x01 to 0xFF", AllByteValues()},
        {"Chinese", "网盘 电影 下载"},
        {"only spaces", "     "},
        {"the four escaped characters", "%&#+"},
    };
    ChooseSite(1);
    ChooseEngine("百度");
    size_t navigations = 1;  // the start page
    for (const Keyword& k : keywords) {
        Search(k.text);
        navigations += 2;
        ASSERT_TRUE(WaitUntil([&] { return session.NavigationsW().size() == navigations; }, 15000)) << k.what;
        EXPECT_TRUE(NoMessageBox(session.pid())) << k.what;
        // What the keyword box holds now is what the address must carry.
        std::string held = WindowText(Edit());
        std::wstring expected =
            FromCodePage("http://www.baidu.com/s?wd=" + Escaped(held) + " Site:ishare.iask.sina.com.cn");
        std::wstring seen = session.NavigationsW().back();  // the trace cuts long addresses
        ASSERT_FALSE(seen.empty()) << k.what;
        EXPECT_TRUE(expected.compare(0, seen.size(), seen) == 0) << k.what;
        EXPECT_GE(seen.size(), std::min<size_t>(expected.size(), 100)) << k.what;
        EXPECT_TRUE(session.running()) << k.what;
    }
    EXPECT_EQ(WindowText(Edit()), "%&#+") << "the last keyword";
}

TEST_F(RobustnessTest, AThousandSearchesLeaveHandlesAndMemoryFlat) {
    TypeKeyword("abc");
    ChooseSite(0);
    ChooseEngine("百度");
    size_t expected = 1;
    auto searches = [&](int count) {
        for (int i = 0; i < count; ++i) PostMessageA(SearchButton(), BM_CLICK, 0, 0);
        expected += 2 * static_cast<size_t>(count);
        return WaitUntil([&] { return session.NavigationsW().size() >= expected; }, 120000);
    };
    ASSERT_TRUE(searches(50));
    ProcessFigures before = MeasureProcess(session.process(), session.pid(), session.folder());
    ASSERT_TRUE(searches(1000));
    ProcessFigures after = MeasureProcess(session.process(), session.pid(), session.folder());
    std::printf("handles %zu -> %zu, private bytes %zu -> %zu\n", before.kernelHandles, after.kernelHandles,
                before.privateBytes, after.privateBytes);
    ASSERT_GT(before.kernelHandles, 0u);
    ASSERT_GT(before.privateBytes, 0u);
    EXPECT_LE(after.kernelHandles, before.kernelHandles + 2);
    EXPECT_LT(after.privateBytes, before.privateBytes + 4 * 1024 * 1024);
    EXPECT_EQ(session.NavigationsW().size(), expected);
    EXPECT_TRUE(session.running());
}

TEST_F(RobustnessTest, EscWithTheFocusInThePaneClosesTheProgram) {
    ASSERT_TRUE(WaitUntil([&] { return FocusIn(Pane()); }, 3000));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(session.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
