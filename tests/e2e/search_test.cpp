#include "driver/http_proxy.h"
#include "driver/trace_log.h"
#include "e2e/main_window_fixture.h"

namespace {

const char kNoKeyword[] = "请输入你要搜索的内容,在进行搜素!";
const char kNoSite[] = "请选择你要搜索的网盘,谢谢!";

struct Box {
    const char* text;
    BoxIcon icon;
};

struct Scenario {
    const char* name;
    const char* keyword;
    int site;  // -1: none chosen
    const char* engine;
    std::vector<Box> boxes;
    std::vector<std::string> navigations;
};

const Scenario kScenarios[] = {
    {"form as opened", "", -1, "谷歌", {{kNoKeyword, BoxIcon::Error}, {kNoSite, BoxIcon::Warning}}, {}},
    {"empty keyword, a service", "", 0, "百度", {{kNoKeyword, BoxIcon::Error}}, {}},
    {"keyword, no service", "abc", -1, "百度", {{kNoSite, BoxIcon::Warning}}, {"http://"}},
    {"keyword, service, Baidu", "abc", 0, "百度", {}, {"http://", "http://www.baidu.com/s?wd=abc Site:dbank.com"}},
    {"Google keeps the fragment", "abc", 6, "谷歌", {},
     {"http://", "http://www.google.com.hk/#hl=zh-CN&source=hp&q=abc Site:u.115.com/File/"}},
    {"Qiannao without a filter", "abc", 3, "千脑", {}, {"http://", "http://www.tazhao.com/search?q=abc"}},
    {"Xunlei still needs a service", "abc", -1, "迅雷", {{kNoSite, BoxIcon::Warning}}, {"http://"}},
    {"spaces only, lower-case operator", "  ", 7, "搜狗", {}, {"http://", "http://www.sogou.com/web?query=   site:xunzai.com"}},
    {"escaped characters", "C++ & #1 100%", 2, "SOSO", {},
     {"http://", "http://www.soso.com/q?pid=s.idx&w=C%2B%2B %26 %231 100%25 Site:goodisk.com"}},
};

class SearchTest : public MainWindowTest {
protected:
    void Press() { PostMessageA(SearchButton(), BM_CLICK, 0, 0); }

    // Answers the expected boxes in order, checking each one and that the
    // program's windows wait for it.
    void AnswerBoxes(const std::vector<Box>& boxes, const char* scenario) {
        for (const Box& expected : boxes) {
            MessageBoxSeen box = WaitForMessageBox(session.pid());
            ASSERT_NE(box.hwnd, nullptr) << scenario << ": no box for " << expected.text;
            EXPECT_EQ(box.caption, "错误!") << scenario;
            EXPECT_EQ(box.text, expected.text) << scenario;
            EXPECT_EQ(box.icon, expected.icon) << scenario;
            EXPECT_EQ(box.owner, nullptr) << scenario;
            EXPECT_FALSE(IsWindowEnabled(main)) << scenario << ": the main window takes input under the box";
            ASSERT_TRUE(PressOk(box));
        }
        Pause(300);
        EXPECT_TRUE(NoMessageBox(session.pid())) << scenario << ": an extra box";
        EXPECT_TRUE(IsWindowEnabled(main)) << scenario;
    }
};

TEST_F(SearchTest, EachFormStateGivesItsBoxesAndNavigations) {
    std::vector<std::string> expected;
    for (const Scenario& s : kScenarios) {
        TypeKeyword(s.keyword);
        ChooseSite(s.site);
        ChooseEngine(s.engine);
        for (int press = 0; press < 2; ++press) {
            Press();
            AnswerBoxes(s.boxes, s.name);
            expected.insert(expected.end(), s.navigations.begin(), s.navigations.end());
            EXPECT_EQ(NavigationsAfterStart(), expected) << s.name << ", press " << press + 1;
        }
    }
}

TEST_F(SearchTest, ChineseKeywordReachesTheControlAsUnicode) {
    TypeKeyword("网盘电影");
    ChooseSite(5);
    ChooseEngine("百度");
    Press();
    ASSERT_TRUE(WaitUntil([&] { return session.NavigationsW().size() == 3; }));
    EXPECT_EQ(session.NavigationsW()[2], L"http://www.baidu.com/s?wd=\u7f51\u76d8\u7535\u5f71 Site:namipan.com");
}

TEST(SearchNetwork, ALongChineseRequestReachesTheNetworkWhole) {
    HttpProxy proxy;
    ProgramSession session;
    session.Start();
    HWND main = OpenMainWindow(session);
    ASSERT_NE(main, nullptr);
    std::string keyword(3000, 'k');
    keyword += "电影";
    SendMessageA(FindChild(main, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keyword.c_str()));
    SendMessageA(FindChild(main, "ComboBox"), CB_SETCURSEL, 0, 0);
    PostMessageA(FindChild(main, "Button", "百度"), BM_CLICK, 0, 0);
    PostMessageA(FindChild(main, "Button", "搜索"), BM_CLICK, 0, 0);
    auto searched = [&] {
        for (const std::string& r : proxy.Requests())
            if (r.find("baidu") != std::string::npos) return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(searched, 15000)) << "requests: " << proxy.Requests().size();
    std::string request;
    for (const std::string& r : proxy.Requests())
        if (r.find("baidu") != std::string::npos) request = r;
    EXPECT_EQ(request, "http://www.baidu.com:80/s?wd=" + keyword + "%20Site:dbank.com");
}

}  // namespace
