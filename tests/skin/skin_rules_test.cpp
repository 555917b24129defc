// How the skin library's folder is spelled and which adjustments reach the
// engine.
#include "skin/skin_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace velorin {
namespace {

TEST(WithTrailingBackslash, AddsOneOnlyWhenMissing) {
    const struct {
        std::string folder;
        std::string expected;
    } cases[] = {
        {"", "\\"},
        {"C:\\Temp", "C:\\Temp\\"},
        {"C:\\Temp\\", "C:\\Temp\\"},
        {"\\", "\\"},
        {"C:\\Temp\\\\", "C:\\Temp\\\\"},
        {"C:/Temp/", "C:/Temp/\\"},
        // "表" is B1 ED and "\" is a lone byte; "昞" (95 5C) ends in 5C as its
        // trail byte, which is no backslash.
        {"C:\\表\\", "C:\\表\\"},
        {"C:\\\x95\x5C", "C:\\\x95\x5C\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(with_trailing_backslash(c.folder), c.expected) << c.folder;
    }
}

TEST(ClampSkinAdjustments, ClampsEachValueToItsRange) {
    const struct {
        int hue, saturation, brightness;
        int expected_hue, expected_saturation, expected_brightness;
    } cases[] = {
        {0, 0, 0, 0, 0, 0},
        {200, 150, -101, 180, 100, -100},
        {-500, -150, 101, -180, -100, 100},
        {180, 100, 100, 180, 100, 100},
        {-180, -100, -100, -180, -100, -100},
        {179, -99, 42, 179, -99, 42},
        {INT_MAX, INT_MIN, INT_MAX, 180, -100, 100},
    };
    for (const auto& c : cases) {
        int hue = c.hue;
        int saturation = c.saturation;
        int brightness = c.brightness;
        clamp_skin_adjustments(hue, saturation, brightness);
        EXPECT_EQ(hue, c.expected_hue) << c.hue;
        EXPECT_EQ(saturation, c.expected_saturation) << c.saturation;
        EXPECT_EQ(brightness, c.expected_brightness) << c.brightness;
    }
}

TEST(SameDigest, EqualOnlyWhenBothAreKnownAndEqual) {
    const md5_digest a{1, 2, 3};
    md5_digest b = a;
    EXPECT_TRUE(same_digest(a, b));
    b[15] = 1;
    EXPECT_FALSE(same_digest(a, b));
    EXPECT_FALSE(same_digest(std::nullopt, a));
    EXPECT_FALSE(same_digest(a, std::nullopt));
    EXPECT_FALSE(same_digest(std::nullopt, std::nullopt));
}

}  // namespace
}  // namespace velorin
