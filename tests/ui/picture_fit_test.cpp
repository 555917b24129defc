// The picture box's placement of its picture, and the mixing of transparent
// pixels with the box's background.
#include "ui/picture_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace velorin {
namespace {

struct fit_case {
    const char* what;
    int width, height, client_width, client_height;
    picture_placement expected;
};

TEST(PictureFit, CentresAndShrinksWithoutEnlarging) {
    const std::array cases = {
        // The two donation pictures in their 210 × 190 boxes. The scale is
        // the height quotient as a double: 190 ÷ 316 rounds down, so 316
        // times it falls a hair short of 190; 190 ÷ 287 rounds up.
        fit_case{"WeChat picture", 317, 316, 210, 190, {10, 0, 190, 189}},
        fit_case{"Alipay picture", 295, 287, 210, 190, {7, 0, 195, 190}},
        fit_case{"smaller both ways: own size, centred", 100, 50, 210, 190, {55, 70, 100, 50}},
        fit_case{"odd margins: halves truncated", 101, 51, 210, 190, {54, 69, 101, 51}},
        fit_case{"exactly the box", 210, 190, 210, 190, {0, 0, 210, 190}},
        fit_case{"too wide only", 420, 95, 210, 190, {0, 71, 210, 47}},
        fit_case{"too tall only", 105, 380, 210, 190, {78, 0, 52, 190}},
        fit_case{"no pixels", 0, 10, 210, 190, {0, 0, 0, 0}},
    };
    for (const fit_case& c : cases) {
        EXPECT_EQ(fit_picture(c.width, c.height, c.client_width, c.client_height), c.expected)
            << c.what;
    }
}

struct blend_case {
    std::uint8_t channel, alpha, background, expected;
};

TEST(PictureFit, BlendsAChannelOverTheBackgroundTruncated) {
    const std::array cases = {
        blend_case{7, 0, 255, 255},      // fully transparent: the background
        blend_case{7, 112, 255, 146},    // 146.07
        blend_case{193, 112, 255, 227},  // 227.77
        blend_case{0, 128, 255, 127},    // 127 exactly
        blend_case{255, 254, 0, 254},    // 254 exactly
        blend_case{200, 1, 100, 100},    // 100.39
        // Whole results stay whole, where doubles would fall a hair short.
        blend_case{255, 43, 255, 255},
        blend_case{0, 43, 255, 212},
        blend_case{255, 75, 255, 255},
    };
    for (const blend_case& c : cases) {
        EXPECT_EQ(blend_channel(c.channel, c.alpha, c.background), c.expected)
            << int{c.channel} << " at alpha " << int{c.alpha} << " over " << int{c.background};
    }
}

TEST(PictureFit, BlendsOnlyPixelsThatAreNotOpaque) {
    // Blue, green, red, alpha.
    std::vector<std::uint8_t> pixels = {
        10, 20,  30, 255,  // opaque: unchanged
        96, 193, 7,  112,  // translucent green
        1,  2,   3,  0,    // transparent: the background
        0,  0,   0,  128,  // half black
    };
    blend_over_background(pixels, 0xFFFFFF);
    const std::vector<std::uint8_t> expected = {
        10, 20, 30, 255, 185, 227, 146, 255, 255, 255, 255, 255, 127, 127, 127, 255,
    };
    EXPECT_EQ(pixels, expected);

    std::vector<std::uint8_t> over_colour = {0, 0, 0, 0};
    blend_over_background(over_colour, 0x123456);
    EXPECT_EQ(over_colour, (std::vector<std::uint8_t>{0x56, 0x34, 0x12, 255}));
}

}  // namespace
}  // namespace velorin
