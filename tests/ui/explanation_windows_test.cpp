// The explanation windows' descriptions: their texts byte for byte in code
// page 936, and the records their windows are built from.
#include "ui/explanation_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace velorin {
namespace {

struct text_case {
    const char* window;
    std::string_view text;
    std::size_t bytes;
    std::size_t line_breaks;
};

class ExplanationText : public ::testing::TestWithParam<text_case> {};

TEST_P(ExplanationText, HasItsLengthLinesAndContactWithoutAFinalBreak) {
    const text_case& c = GetParam();
    EXPECT_EQ(c.text.size(), c.bytes);
    std::size_t breaks = 0;
    for (std::size_t at = c.text.find("\r\n"); at != std::string_view::npos;
         at = c.text.find("\r\n", at + 2)) {
        ++breaks;
    }
    EXPECT_EQ(breaks, c.line_breaks);
    // No lone CR or LF besides the pairs.
    EXPECT_EQ(std::count(c.text.begin(), c.text.end(), '\r'), static_cast<long>(breaks));
    EXPECT_EQ(std::count(c.text.begin(), c.text.end(), '\n'), static_cast<long>(breaks));
    EXPECT_TRUE(c.text.ends_with("\r\n有疑问联系QQ群：61580329"));
    EXPECT_EQ(c.text.find('\0'), std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(BothWindows, ExplanationText,
                         ::testing::Values(text_case{"days", days_method_text, 425, 6},
                                           text_case{"potential", potential_help_text, 632, 15}),
                         [](const auto& info) { return std::string(info.param.window); });

TEST(ExplanationText, LinesReadAsWritten) {
    EXPECT_TRUE(days_method_text.starts_with("目标等级所需经验：会自动填入"));
    EXPECT_NE(days_method_text.find("\r\n\r\n预计每日所得经验：假如每天8小时能刷8500点经验+"),
              std::string_view::npos);
    EXPECT_NE(days_method_text.find("就填入11180。除了"), std::string_view::npos);
    EXPECT_TRUE(potential_help_text.starts_with("潜能系统共分五类\r\n精准操作：三段"));
    EXPECT_NE(potential_help_text.find("\r\n3.需要计算II 0/5 升级到 II 1/5 的金币，输入6-6，"
                                       "最后一级输入15-15\r\n\r\n\r\n五大类"),
              std::string_view::npos);
    EXPECT_NE(potential_help_text.find("自动显示所需要的金币\r\n\r\n有疑问"),
              std::string_view::npos);
}

struct window_case {
    const window_record* window;
    std::string_view title;
    int outer_width, outer_height;
    bool always_on_top;
    int group_left, group_top, group_width, group_height;
    int label_left, label_top, label_width, label_height;
    std::string_view text;
};

class ExplanationWindow : public ::testing::TestWithParam<window_case> {};

TEST_P(ExplanationWindow, IsAGroupWithAWrappedLabel) {
    const window_case& c = GetParam();
    const window_record& w = *c.window;
    EXPECT_EQ(w.title, c.title);
    EXPECT_EQ(w.outer_width, c.outer_width);
    EXPECT_EQ(w.outer_height, c.outer_height);
    EXPECT_EQ(w.always_on_top, c.always_on_top);
    EXPECT_TRUE(w.esc_closes);
    EXPECT_EQ(w.background, button_face);
    EXPECT_EQ(w.on_created, nullptr);
    ASSERT_EQ(w.controls.size(), 2u);

    const control_record& group = w.controls[0];
    EXPECT_EQ(group.name, "分组框1");
    EXPECT_EQ(group.kind, control_kind::group_box);
    EXPECT_EQ(group.parent, "");
    EXPECT_EQ(group.text, "");
    EXPECT_EQ(group.background, button_face);
    EXPECT_EQ((std::array{group.left, group.top, group.width, group.height}),
              (std::array{c.group_left, c.group_top, c.group_width, c.group_height}));

    const control_record& label = w.controls[1];
    EXPECT_EQ(label.name, "标签1");
    EXPECT_EQ(label.kind, control_kind::label);
    EXPECT_EQ(label.parent, "分组框1");
    EXPECT_TRUE(label.word_wrap);
    EXPECT_EQ(label.background, white);
    EXPECT_EQ(label.text, c.text);
    EXPECT_EQ((std::array{label.left, label.top, label.width, label.height}),
              (std::array{c.label_left, c.label_top, c.label_width, c.label_height}));

    for (const control_record& r : w.controls) {
        EXPECT_TRUE(r.visible) << r.name;
        EXPECT_FALSE(r.tab_stop) << r.name;
        EXPECT_EQ(r.on_click, nullptr) << r.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, ExplanationWindow,
    ::testing::Values(window_case{&days_method_window, "升级天数计算方式", 371, 200, true, 6, 1,
                                  354, 167, 6, 12, 336, 151, days_method_text},
                      window_case{&potential_help_window, "潜能计算填写说明", 448, 259, false, 6, 2,
                                  432, 224, 8, 16, 416, 200, potential_help_text}),
    [](const auto& info) { return info.param.always_on_top ? "days" : "potential"; });

}  // namespace
}  // namespace velorin
