#include "core/ink_pixels.h"

#include <algorithm>

namespace {

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

uint32_t InkPixel(uint32_t overBlack, uint32_t overWhite) {
    int through = 0;  // three times the part of the background that shows, 0..765
    for (int shift = 0; shift <= 16; shift += 8)
        through += std::max(Channel(overWhite, shift) - Channel(overBlack, shift), 0);
    const int alpha = std::max(255 - (through + 1) / 3, 0);
    uint32_t ink = static_cast<uint32_t>(alpha) << 24;
    for (int shift = 0; shift <= 16; shift += 8)
        ink |= static_cast<uint32_t>(std::clamp(Channel(overWhite, shift) - (255 - alpha), 0, alpha)) << shift;
    return ink;
}

uint32_t InkOver(uint32_t ink, uint32_t screen) {
    const int rest = 255 - static_cast<int>(ink >> 24);
    uint32_t shown = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        shown |= static_cast<uint32_t>(std::min(Channel(ink, shift) + (Channel(screen, shift) * rest + 127) / 255, 255))
                 << shift;
    return shown;
}
