#include "skin/engine/skin.h"

#include <new>

namespace {

bool CopyPicture(const SkinPictureView& view, SkinPicture& out) {
    size_t count = static_cast<size_t>(view.width) * view.height;
    out.pixels = static_cast<uint32_t*>(HeapAlloc(GetProcessHeap(), 0, count * 4));
    if (!out.pixels) return false;
    out.width = view.width;
    out.height = view.height;
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* p = view.pixels + 4 * i;
        out.pixels[i] = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                        static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    }
    return true;
}

void FreePicture(SkinPicture& picture) {
    if (picture.pixels) HeapFree(GetProcessHeap(), 0, picture.pixels);
    picture = SkinPicture();
}

}  // namespace

Skin* CopySkin(const SkinView& view) {
    void* memory = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Skin));
    if (!memory) return nullptr;
    Skin* skin = new (memory) Skin();
    for (int i = 0; i < kSkinColourCount; ++i) skin->colours[i] = view.colours[i];
    skin->boldCaption = view.flags & 1;
    for (uint32_t i = 0; i < view.pictureCount; ++i) {
        const SkinPictureView& picture = view.pictures[i];
        SkinPicture* target = picture.kind == kActiveCaptionTexture     ? &skin->activeCaption
                              : picture.kind == kInactiveCaptionTexture ? &skin->inactiveCaption
                                                                        : &skin->closeGlyph;
        FreePicture(*target);  // a later picture of the same kind wins
        if (!CopyPicture(picture, *target)) {
            FreeSkin(skin);
            return nullptr;
        }
    }
    return skin;
}

void FreeSkin(Skin* skin) {
    if (!skin) return;
    FreePicture(skin->activeCaption);
    FreePicture(skin->inactiveCaption);
    FreePicture(skin->closeGlyph);
    skin->~Skin();
    HeapFree(GetProcessHeap(), 0, skin);
}
