#pragma once

inline constexpr char kSkinLibraryFile[] = "SkinH_EL.dll";
