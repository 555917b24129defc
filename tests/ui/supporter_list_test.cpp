// The supporter list: the page body as the label's caption, and the scroll
// step's cycle of 118 ticks for the 296-pixel label.
#include "ui/supporter_list.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/fake_window.h"

namespace velorin {
namespace {

using testing::fake_window;

TEST(SupporterList, ShowsTheBodyUpToItsFirstZeroByteUnconverted) {
    struct body_case {
        std::string body;
        std::string shown;
    };
    const body_case cases[] = {
        {"感谢：张三\r\n李四<br>", "感谢：张三\r\n李四<br>"},
        {std::string("名单\0隐藏", 10), "名单"},
        {std::string("\0x", 2), ""},
        {"", ""},
    };
    for (const body_case& c : cases) {
        fake_window window;
        window.set_caption(supporter_label, "old");
        show_supporter_list(window, c.body);
        EXPECT_EQ(window.text(supporter_label), c.shown);
        EXPECT_EQ(supporter_text(), c.shown);
        EXPECT_TRUE(window.writes.empty()) << "a caption raises no text change";
    }
}

class ScrollStep : public ::testing::Test {
  protected:
    void SetUp() override {
        window.set_top(supporter_label, 7);
        window.set_height(supporter_label, 296);
    }

    int tick() {
        scroll_step(window, counter);
        return window.top(supporter_label);
    }

    fake_window window;
    int counter = 0;
};

TEST_F(ScrollStep, ClimbsFromSevenAndJumpsBackOnTheHundredAndEighteenthTick) {
    for (int n = 1; n <= 117; ++n) {
        ASSERT_EQ(tick(), 7 - n) << "tick " << n;
        ASSERT_EQ(counter, n);
    }
    EXPECT_EQ(window.top(supporter_label), -110);
    EXPECT_EQ(tick(), 0) << "tick 118";
    EXPECT_EQ(counter, 0);
    EXPECT_EQ(tick(), -1) << "tick 119 starts the next cycle";
    EXPECT_EQ(counter, 1);
}

TEST_F(ScrollStep, LaterCyclesStartFromTheTop) {
    for (int n = 0; n < 118; ++n) {
        tick();
    }
    for (int cycle = 0; cycle < 3; ++cycle) {
        for (int n = 1; n <= 117; ++n) {
            ASSERT_EQ(tick(), -n) << "cycle " << cycle << " tick " << n;
        }
        ASSERT_EQ(tick(), 0) << "cycle " << cycle << " tick 118";
    }
}

TEST_F(ScrollStep, TheLimitFollowsTheLabelsHeight) {
    struct height_case {
        int height;
        int ticks;  // real_to_int(height / 2) - 30
    };
    for (const height_case c :
         {height_case{296, 118}, height_case{297, 118}, height_case{100, 20}, height_case{62, 1}}) {
        window.set_top(supporter_label, 0);
        window.set_height(supporter_label, c.height);
        counter = 0;
        for (int n = 1; n < c.ticks; ++n) {
            ASSERT_EQ(tick(), -n) << "height " << c.height;
        }
        EXPECT_EQ(tick(), 0) << "height " << c.height;
        EXPECT_EQ(counter, 0) << "height " << c.height;
    }
}

TEST_F(ScrollStep, AHeightBelowTheMarginNeverResets) {
    // The limit is negative: the counter never meets it.
    window.set_height(supporter_label, 40);
    for (int n = 1; n <= 300; ++n) {
        ASSERT_EQ(tick(), 7 - n);
    }
    EXPECT_EQ(counter, 300);
}

}  // namespace
}  // namespace velorin
