// Pictures stored as PNG files among the program's resources, decoded into
// 32-bit pixels.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velorin {

// Pixels top row first, 4 bytes each in the order blue, green, red, alpha:
// the layout of a top-down 32-bit device-independent bitmap. Empty when
// there is no picture.
struct decoded_picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;

    bool empty() const { return bgra.empty(); }
};

// Decodes a whole PNG file; bytes that are no PNG, are cut short or damaged,
// or describe an unreasonably large picture give an empty picture.
decoded_picture decode_png(std::span<const std::uint8_t> bytes);

// The bytes of the program's raw-data resource with this ID; empty when the
// program has none.
std::span<const std::uint8_t> resource_bytes(int resource_id);

}  // namespace velorin
