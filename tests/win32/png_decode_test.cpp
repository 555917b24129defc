// libpng's simplified reading interface, as the program uses it, decodes a
// picture held in memory into 32-bit pixels.
#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

// A 2 × 2 RGBA picture: opaque red, half-transparent green, transparent
// blue, opaque white.
constexpr std::array<std::uint8_t, 77> tiny_png = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D,
    0x24, 0x00, 0x00, 0x00, 0x14, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0,
    0x1F, 0x08, 0x1B, 0x18, 0xC0, 0x34, 0x10, 0x00, 0x00, 0x3F, 0xD7, 0x08, 0x79, 0x5F, 0xC7, 0x6D,
    0xB1, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
};

TEST(PngDecode, ReadsRgbaPixelsFromMemory) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_memory(&image, tiny_png.data(), tiny_png.size()), 0);
    EXPECT_EQ(image.width, 2u);
    EXPECT_EQ(image.height, 2u);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_NE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr), 0);
    const std::vector<std::uint8_t> expected = {
        0,   0, 255, 255, 0,   255, 0,   128,  // red, half-transparent green
        255, 0, 0,   0,   255, 255, 255, 255,  // transparent blue, white
    };
    EXPECT_EQ(pixels, expected);
}

TEST(PngDecode, RefusesBytesThatAreNoPicture) {
    std::array<std::uint8_t, 77> broken = tiny_png;
    broken[1] = 'X';
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_EQ(png_image_begin_read_from_memory(&image, broken.data(), broken.size()), 0);
    png_image_free(&image);
}

}  // namespace
