#include "skin/engine/skin_format.h"

namespace {

uint16_t U16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t U32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// offset + length within size, without overflow.
bool Fits(size_t offset, size_t length, size_t size) { return offset <= size && length <= size - offset; }

}  // namespace

bool ParseSkin(const unsigned char* data, size_t size, SkinView* out) {
    if (!data || !out || size < kSkinHeaderSize) return false;
    if (data[0] != '.' || data[1] != 'S' || data[2] != 'H' || data[3] != 'E') return false;
    if (U16(data + 4) != 1 || U16(data + 6) != kSkinHeaderSize || U32(data + 8) != size) return false;
    SkinView view = {};
    for (int i = 0; i < kSkinColourCount; ++i) {
        view.colours[i] = U32(data + 12 + 4 * i);
        if (view.colours[i] > 0xFFFFFF) return false;
    }
    view.pictureCount = U32(data + 52);
    size_t table = U32(data + 56);
    view.flags = U32(data + 60);
    if (view.pictureCount < 1 || view.pictureCount > kSkinMaxPictures) return false;
    if (table < kSkinHeaderSize || !Fits(table, view.pictureCount * kSkinPictureEntrySize, size)) return false;
    for (uint32_t i = 0; i < view.pictureCount; ++i) {
        const unsigned char* entry = data + table + i * kSkinPictureEntrySize;
        SkinPictureView& picture = view.pictures[i];
        picture.kind = U16(entry);
        picture.width = U16(entry + 2);
        picture.height = U16(entry + 4);
        size_t offset = U32(entry + 8), length = U32(entry + 12);
        if (picture.kind < kActiveCaptionTexture || picture.kind > kCloseGlyph || U16(entry + 6) != 0) return false;
        if (picture.width < 1 || picture.height < 1 || picture.width > kSkinMaxPictureSide ||
            picture.height > kSkinMaxPictureSide)
            return false;
        if (length != static_cast<size_t>(picture.width) * picture.height * 4) return false;
        if (offset < kSkinHeaderSize || !Fits(offset, length, size)) return false;
        picture.pixels = data + offset;
    }
    *out = view;
    return true;
}
