#pragma once

#define IDI_PROGRAM 1
#define IDI_SPLASH 2

// The carried skin library image and the built-in skins (skin n is
// IDR_SKIN_FIRST + n - 1).
#define IDR_SKIN_LIBRARY 100
#define IDR_SKIN_FIRST 101

// The about window's emblem picture.
#define IDR_EMBLEM 200
