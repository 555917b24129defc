// The support page's donation pictures on the real program under Wine:
// each centred and shrunk into its box, white around it, its translucent
// edge laid over the white background and its transparent corners white.
#include <gtest/gtest.h>

#include <array>

#include "tests/e2e/driver.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";
constexpr color white{255, 255, 255};

struct picture_case {
    const char* box;
    rect drawn;  // in the box's client area
    // The card's translucent rim (its colour at alpha 112) over white:
    // alpha ÷ 255 × channel + (1 − alpha ÷ 255) × 255, truncated.
    color rim;
};

constexpr std::array pictures = {
    // 317 × 316, green (7, 193, 96) rim.
    picture_case{"图片框2", {10, 0, 10 + 190, 0 + 189}, {146, 227, 185}},
    // 295 × 287, blue (22, 119, 255) rim.
    picture_case{"图片框3", {7, 0, 7 + 195, 0 + 190}, {152, 195, 255}},
};

// A box's pixels in a capture of the main window, in box coordinates.
class box_view {
  public:
    box_view(const image& shot, const rect& window, const rect& box)
        : shot_(shot), dx_(box.left - window.left), dy_(box.top - window.top) {}
    color at(int x, int y) const { return shot_.pixel(dx_ + x, dy_ + y); }

  private:
    const image& shot_;
    int dx_, dy_;
};

TEST(SupportPage, DrawsEachPictureCentredShrunkAndBlendedOverWhite) {
    program app = program::start(calculator_path());
    const window main = app.wait_for_main_window(main_window_title);
    ASSERT_TRUE(main);
    for (const picture_case& c : pictures) {
        EXPECT_FALSE(app.control(c.box).visible()) << c.box << " shows on the calculator page";
    }
    ASSERT_EQ(app.control("选择夹1").select_tab(1), outcome::handled);
    const image shot = capture(main);
    EXPECT_TRUE(save_png(shot, screenshot_path("support-page.png")));

    for (const picture_case& c : pictures) {
        SCOPED_TRACE(c.box);
        const window box = app.control(c.box);
        ASSERT_TRUE(box.visible());
        // Without a border the box's client area is its whole rectangle.
        const rect area = box.outer_rect();
        ASSERT_EQ(area.width(), 210);
        ASSERT_EQ(area.height(), 190);
        const box_view view(shot, main.outer_rect(), area);
        const rect& d = c.drawn;
        const int middle_x = (d.left + d.right) / 2;
        const int middle_y = (d.top + d.bottom) / 2;

        // White around the picture, up to its first and last columns and
        // rows, which show the rim.
        for (int y : {middle_y, d.top + 40, d.bottom - 40}) {
            for (int x = 0; x < d.left; ++x) {
                EXPECT_EQ(view.at(x, y), white) << x << ", " << y;
            }
            for (int x = d.right; x < area.width(); ++x) {
                EXPECT_EQ(view.at(x, y), white) << x << ", " << y;
            }
        }
        for (int y = d.bottom; y < area.height(); ++y) {
            EXPECT_EQ(view.at(middle_x, y), white) << middle_x << ", " << y;
        }
        EXPECT_EQ(view.at(d.left + 1, middle_y), c.rim) << "left edge";
        EXPECT_EQ(view.at(d.right - 2, middle_y), c.rim) << "right edge";
        EXPECT_EQ(view.at(middle_x, d.bottom - 2), c.rim) << "bottom edge";
        EXPECT_NE(view.at(d.left, middle_y), white) << "first column";
        EXPECT_NE(view.at(d.right - 1, middle_y), white) << "last column";
        EXPECT_NE(view.at(middle_x, d.top), white) << "first row";
        EXPECT_NE(view.at(middle_x, d.bottom - 1), white) << "last row";

        // The rounded corners were fully transparent: white now.
        EXPECT_EQ(view.at(d.left, d.top), white) << "top-left corner";
        EXPECT_EQ(view.at(d.right - 1, d.bottom - 1), white) << "bottom-right corner";
    }
}

}  // namespace
}  // namespace velorin::e2e
