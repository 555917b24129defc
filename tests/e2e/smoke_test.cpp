// The calculator starts, shows its main window with its title and size,
// and ends cleanly when the window is closed.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/driver.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";

std::size_t distinct_colours(const image& picture) {
    std::set<std::uint32_t> colours;
    for (std::size_t at = 0; at + 3 < picture.bgra.size(); at += 4) {
        colours.insert(static_cast<std::uint32_t>(picture.bgra[at] | picture.bgra[at + 1] << 8 |
                                                  picture.bgra[at + 2] << 16));
    }
    return colours.size();
}

TEST(Smoke, MainWindowShowsWithItsTitleAndSizeAndClosesWithExitCodeZero) {
    program app = program::start(calculator_path());
    const window main = app.wait_for_main_window(main_window_title);
    ASSERT_TRUE(main) << "no window titled " << main_window_title;

    const rect outer = main.outer_rect();
    EXPECT_EQ(outer.width(), 499);
    EXPECT_EQ(outer.height(), 465);

    const image shot = capture(main);
    EXPECT_EQ(shot.width, 499);
    EXPECT_EQ(shot.height, 465);
    // A frame, a title and a client area: a capture of one colour missed the window.
    EXPECT_GT(distinct_colours(shot), 2u);
    EXPECT_TRUE(save_png(shot, screenshot_path("main-window-smoke.png")));
    EXPECT_TRUE(no_message_box_open(app));

    main.close();
    EXPECT_EQ(app.wait_for_exit(), 0u);
}

}  // namespace
}  // namespace velorin::e2e
