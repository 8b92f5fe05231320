// The engine's block parser: the one place that reads bytes it is handed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "skin/carried_data.h"
#include "skin/engine/skin_format.h"

namespace {

// Puts the block right before a page that may not be read, so that any read
// past its end crashes the test.
class GuardedBlock {
public:
    explicit GuardedBlock(const std::vector<unsigned char>& bytes) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_t page = info.dwPageSize;
        size_t span = (bytes.size() + page - 1) / page * page + page;
        base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, span, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_ + span - page, page, PAGE_NOACCESS, &old);
        data_ = base_ + span - page - bytes.size();
        if (!bytes.empty()) std::memcpy(data_, bytes.data(), bytes.size());
    }
    ~GuardedBlock() { VirtualFree(base_, 0, MEM_RELEASE); }
    const unsigned char* data() const { return data_; }

private:
    unsigned char* base_;
    unsigned char* data_;
};

std::vector<unsigned char> Skin11() {
    CarriedBlock block = BuiltInSkin(11);
    return std::vector<unsigned char>(block.data, block.data + block.size);
}

void Put32(std::vector<unsigned char>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

void Put16(std::vector<unsigned char>& b, size_t at, uint16_t v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

struct Malformed {
    const char* what;
    std::function<void(std::vector<unsigned char>&)> spoil;
};

const Malformed kMalformed[] = {
    {"empty", [](auto& b) { b.clear(); }},
    {"shorter than a header", [](auto& b) { b.resize(63); }},
    {"cut short", [](auto& b) { b.resize(b.size() - 1); }},
    {"wrong magic", [](auto& b) { b[1] = 's'; }},
    {"other version", [](auto& b) { Put16(b, 4, 2); }},
    {"other header size", [](auto& b) { Put16(b, 6, 32); }},
    {"total size larger than the block", [](auto& b) { Put32(b, 8, static_cast<uint32_t>(b.size() + 1)); }},
    {"colour out of range", [](auto& b) { Put32(b, 12, 0x01000000); }},
    {"no pictures", [](auto& b) { Put32(b, 52, 0); }},
    {"too many pictures", [](auto& b) { Put32(b, 52, 9); }},
    {"table inside the header", [](auto& b) { Put32(b, 56, 8); }},
    {"table past the end", [](auto& b) { Put32(b, 56, static_cast<uint32_t>(b.size() - 8)); }},
    {"table offset wraps round", [](auto& b) { Put32(b, 56, 0xFFFFFFF0u); }},
    {"unknown picture kind", [](auto& b) { Put16(b, 64, 9); }},
    {"zero width", [](auto& b) { Put16(b, 66, 0); }},
    {"huge picture", [](auto& b) { Put16(b, 66, 0xFFFF); }},
    {"length not width*height*4", [](auto& b) { Put32(b, 76, 100); }},
    {"pixels past the end", [](auto& b) { Put32(b, 72, static_cast<uint32_t>(b.size() - 16)); }},
    {"pixel offset wraps round", [](auto& b) { Put32(b, 72, 0xFFFFFF00u); }},
    {"pixels inside the header", [](auto& b) { Put32(b, 72, 4); }},
};

TEST(SkinFormat, AcceptsTheShownSkin) {
    std::vector<unsigned char> bytes = Skin11();
    GuardedBlock block(bytes);
    SkinView view;
    ASSERT_TRUE(ParseSkin(block.data(), bytes.size(), &view));
    EXPECT_EQ(view.pictureCount, 3u);
    for (uint32_t i = 0; i < view.pictureCount; ++i) {
        EXPECT_GE(view.pictures[i].pixels, block.data());
        EXPECT_LE(view.pictures[i].pixels + view.pictures[i].width * view.pictures[i].height * 4,
                  block.data() + bytes.size());
    }
}

TEST(SkinFormat, RefusesMalformedBlocksWithoutReadingPastThem) {
    for (const Malformed& m : kMalformed) {
        std::vector<unsigned char> bytes = Skin11();
        m.spoil(bytes);
        GuardedBlock block(bytes);
        SkinView view;
        EXPECT_FALSE(ParseSkin(block.data(), bytes.size(), &view)) << m.what;
    }
    SkinView view;
    EXPECT_FALSE(ParseSkin(nullptr, 100, &view));
}

TEST(SkinFormat, EveryTruncationOfASkinIsRefusedSafely) {
    std::vector<unsigned char> bytes = Skin11();
    for (size_t size = 0; size < 256; ++size) {
        std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        GuardedBlock block(cut);
        SkinView view;
        EXPECT_FALSE(ParseSkin(block.data(), size, &view)) << size;
    }
}

}  // namespace
