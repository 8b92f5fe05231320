// Writing out the skin library and handing it a skin.
#pragma once

#include <cstdint>

// Writes the carried library next to the executable unless something of
// that name is already there.
void EnsureSkinLibraryFile();

// Makes sure of the file, then switches the library's aero option on.
void InstallSkinLibrary();

// Makes sure of the file, then hands built-in skin `number` to the library.
void ApplyBuiltInSkin(int32_t number);
