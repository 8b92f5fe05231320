#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "skin/carried_data.h"
#include "skin/engine/skin_format.h"

namespace {

const size_t kExpectedSizes[33] = {15574, 9533,  19786, 19497, 17699, 41098, 12564, 18930, 13192, 24409, 30738,
                                   8321,  26370, 15733, 12105, 23603, 20863, 16746, 11676, 17997, 12882, 37461,
                                   30958, 25715, 34523, 28961, 29447, 15562, 20738, 18765, 31134, 44110, 20275};

TEST(SkinCatalogue, ThirtyThreeDistinctBlocksOfTheirSizesAllReadableByTheEngine) {
    std::set<std::string> distinct;
    for (int n = 1; n <= 33; ++n) {
        CarriedBlock block = BuiltInSkin(n);
        ASSERT_NE(block.data, nullptr) << "skin " << n;
        EXPECT_EQ(block.size, kExpectedSizes[n - 1]) << "skin " << n;
        EXPECT_EQ(std::memcmp(block.data, ".SHE", 4), 0) << "skin " << n;
        SkinView view;
        EXPECT_TRUE(ParseSkin(block.data, block.size, &view)) << "skin " << n;
        distinct.insert(std::string(reinterpret_cast<const char*>(block.data), block.size));
    }
    EXPECT_EQ(distinct.size(), 33u);
    for (int n : {0, 34, -1}) EXPECT_EQ(BuiltInSkin(n).data, nullptr) << n;
}

TEST(SkinCatalogue, LibraryImageIsAWholeDllOfItsFixedSize) {
    CarriedBlock image = SkinLibraryImage();
    ASSERT_NE(image.data, nullptr);
    EXPECT_EQ(image.size, 88576u);
    EXPECT_EQ(std::memcmp(image.data, "MZ", 2), 0);
}

}  // namespace
