#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/text.h"

namespace {

TEST(Text, JoinCopiesThePartsInOrderAndSkipsMissingOnes) {
    EXPECT_STREQ(JoinTexts({"http://", "www.baidu.com", "/s?wd="}).c_str(), "http://www.baidu.com/s?wd=");
    EXPECT_STREQ(JoinTexts({"a", nullptr, "", "b"}).c_str(), "ab");
    Text none = JoinTexts({});
    EXPECT_FALSE(none.missing());
    EXPECT_STREQ(none.c_str(), "");
}

TEST(Text, JoinKeepsHighBytesAndLongTexts) {
    std::string big(100000, 'k');
    EXPECT_EQ(std::strlen(JoinTexts({big.c_str(), "数据"}).c_str()), big.size() + 4);
    EXPECT_STREQ(JoinTexts({"\xff\x80", "\x81"}).c_str(), "\xff\x80\x81");
}

TEST(Text, EmptyMeansNoBytesAtAll) {
    EXPECT_TRUE(TextIsEmpty(nullptr));
    EXPECT_TRUE(TextIsEmpty(""));
    EXPECT_FALSE(TextIsEmpty(" "));
    EXPECT_FALSE(TextIsEmpty("\xa1\xa1"));  // a full-width space
}

}  // namespace
