// The supporter list on the real program under Wine, served by the local
// test site: the page shown in 标签20 as code page 936, cut at a zero byte,
// empty without a site, and scrolling in every case.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver.h"
#include "tests/e2e/site_control.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";

// A literal with its zero bytes.
template <std::size_t size>
std::string bytes(const char (&literal)[size]) {
    return std::string(literal, size - 1);
}

struct supporter_case {
    const char* name;
    bool answered;     // false: the site drops the connection without an answer
    std::string body;  // the body of /md.html
    std::string shown;
};

class SupporterList : public ::testing::TestWithParam<supporter_case> {
  protected:
    void TearDown() override { EXPECT_TRUE(site_reset()); }
};

// The version page comes from the same site, so the program starts only
// with the site open; a failed read of the list is a connection dropped
// without an answer.
TEST_P(SupporterList, ShowsThePageAndScrolls) {
    const supporter_case& c = GetParam();
    ASSERT_TRUE(site_reset());
    ASSERT_TRUE(c.answered ? site_put_page("/md.html", c.body) : site_put_response("/md.html", ""));
    program app = program::start(calculator_path());
    const window main = app.wait_for_main_window(main_window_title);
    ASSERT_TRUE(main);
    const window label = app.control("标签20");
    EXPECT_EQ(label.text(), c.shown);
    EXPECT_EQ(label.rect_in_parent().height(), 296);

    const int start = label.rect_in_parent().top;
    EXPECT_TRUE(wait_until([&] { return label.rect_in_parent().top != start; }))
        << "the list does not scroll";
    // One cycle is 1.18 s at 10 ms a tick; watch the label for longer.
    bool back_at_top = false;
    for (int i = 0; i < 100; ++i) {
        const int top = label.rect_in_parent().top;
        EXPECT_LE(top, 7);
        EXPECT_GE(top, -117);
        back_at_top = back_at_top || top >= -2;
        Sleep(20);
    }
    EXPECT_TRUE(back_at_top) << "the list never came back to the top";

    EXPECT_EQ(app.control("选择夹1").select_tab(1), outcome::handled);
    EXPECT_TRUE(
        save_png(capture(main), screenshot_path(std::string("supporter-list-") + c.name + ".png")));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SupporterList,
    ::testing::Values(supporter_case{"page", true,
                                     "感谢以下朋友的支持：\r\n张三 李四 王五\r\n<b>赵六</b>",
                                     "感谢以下朋友的支持：\r\n张三 李四 王五\r\n<b>赵六</b>"},
                      supporter_case{"zero_byte", true, bytes("名单：张三\0李四"), "名单：张三"},
                      supporter_case{"no_answer", false, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velorin::e2e
