#include "ui/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace velorin {

namespace {

// The whole part of the exact product size × scale. The product rounded to a
// double can land on a whole number that the exact one falls just short of:
// 316 × (190 ÷ 316) falls short of 190 by about 5e-15, yet rounds to 190.0.
int scaled_size(int size, double scale) {
    const double rounded = size * scale;
    const double rounding_error = std::fma(static_cast<double>(size), scale, -rounded);
    double whole = std::trunc(rounded);
    if (whole == rounded && rounding_error < 0) {
        whole -= 1;
    }
    return static_cast<int>(whole);
}

}  // namespace

picture_placement fit_picture(int width, int height, int client_width, int client_height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    picture_placement at;
    int bound_width = client_width;
    int bound_height = client_height;
    if (width <= client_width) {
        at.x = (client_width - width) / 2;
        bound_width = width;
    }
    if (height <= client_height) {
        at.y = (client_height - height) / 2;
        bound_height = height;
    }
    if (width > bound_width || height > bound_height) {
        // Each quotient is rounded to a double before the two are compared.
        const double width_scale = static_cast<double>(bound_width) / width;
        const double height_scale = static_cast<double>(bound_height) / height;
        const double scale = std::min(width_scale, height_scale);
        at.width = scaled_size(width, scale);
        at.height = scaled_size(height, scale);
        at.x += (bound_width - at.width) / 2;
        at.y += (bound_height - at.height) / 2;
    } else {
        at.width = width;
        at.height = height;
    }
    return at;
}

std::uint8_t blend_channel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background) {
    // In whole numbers the sum is exact before it is truncated: in doubles,
    // white at alpha 43 over white comes to 254.99999999999997 and so 254.
    const int mixed = (alpha * channel + (255 - alpha) * background) / 255;
    return static_cast<std::uint8_t>(std::clamp(mixed, 0, 255));
}

void blend_over_background(std::span<std::uint8_t> bgra, std::uint32_t background) {
    const std::uint8_t back[3] = {static_cast<std::uint8_t>(background & 0xFF),
                                  static_cast<std::uint8_t>((background >> 8) & 0xFF),
                                  static_cast<std::uint8_t>((background >> 16) & 0xFF)};
    for (std::size_t i = 0; i + 3 < bgra.size(); i += 4) {
        const std::uint8_t alpha = bgra[i + 3];
        if (alpha == 255) {
            continue;
        }
        for (std::size_t c = 0; c < 3; ++c) {
            bgra[i + c] = blend_channel(bgra[i + c], alpha, back[c]);
        }
        bgra[i + 3] = 255;
    }
}

}  // namespace velorin
