#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void LeaveOnError(j_common_ptr info) { longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1); }

void StayQuiet(j_common_ptr) {}

}  // namespace

// Only plain data lives in this function: libjpeg reports errors by longjmp.
HBITMAP DecodeJpeg(const unsigned char* data, size_t size) {
    if (!data || size == 0) return nullptr;
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveOnError;
    trap.manager.output_message = StayQuiet;
    HBITMAP volatile bitmap = nullptr;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);

    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = static_cast<LONG>(info.output_width);
    header.bmiHeader.biHeight = static_cast<LONG>(info.output_height);  // bottom-up
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) longjmp(trap.jump, 1);
    size_t stride = (info.output_width * 3 + 3) & ~static_cast<size_t>(3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = static_cast<JSAMPROW>(bits) + (info.output_height - 1 - info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bitmap;
}
