// What a user sees of the main window and its calculator, on the real
// program under Wine: texts, guards and their messages, the typing filter,
// pages, keys, geometry and the total's timer.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        main = app.wait_for_main_window(main_window_title);
        ASSERT_TRUE(main) << "no main window";
    }

    window box(std::string_view name) const { return app.control(name); }
    std::string text(std::string_view name) const { return box(name).text(); }

    // Types into a box as a user who first selects everything in it.
    outcome retype(std::string_view name, std::string_view typed) const {
        SendMessageW(box(name).handle(), EM_SETSEL, 0, -1);
        return box(name).type(typed);
    }

    // Expects exactly one message box with this text, closes it, and
    // expects the program to finish without another.
    void expect_one_message(outcome result, std::string_view message) const {
        ASSERT_EQ(result, outcome::message_box);
        const auto shown = app.message_box();
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->title, "信息：");
        EXPECT_EQ(shown->text, message);
        EXPECT_EQ(shown->buttons.size(), 1u);
        EXPECT_EQ(app.dismiss_message_box(), outcome::handled);
        EXPECT_TRUE(no_message_box_open(app));
    }

    bool total_shows(std::string_view total) const {
        return wait_until([&] { return text("编辑框22") == total; });
    }

    program app = program::start(calculator_path());
    window main;
};

TEST_F(MainWindow, OpensCentredWithItsSizeOnTheCalculatorPage) {
    const rect outer = main.outer_rect();
    EXPECT_EQ(outer, (rect{710, 307, 710 + 499, 307 + 465}));
    EXPECT_FALSE(main.topmost());
    EXPECT_EQ(main.text(), main_window_title);

    const window tabs = box("选择夹1");
    EXPECT_EQ(tabs.tab_count(), 2);
    EXPECT_EQ(tabs.selected_tab(), 0);
    EXPECT_EQ(tabs.rect_in_parent(), (rect{6, 8, 6 + 480, 8 + 422}));
    EXPECT_EQ(box("编辑框1").rect_in_parent(), (rect{72, 23, 72 + 29, 23 + 24}));
    EXPECT_EQ(box("分组框1").parent(), tabs);
    EXPECT_EQ(box("编辑框7").parent(), box("分组框1"));

    // Initial texts, and no message at start.
    EXPECT_EQ(text("编辑框7"), "1");
    EXPECT_EQ(text("编辑框8"), "15");
    EXPECT_EQ(text("编辑框20"), "10");
    EXPECT_EQ(text("编辑框1"), "");
    EXPECT_TRUE(no_message_box_open(app));
    EXPECT_TRUE(total_shows("0"));

    // The advertising frame lies beyond the right edge of the client area.
    RECT client;
    GetClientRect(main.handle(), &client);
    EXPECT_GE(box("分组框9").rect_in_parent().left, client.right);
    EXPECT_TRUE(save_png(capture(main), screenshot_path("main-window-calculator.png")));
}

TEST_F(MainWindow, TabsShowAndHideExactlyTheirPages) {
    const window tabs = box("选择夹1");
    const char* calculator[] = {"分组框3", "分组框4", "分组框1", "标签1"};
    const char* support[] = {"分组框2", "分组框5", "分组框7", "分组框8", "分组框6"};
    const auto expect_page = [&](bool calculator_shown) {
        for (const char* name : calculator) {
            EXPECT_EQ(box(name).visible(), calculator_shown) << name;
        }
        for (const char* name : support) {
            EXPECT_EQ(box(name).visible(), !calculator_shown) << name;
        }
        EXPECT_EQ(box("编辑框1").visible(), calculator_shown);
        EXPECT_EQ(box("标签4").visible(), !calculator_shown);
    };
    expect_page(true);
    ASSERT_EQ(tabs.select_tab(1), outcome::handled);
    EXPECT_EQ(tabs.selected_tab(), 1);
    expect_page(false);
    // The supporter list's frame lies above the larger frame around it.
    EXPECT_EQ(GetWindow(box("分组框7").handle(), GW_HWNDNEXT), box("分组框8").handle());
    EXPECT_TRUE(save_png(capture(main), screenshot_path("main-window-support.png")));
    ASSERT_EQ(tabs.select_tab(0), outcome::handled);
    expect_page(true);
}

TEST_F(MainWindow, ComputesExperienceAndDays) {
    const struct {
        const char *current, *target, *experience;
    } cases[] = {
        {"1", "2", "110"},      {"59", "60", "15730"}, {"1", "30", "45370"},
        {"30", "60", "238400"}, {"30", "30", "0"},     {"1", "60", "283770"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(box("编辑框1").paste(c.current), outcome::handled);
        ASSERT_EQ(box("编辑框2").paste(c.target), outcome::handled);
        ASSERT_EQ(box("编辑框4").paste("999"), outcome::handled);
        ASSERT_EQ(box("按钮1").click(), outcome::handled);
        EXPECT_EQ(text("编辑框3"), c.experience) << c.current << " to " << c.target;
        EXPECT_EQ(text("编辑框4"), c.experience);
    }

    const struct {
        const char *need, *daily, *days;
    } divisions[] = {
        {"283770", "11180", "25.38193202147"},
        {"10000", "11180", "0.8944543828265"},
        {"100", "8", "12.5"},
        {"500", "0", "1.#INF"},
        {"0", "0", "-1.#IND"},
    };
    for (const auto& d : divisions) {
        ASSERT_EQ(box("编辑框4").paste(d.need), outcome::handled);
        ASSERT_EQ(retype("编辑框5", d.daily), outcome::handled);
        ASSERT_EQ(box("按钮2").click(), outcome::handled);
        // Shown whole, although the box holds 4 typed characters at most.
        EXPECT_EQ(text("编辑框6"), d.days) << d.need << " / " << d.daily;
    }
    EXPECT_TRUE(no_message_box_open(app));
}

TEST_F(MainWindow, LevelGuardsCorrectWithExactlyOneMessage) {
    expect_one_message(box("编辑框1").type("60"), "输入的等级限制1~59！");
    EXPECT_EQ(text("编辑框1"), "1");
    expect_one_message(box("编辑框1").paste(""), "输入的等级限制1~59");
    EXPECT_EQ(text("编辑框1"), "1");
    expect_one_message(box("编辑框2").type("61"), "最高等级为60级！");
    EXPECT_EQ(text("编辑框2"), "60");
    EXPECT_EQ(retype("编辑框2", "0"), outcome::handled);
    EXPECT_EQ(text("编辑框2"), "0");

    expect_one_message(retype("编辑框7", "16"), "输入的等级限制1~15！");
    EXPECT_EQ(text("编辑框7"), "1");
    expect_one_message(retype("编辑框8", "16"), "最高等级为15级！");
    EXPECT_EQ(text("编辑框8"), "15");
    expect_one_message(retype("编辑框19", "11"), "输入的等级限制1~10！");
    EXPECT_EQ(text("编辑框19"), "1");
    expect_one_message(retype("编辑框20", "11"), "最高等级为10级！");
    EXPECT_EQ(text("编辑框20"), "10");
    expect_one_message(box("编辑框13").paste("abc"), "输入的等级限制1~15");
    EXPECT_EQ(text("编辑框13"), "1");
    // No other field was touched by the corrections.
    EXPECT_EQ(text("编辑框10"), "1");
    EXPECT_EQ(text("编辑框11"), "15");
}

TEST_F(MainWindow, IntegerBoxesTakeOnlyDigitsAndMinusWhenTyped) {
    EXPECT_EQ(retype("编辑框7", "a5b"), outcome::handled);
    EXPECT_EQ(text("编辑框7"), "5");
    EXPECT_EQ(retype("编辑框2", "-1-2-"), outcome::handled);
    EXPECT_EQ(text("编辑框2"), "-1-2-");
    // Normal input takes anything; a text that is no number prices nothing.
    EXPECT_EQ(retype("编辑框8", "ab"), outcome::handled);
    EXPECT_EQ(text("编辑框8"), "ab");
    EXPECT_EQ(box("按钮4").click(), outcome::handled);
    EXPECT_EQ(text("编辑框9"), "0");
    // Pasted text is not filtered.
    EXPECT_EQ(box("编辑框2").paste("x9y"), outcome::handled);
    EXPECT_EQ(text("编辑框2"), "x9y");
    EXPECT_TRUE(no_message_box_open(app));
}

TEST_F(MainWindow, ResultBoxesAreReadOnlyButShowTheProgramsWrites) {
    for (const char* name : {"编辑框3", "编辑框6", "编辑框9", "编辑框21", "编辑框22"}) {
        EXPECT_NE(GetWindowLongPtrW(box(name).handle(), GWL_STYLE) & ES_READONLY, 0) << name;
    }
    EXPECT_EQ(GetWindowLongPtrW(box("编辑框1").handle(), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(box("编辑框3").type("77"), outcome::handled);
    EXPECT_EQ(text("编辑框3"), "");
    EXPECT_EQ(box("按钮5").click(), outcome::handled);
    EXPECT_EQ(text("编辑框12"), "107600");
}

TEST_F(MainWindow, GoldRowsAddUpToTheTotalAndResetRestoresDefaults) {
    for (const char* button : {"按钮4", "按钮5", "按钮6", "按钮7", "按钮8"}) {
        ASSERT_EQ(box(button).click(), outcome::handled);
    }
    EXPECT_EQ(text("编辑框9"), "90500");
    EXPECT_EQ(text("编辑框12"), "107600");
    EXPECT_EQ(text("编辑框15"), "107600");
    EXPECT_EQ(text("编辑框18"), "112900");
    EXPECT_EQ(text("编辑框21"), "50900");
    EXPECT_TRUE(total_shows("469500"));

    // A selection made in the total to copy it survives the timer.
    SendMessageW(box("编辑框22").handle(), EM_SETSEL, 1, 4);
    Sleep(100);
    DWORD start = 0, end = 0;
    SendMessageW(box("编辑框22").handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);

    ASSERT_EQ(box("编辑框14").paste("6"), outcome::handled);
    ASSERT_EQ(box("编辑框20").paste("7"), outcome::handled);
    ASSERT_EQ(box("按钮11").click(), outcome::handled);
    EXPECT_TRUE(no_message_box_open(app));
    EXPECT_EQ(text("编辑框14"), "15");
    EXPECT_EQ(text("编辑框20"), "10");
    for (const char* result : {"编辑框9", "编辑框12", "编辑框15", "编辑框18", "编辑框21"}) {
        EXPECT_EQ(text(result), "") << result;
    }
    EXPECT_TRUE(total_shows("0"));
}

TEST_F(MainWindow, TimersTickWhileAMessageBoxIsOpen) {
    ASSERT_EQ(retype("编辑框19", "11"), outcome::message_box);
    EXPECT_FALSE(main.enabled());  // task-modal: no input until it closes
    ASSERT_EQ(box("编辑框9").paste("123"), outcome::handled);
    EXPECT_TRUE(total_shows("123"));
    EXPECT_TRUE(app.message_box());
    EXPECT_EQ(app.dismiss_message_box(), outcome::handled);
    EXPECT_TRUE(main.enabled());
}

TEST_F(MainWindow, TabMovesTheFocusAndEnterDoesNothing) {
    box("编辑框1").focus();
    ASSERT_EQ(box("编辑框1").send_keys({VK_TAB}), outcome::handled);
    EXPECT_EQ(app.focused(), box("编辑框2"));
    ASSERT_EQ(box("编辑框2").send_keys({VK_SHIFT, VK_TAB}), outcome::handled);
    EXPECT_EQ(app.focused(), box("编辑框1"));

    ASSERT_EQ(box("编辑框1").paste("1"), outcome::handled);
    ASSERT_EQ(box("编辑框2").paste("2"), outcome::handled);
    box("按钮1").focus();
    ASSERT_EQ(box("按钮1").send_keys({VK_RETURN}), outcome::handled);
    EXPECT_EQ(app.focused(), box("按钮1"));
    EXPECT_EQ(text("编辑框3"), "");
}

TEST_F(MainWindow, EscClosesTheWindowAndTheProgramEnds) {
    ASSERT_EQ(box("编辑框5").press(VK_ESCAPE), outcome::handled);
    EXPECT_EQ(app.wait_for_exit(), 0u);
}

}  // namespace
}  // namespace velorin::e2e
