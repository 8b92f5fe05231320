#include <gtest/gtest.h>

#include <string>

#include "search/catalogues.h"
#include "search/engine_prefixes.h"
#include "search/request_address.h"

namespace {

// The address RunSearch builds for a keyword, an engine and a site.
std::string Address(const char* keyword, int radio, int site) {
    const SearchEngine* engine = EngineByRadio(radio);
    return ComposeRequestAddress(EnginePrefix(radio), keyword,
                                 engine->appendsSiteFilter ? SiteFilter(site) : nullptr)
        .c_str();
}

class RequestAddress : public ::testing::Test {
protected:
    void SetUp() override { SetEnginePrefixes(); }
    void TearDown() override { ReleaseEnginePrefixes(); }
};

struct Case {
    const char* keyword;
    int radio;
    int site;
    const char* address;
};

const Case kCases[] = {
    {"abc", 1, 6, "http://www.google.com.hk/#hl=zh-CN&source=hp&q=abc Site:u.115.com/File/"},
    {"abc", 2, 0, "http://www.baidu.com/s?wd=abc Site:dbank.com"},
    {"abc", 3, 1, "http://www.youdao.com/search?q=abc Site:ishare.iask.sina.com.cn"},
    {"abc", 4, 2, "http://www.tazhao.com/search?q=abc"},
    {"abc", 5, 7, "http://www.sogou.com/web?query=abc site:xunzai.com"},
    {"abc", 6, 3, "http://www.soso.com/q?pid=s.idx&w=abc Site:xun6.com/file/"},
    {"abc", 7, 11, "http://www.gougou.com/search?search=abc"},
    {"a b ", 2, 0, "http://www.baidu.com/s?wd=a b  Site:dbank.com"},
    {"   ", 2, 4, "http://www.baidu.com/s?wd=    Site:brsbox.com"},
    {"电影", 2, 5, "http://www.baidu.com/s?wd=电影 Site:namipan.com"},
    {"C++", 5, 8, "http://www.sogou.com/web?query=C%2B%2B site:vdisk.cn"},
    {"AT&T", 1, 9, "http://www.google.com.hk/#hl=zh-CN&source=hp&q=AT%26T site:zbjpan.com"},
    {"#1", 3, 10, "http://www.youdao.com/search?q=%231 site:yipan.com"},
    {"100%25", 2, 11, "http://www.baidu.com/s?wd=100%2525 site:ctdisk.com"},
    {"x\"<>?/=", 2, 0, "http://www.baidu.com/s?wd=x\"<>?/= Site:dbank.com"},
};

TEST_F(RequestAddress, JoinsPrefixKeywordAndFilter) {
    for (const Case& c : kCases)
        EXPECT_EQ(Address(c.keyword, c.radio, c.site), c.address) << c.keyword << " " << c.radio << " " << c.site;
}

TEST_F(RequestAddress, EnginesFourAndSevenIgnoreTheSite) {
    for (int radio : {4, 7})
        for (int site = 1; site < 12; ++site) EXPECT_EQ(Address("abc", radio, site), Address("abc", radio, 0));
}

TEST_F(RequestAddress, EscapingLeavesChineseBytesAlone) {
    // GBK trail bytes are 0x40 and above, never one of the escaped characters.
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            char keyword[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
            ASSERT_STREQ(EscapeKeyword(keyword).c_str(), keyword);
        }
}

TEST(SiteCatalogue, FiltersStartWithOneSpaceAndUseTheirOperator) {
    for (int i = 0; i < 12; ++i) {
        std::string filter = SiteFilter(i);
        EXPECT_EQ(filter.substr(0, 6), i < 7 ? " Site:" : " site:") << i;
        EXPECT_NE(filter[6], ' ');
        EXPECT_NE(filter.back(), ' ');
        EXPECT_EQ(filter.back() == '/', i == 3 || i == 6) << filter;
    }
    EXPECT_EQ(SiteFilter(-1), nullptr);
    EXPECT_EQ(SiteFilter(12), nullptr);
}

TEST(EnginePrefixes, AreEmptyUntilSetAndReleasedAtTheEnd) {
    ReleaseEnginePrefixes();
    for (int radio = 1; radio <= 7; ++radio) EXPECT_EQ(EnginePrefix(radio), nullptr);
    SetEnginePrefixes();
    SetEnginePrefixes();  // a second fill replaces, not leaks or appends
    EXPECT_STREQ(EnginePrefix(2), "http://www.baidu.com/s?wd=");
    EXPECT_STREQ(EnginePrefix(6), "http://www.soso.com/q?pid=s.idx&w=");
    EXPECT_EQ(EnginePrefix(0), nullptr);
    EXPECT_EQ(EnginePrefix(8), nullptr);
    ReleaseEnginePrefixes();
    for (int radio = 1; radio <= 7; ++radio) EXPECT_EQ(EnginePrefix(radio), nullptr);
}

}  // namespace
