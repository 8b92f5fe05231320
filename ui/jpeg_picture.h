#pragma once

#include <windows.h>

#include <cstddef>

// Decodes a JPEG image held in memory into a 24-bit DIB section, or returns
// nullptr when the bytes are not a picture libjpeg can read.
HBITMAP DecodeJpeg(const unsigned char* data, size_t size);
