// The ".SHE" skin format, read in place: all numbers little-endian.
//
//   0  ".SHE"                      4 bytes
//   4  version (1)                 u16
//   6  header size (64)            u16
//   8  total size                  u32, equal to the block's size
//  12  ten colours, 0x00BBGGRR     u32 each, see SkinColour
//  52  picture count (1 to 8)      u32
//  56  picture table offset        u32
//  60  flags                       u32, bit 0: bold caption text
//  table: per picture kind u16, width u16, height u16, 0 u16, offset u32,
//         length u32; pixels are width * height * 4 bytes, BGRA, top row first
//  bytes no picture claims are allowed and ignored.
#pragma once

#include <cstddef>
#include <cstdint>

enum SkinColour {
    kActiveCaptionTop,
    kActiveCaptionBottom,
    kInactiveCaptionTop,
    kInactiveCaptionBottom,
    kActiveText,
    kInactiveText,
    kFrameActive,
    kFrameInactive,
    kCloseHover,
    kOutline,
    kSkinColourCount
};

enum SkinPictureKind : uint16_t {
    kActiveCaptionTexture = 1,
    kInactiveCaptionTexture = 2,
    kCloseGlyph = 3,
};

inline constexpr size_t kSkinHeaderSize = 64;
inline constexpr size_t kSkinPictureEntrySize = 16;
inline constexpr uint32_t kSkinMaxPictures = 8;
inline constexpr uint16_t kSkinMaxPictureSide = 512;

struct SkinPictureView {
    uint16_t kind;
    uint16_t width;
    uint16_t height;
    const unsigned char* pixels;  // inside the parsed block
};

struct SkinView {
    uint32_t colours[kSkinColourCount];
    uint32_t flags;
    uint32_t pictureCount;
    SkinPictureView pictures[kSkinMaxPictures];
};

// Checks the block and describes it; false (and nothing read past `size`)
// for anything short, inconsistent or of another format.
bool ParseSkin(const unsigned char* data, size_t size, SkinView* out);
