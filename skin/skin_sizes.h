// Sizes in bytes of the 33 built-in skins, skin 1 first. The skin generator
// reads this table too.
#pragma once

inline constexpr int kBuiltInSkinSizes[33] = {
    15574, 9533,  19786, 19497, 17699, 41098, 12564, 18930, 13192, 24409, 30738,
    8321,  26370, 15733, 12105, 23603, 20863, 16746, 11676, 17997, 12882, 37461,
    30958, 25715, 34523, 28961, 29447, 15562, 20738, 18765, 31134, 44110, 20275,
};

inline constexpr int kSkinLibraryImageSize = 88576;
