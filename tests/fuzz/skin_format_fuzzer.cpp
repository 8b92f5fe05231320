// libFuzzer target for the skin block parser, built natively with
// AddressSanitizer: any read outside the block ends the run with a report.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/engine/skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SkinView view;
    if (!ParseSkin(data, size, &view)) return 0;
    // A parsed skin must describe only bytes of the block: touch them all.
    unsigned sum = 0;
    for (uint32_t i = 0; i < view.pictureCount; ++i) {
        const SkinPictureView& p = view.pictures[i];
        if (p.pixels < data || p.pixels + static_cast<size_t>(p.width) * p.height * 4 > data + size) std::abort();
        for (size_t b = 0; b < static_cast<size_t>(p.width) * p.height * 4; ++b) sum += p.pixels[b];
    }
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
