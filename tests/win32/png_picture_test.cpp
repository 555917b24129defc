// The donation pictures as this test program embeds them, the same way the
// calculator does: found among the resources and decoded into 32-bit pixels.
#include "ui/png_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"

namespace velorin {
namespace {

struct pixel {
    std::uint8_t blue, green, red, alpha;
    bool operator==(const pixel&) const = default;
};

void PrintTo(const pixel& p, std::ostream* out) {
    *out << "BGRA(" << int{p.blue} << ", " << int{p.green} << ", " << int{p.red} << ", "
         << int{p.alpha} << ")";
}

pixel pixel_at(const decoded_picture& picture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {picture.bgra[at], picture.bgra[at + 1], picture.bgra[at + 2], picture.bgra[at + 3]};
}

struct asset_case {
    const char* name;
    int resource;
    int width, height;
    pixel rim;  // the card's colour at the alpha of its translucent rim
};

constexpr std::array assets = {
    asset_case{"WeChat", VELORIN_PICTURE_WECHAT, 317, 316, {96, 193, 7, 112}},
    asset_case{"Alipay", VELORIN_PICTURE_ALIPAY, 295, 287, {255, 119, 22, 112}},
};

TEST(PngPicture, DecodesBothDonationPictures) {
    for (const asset_case& asset : assets) {
        SCOPED_TRACE(asset.name);
        const decoded_picture picture = decode_png(resource_bytes(asset.resource));
        ASSERT_FALSE(picture.empty());
        EXPECT_EQ(picture.width, asset.width);
        EXPECT_EQ(picture.height, asset.height);
        ASSERT_EQ(picture.bgra.size(), static_cast<std::size_t>(asset.width) * asset.height * 4);

        const int right = asset.width - 1;
        const int bottom = asset.height - 1;
        // The rounded corners fade out to nothing.
        for (const auto& [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
            EXPECT_EQ(pixel_at(picture, x, y).alpha, 0) << x << ", " << y;
        }
        // The straight edges are the translucent rim, untouched by decoding.
        EXPECT_EQ(pixel_at(picture, 0, asset.height / 2), asset.rim);
        EXPECT_EQ(pixel_at(picture, asset.width / 2, bottom), asset.rim);
        // Inside the rim the card is opaque, and the code's panel white.
        EXPECT_EQ(pixel_at(picture, 8, asset.height / 2).alpha, 255);
        EXPECT_EQ(pixel_at(picture, asset.width / 2, 72 + 4), (pixel{255, 255, 255, 255}));
    }
}

TEST(PngPicture, GivesNoPictureForBytesThatAreNone) {
    const std::span<const std::uint8_t> good = resource_bytes(VELORIN_PICTURE_WECHAT);
    ASSERT_FALSE(good.empty());
    std::vector<std::uint8_t> damaged(good.begin(), good.end());
    damaged[damaged.size() / 2] ^= 0xFF;  // inside the compressed pixels
    std::vector<std::uint8_t> wrong_signature(good.begin(), good.end());
    wrong_signature[1] = 'X';
    const std::vector<std::uint8_t> cut_short(good.begin(), good.begin() + good.size() / 2);
    const std::vector<std::uint8_t> header_only(good.begin(), good.begin() + 33);

    const std::array<std::pair<const char*, std::span<const std::uint8_t>>, 5> cases = {{
        {"damaged pixel data", damaged},
        {"wrong signature", wrong_signature},
        {"cut short", cut_short},
        {"header only", header_only},
        {"no bytes", {}},
    }};
    for (const auto& [what, bytes] : cases) {
        EXPECT_TRUE(decode_png(bytes).empty()) << what;
    }
}

TEST(PngPicture, FindsNoResourceThatIsNotThere) {
    EXPECT_TRUE(resource_bytes(0).empty());
    EXPECT_TRUE(resource_bytes(4321).empty());
}

}  // namespace
}  // namespace velorin
