// The skin library, loaded at the first call of one of its operations.
#pragma once

#include <cstdint>

// SkinH_SetAero(value).
void CallSkinSetAero(int32_t value);

// SkinH_AttachRes(data, size, text, 0, 0, 0).
void CallSkinAttachRes(const unsigned char* data, int32_t size, const char* text);

// Frees the library if it was loaded (end sequence).
void UnloadSkinLibrary();
