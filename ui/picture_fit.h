// How a picture box places its picture and mixes the picture's transparency
// with its background: plain arithmetic, without the window system.
#pragma once

#include <cstdint>
#include <span>

namespace velorin {

// Where a picture is drawn in its box's client area, and at what size.
struct picture_placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const picture_placement&) const = default;
};

// Centres a picture of width × height in a client area of client_width ×
// client_height, shrunk to fit with its proportions kept and never enlarged.
// A picture without pixels is drawn nowhere.
picture_placement fit_picture(int width, int height, int client_width, int client_height);

// One colour channel of a pixel with this alpha laid over the background
// channel: alpha ÷ 255 × channel + (1 − alpha ÷ 255) × background, truncated.
std::uint8_t blend_channel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background);

// Lays every pixel whose alpha is below 255 over the background (0xRRGGBB)
// and makes it opaque; fully opaque pixels stay as they are. The pixels are
// 32 bits each, bytes in the order blue, green, red, alpha.
void blend_over_background(std::span<std::uint8_t> bgra, std::uint32_t background);

}  // namespace velorin
