#include "skin/carried_data.h"

#include <windows.h>

#include "resource_ids.h"
#include "skin/skin_sizes.h"

namespace {

CarriedBlock Resource(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded) return {nullptr, 0};
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

}  // namespace

CarriedBlock SkinLibraryImage() { return Resource(IDR_SKIN_LIBRARY); }

CarriedBlock EmblemPicture() { return Resource(IDR_EMBLEM); }

CarriedBlock BuiltInSkin(int number) {
    if (number < 1 || number > static_cast<int>(sizeof kBuiltInSkinSizes / sizeof kBuiltInSkinSizes[0]))
        return {nullptr, 0};
    return Resource(IDR_SKIN_FIRST + number - 1);
}
