// The skin engine's reader: what it accepts, what it refuses without ever
// reading past the bytes it is given, and the colour shifts.
#include "skin/engine/skin_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace velorin::skin {
namespace {

using bytes = std::vector<std::uint8_t>;

void put16(bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

struct colour_entry {
    std::string name;
    rgb colour;
};

// Builds a skin as the skin tool does.
bytes make_skin(const std::vector<colour_entry>& entries, const char* password = nullptr,
                std::uint16_t version = format_version) {
    bytes body;
    if (password) {
        const std::uint8_t salt[salt_size] = {1, 2, 3, 4, 5, 6, 7, 8};
        body.insert(body.end(), salt, salt + salt_size);
        const std::uint64_t check = password_check(salt, password);
        for (int i = 0; i < 8; ++i) {
            body.push_back(static_cast<std::uint8_t>(check >> (8 * i)));
        }
    }
    body.push_back(static_cast<std::uint8_t>(entries.size()));
    for (const colour_entry& e : entries) {
        body.push_back(static_cast<std::uint8_t>(e.name.size()));
        body.insert(body.end(), e.name.begin(), e.name.end());
        body.insert(body.end(), {e.colour.red, e.colour.green, e.colour.blue});
    }
    bytes skin = {'V', 'S', 'K', 'N'};
    put16(skin, version);
    put16(skin, password ? 1 : 0);
    const auto size = static_cast<std::uint32_t>(12 + body.size());
    put16(skin, size & 0xFFFF);
    put16(skin, size >> 16);
    skin.insert(skin.end(), body.begin(), body.end());
    return skin;
}

const std::vector<colour_entry> two_colours = {{"face", {1, 2, 3}}, {"accent", {200, 100, 50}}};

// A copy on the heap of exactly the given length, so the sanitizer catches
// any read past it.
verdict read_exactly(const bytes& skin, std::size_t length, const char* password, palette& out) {
    std::vector<std::uint8_t> copy(skin.begin(), skin.begin() + static_cast<long>(length));
    return read_skin(copy.empty() ? nullptr : copy.data(), copy.size(), password, out);
}

TEST(SkinFormat, AcceptsAWellFormedSkinAndKeepsDefaultsForPartsItDoesNotName) {
    palette out;
    ASSERT_EQ(read_exactly(make_skin(two_colours), make_skin(two_colours).size(), nullptr, out),
              verdict::accepted);
    EXPECT_EQ(out[part::face], (rgb{1, 2, 3}));
    EXPECT_EQ(out[part::accent], (rgb{200, 100, 50}));
    EXPECT_EQ(out[part::text], default_palette()[part::text]);
}

TEST(SkinFormat, RefusesNoData) {
    palette out;
    EXPECT_EQ(read_skin(nullptr, 0, nullptr, out), verdict::no_data);
    EXPECT_EQ(read_skin(nullptr, 100, nullptr, out), verdict::no_data);
}

TEST(SkinFormat, RefusesEveryTruncationAndLeavesThePaletteAlone) {
    const bytes skin = make_skin(two_colours, "pass");
    for (std::size_t length = 1; length < skin.size(); ++length) {
        palette out = default_palette();
        EXPECT_NE(read_exactly(skin, length, "pass", out), verdict::accepted) << length;
        EXPECT_EQ(out.colours, default_palette().colours) << length;
    }
}

TEST(SkinFormat, RefusesBytesAfterTheDeclaredSize) {
    bytes skin = make_skin(two_colours);
    skin.push_back(0);
    palette out;
    EXPECT_EQ(read_exactly(skin, skin.size(), nullptr, out), verdict::other_format);
}

TEST(SkinFormat, RefusesOtherFormatsAndVersions) {
    palette out;
    bytes other = make_skin(two_colours);
    other[0] = 'X';
    EXPECT_EQ(read_exactly(other, other.size(), nullptr, out), verdict::other_format);
    const bytes newer = make_skin(two_colours, nullptr, 2);
    EXPECT_EQ(read_exactly(newer, newer.size(), nullptr, out), verdict::other_version);
    bytes unknown_flag = make_skin(two_colours);
    unknown_flag[6] = 4;
    EXPECT_EQ(read_exactly(unknown_flag, unknown_flag.size(), nullptr, out), verdict::other_format);
}

TEST(SkinFormat, RefusesBadPalettes) {
    const std::vector<std::vector<colour_entry>> cases = {
        {{"no_such_part", {0, 0, 0}}},
        {{"face", {0, 0, 0}}, {"face", {1, 1, 1}}},
        {{"", {0, 0, 0}}},
    };
    for (const auto& entries : cases) {
        const bytes skin = make_skin(entries);
        palette out;
        EXPECT_EQ(read_exactly(skin, skin.size(), nullptr, out), verdict::bad_palette)
            << entries.front().name;
    }
}

TEST(SkinFormat, RefusesRandomBytes) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 2000; ++round) {
        bytes noise(static_cast<std::size_t>(random() % 80));
        for (auto& b : noise) {
            b = static_cast<std::uint8_t>(random());
        }
        if (round % 2 == 0 && noise.size() >= 4) {
            std::memcpy(noise.data(), "VSKN", 4);  // get past the magic sometimes
        }
        palette out;
        EXPECT_NE(read_exactly(noise, noise.size(), nullptr, out), verdict::accepted);
    }
}

TEST(SkinFormat, ChecksThePasswordOfAProtectedSkin) {
    const bytes skin = make_skin(two_colours, "蓝色口令");
    const struct {
        const char* password;
        verdict expected;
    } cases[] = {
        {"蓝色口令", verdict::accepted},        {nullptr, verdict::wrong_password},
        {"", verdict::wrong_password},          {"蓝色口", verdict::wrong_password},
        {"蓝色口令 ", verdict::wrong_password},
    };
    for (const auto& c : cases) {
        palette out;
        EXPECT_EQ(read_exactly(skin, skin.size(), c.password, out), c.expected)
            << (c.password ? c.password : "(null)");
    }
}

TEST(SkinFormat, AnUnprotectedSkinIgnoresAPassword) {
    const bytes skin = make_skin(two_colours);
    palette out;
    EXPECT_EQ(read_exactly(skin, skin.size(), "anything", out), verdict::accepted);
}

TEST(SkinShift, NoShiftKeepsEveryColourExactly) {
    const palette base = default_palette();
    EXPECT_EQ(shifted(base, 0, 0, 0).colours, base.colours);
}

TEST(SkinShift, HueTurnsPrimariesAndLeavesGreysAlone) {
    palette base;
    base[part::accent] = {255, 0, 0};
    base[part::face] = {128, 128, 128};
    const palette turned = shifted(base, 120, 0, 0);
    EXPECT_EQ(turned[part::accent], (rgb{0, 255, 0}));
    EXPECT_EQ(turned[part::face], (rgb{128, 128, 128}));
    EXPECT_EQ(shifted(base, -120, 0, 0)[part::accent], (rgb{0, 0, 255}));
    EXPECT_EQ(shifted(base, 180, 0, 0)[part::accent], shifted(base, 999, 0, 0)[part::accent]);
}

TEST(SkinShift, SaturationAndBrightnessAtTheirBounds) {
    palette base;
    base[part::accent] = {200, 40, 40};
    EXPECT_EQ(shifted(base, 0, -100, 0)[part::accent], (rgb{120, 120, 120}));
    EXPECT_EQ(shifted(base, 0, 0, 100)[part::accent], (rgb{255, 255, 255}));
    EXPECT_EQ(shifted(base, 0, 0, -100)[part::accent], (rgb{0, 0, 0}));
    EXPECT_EQ(shifted(base, 0, 0, -500)[part::accent], (rgb{0, 0, 0}));
}

TEST(SkinShift, TextStaysReadable) {
    const rgb dark{0x1F, 0x29, 0x37};
    EXPECT_EQ(readable_on(dark, {0xF4, 0xF6, 0xF9}), dark);
    EXPECT_EQ(readable_on(dark, {0x20, 0x20, 0x20}), (rgb{255, 255, 255}));
    EXPECT_EQ(readable_on({0xEE, 0xEE, 0xEE}, {0xF0, 0xF0, 0xF0}), (rgb{0, 0, 0}));
}

}  // namespace
}  // namespace velorin::skin
