// The two explanation windows on the real program under Wine: one instance
// each, restored or activated by their buttons, independent of the main
// window and of each other, topmost or not, closed by Esc one at a time,
// centred at every opening, and keeping the program alive after the main
// window has closed.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";
constexpr char days_title[] = "升级天数计算方式";
constexpr char potential_title[] = "潜能计算填写说明";
constexpr int screen_width = 1920;
constexpr int screen_height = 1080;

rect centred(int width, int height) {
    const int left = (screen_width - width) / 2;
    const int top = (screen_height - height) / 2;
    return {left, top, left + width, top + height};
}

// Whether the upper window lies above the lower one in the stack of
// top-level windows.
bool above(const window& upper, const window& lower) {
    for (HWND w = GetWindow(lower.handle(), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == upper.handle()) {
            return true;
        }
    }
    return false;
}

// A real left click on the title bar, as a user activates a window.
void click_title_bar(const window& top_level) {
    const rect outer = top_level.outer_rect();
    SetCursorPos(outer.left + outer.width() / 3, outer.top + GetSystemMetrics(SM_CYCAPTION) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

class ExplanationWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        main = app.wait_for_main_window(main_window_title);
        ASSERT_TRUE(main) << "no main window";
    }

    std::vector<window> windows_titled(std::string_view title) const {
        std::vector<window> found;
        for (const window& w : app.windows()) {
            if (w.text() == title) {
                found.push_back(w);
            }
        }
        return found;
    }

    window open(std::string_view button, std::string_view title) const {
        EXPECT_EQ(app.control(button).click(), outcome::handled);
        return app.wait_for_window(title);
    }

    bool gone(const window& w) const {
        return wait_until([&] { return !w.exists(); });
    }

    program app = program::start(calculator_path());
    window main;
};

TEST_F(ExplanationWindows, OneInstanceRestoredOrActivatedByItsButton) {
    const window days = open("按钮3", days_title);
    ASSERT_TRUE(days);
    EXPECT_EQ(days.outer_rect(), centred(371, 200));
    EXPECT_EQ(open("按钮3", days_title), days);
    EXPECT_EQ(windows_titled(days_title).size(), 1u);

    ShowWindowAsync(days.handle(), SW_MINIMIZE);
    ASSERT_TRUE(wait_until([&] { return days.iconic(); }));
    EXPECT_EQ(app.control("按钮3").click(), outcome::handled);
    EXPECT_TRUE(wait_until([&] { return !days.iconic() && days.visible(); }));
    EXPECT_EQ(windows_titled(days_title).size(), 1u);
    EXPECT_EQ(days.outer_rect(), centred(371, 200));
}

TEST_F(ExplanationWindows, BothOpenBesideAUsableMainWindow) {
    // Each is photographed while it is the newest window on the screen.
    const window days = open("按钮3", days_title);
    ASSERT_TRUE(days);
    EXPECT_TRUE(save_png(capture(days), screenshot_path("explanation-days-method.png")));
    const window potential = open("按钮9", potential_title);
    ASSERT_TRUE(potential);
    EXPECT_TRUE(save_png(capture(potential), screenshot_path("explanation-potential-help.png")));
    EXPECT_EQ(potential.outer_rect(), centred(448, 259));

    for (const window& w : {days, potential}) {
        EXPECT_FALSE(w.parent()) << w;
        EXPECT_EQ(GetWindow(w.handle(), GW_OWNER), nullptr) << w;
        EXPECT_TRUE(w.extended_style() & WS_EX_APPWINDOW) << w;
        EXPECT_TRUE(w.enabled()) << w;
    }
    EXPECT_TRUE(days.topmost());
    EXPECT_FALSE(potential.topmost());

    // The main window still calculates while both are open.
    EXPECT_TRUE(main.enabled());
    EXPECT_EQ(app.control("编辑框1").type("1"), outcome::handled);
    EXPECT_EQ(app.control("编辑框2").type("30"), outcome::handled);
    EXPECT_EQ(app.control("按钮1").click(), outcome::handled);
    EXPECT_EQ(app.control("编辑框3").text(), "45370");

    // The user clicks the main window's title bar: the days window stays
    // above it, the potential window is an ordinary window it may cover.
    click_title_bar(main);
    ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == main.handle(); }));
    EXPECT_TRUE(days.topmost());
    EXPECT_TRUE(above(days, main));
    EXPECT_TRUE(above(days, potential));
    EXPECT_TRUE(save_png(capture_screen(main.outer_rect()),
                         screenshot_path("explanation-over-main-window.png")));
}

TEST_F(ExplanationWindows, EscClosesOnlyTheFocusedWindowAndReopeningCentresAgain) {
    const window days = open("按钮3", days_title);
    const window potential = open("按钮9", potential_title);
    ASSERT_TRUE(days);
    ASSERT_TRUE(potential);

    // Moved away, so that a new one shows where it opens, not where it was.
    SetWindowPos(potential.handle(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    potential.focus();
    potential.send_keys({VK_ESCAPE});
    EXPECT_TRUE(gone(potential));
    EXPECT_TRUE(days.exists());
    EXPECT_TRUE(main.exists());

    const window again = open("按钮9", potential_title);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.outer_rect(), centred(448, 259));

    days.focus();
    days.send_keys({VK_ESCAPE});
    EXPECT_TRUE(gone(days));
    EXPECT_TRUE(again.exists());
    EXPECT_TRUE(main.exists());
    EXPECT_EQ(windows_titled(days_title).size(), 0u);
}

TEST_F(ExplanationWindows, TheProgramRunsUntilItsLastWindowCloses) {
    const window potential = open("按钮9", potential_title);
    ASSERT_TRUE(potential);
    main.close();
    ASSERT_TRUE(gone(main));
    EXPECT_FALSE(app.wait_for_exit(std::chrono::milliseconds(1000)));
    EXPECT_TRUE(potential.visible());

    potential.close();
    EXPECT_EQ(app.wait_for_exit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace velorin::e2e
