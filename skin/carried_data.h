// Blocks of bytes the program carries inside its executable.
#pragma once

#include <cstddef>

struct CarriedBlock {
    const unsigned char* data;
    size_t size;
};

// The complete file of the skin library.
CarriedBlock SkinLibraryImage();

// The about window's emblem, a JPEG image.
CarriedBlock EmblemPicture();

// Built-in skin 1 to 33; {nullptr, 0} for any other number.
CarriedBlock BuiltInSkin(int number);
