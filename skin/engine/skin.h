// A skin as the engine keeps it: its own copy of everything it draws with.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/engine/skin_format.h"

struct SkinPicture {
    int width = 0;
    int height = 0;
    uint32_t* pixels = nullptr;  // BGRA, top row first; owned
};

struct Skin {
    uint32_t colours[kSkinColourCount] = {};
    bool boldCaption = false;
    SkinPicture activeCaption;
    SkinPicture inactiveCaption;
    SkinPicture closeGlyph;
};

// A copy of the parsed block; nullptr when memory is short.
Skin* CopySkin(const SkinView& view);
void FreeSkin(Skin* skin);

// Draws the frame and title bar of a top-level window over the system's,
// keeping the system's metrics. `aero` adds a glass sheen to the title bar.
void PaintWindowFrame(HWND hwnd, const Skin& skin, bool active, bool aero, bool closeHover);
