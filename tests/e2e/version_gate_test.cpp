// The version gate at start: the main window opens only when the version
// page names exactly "1.0"; otherwise the update message shows, no window
// is built, and the program ends with exit code 0.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"
#include "tests/e2e/site_control.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";
constexpr char update_message[] = "当前版本已更新，下载地址QQ群：61580329！";

// The version page is UTF-8, as the maker's site serves it.
std::string utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

class VersionGate : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(site_reset()); }
    void TearDown() override { site_reset(); }

    // Starts the program and expects the update message as its only window,
    // then its end with exit code 0 once the message is closed.
    void expect_refused(milliseconds wait = default_timeout) {
        program app = program::start(calculator_path());
        const auto shown = app.wait_for_message_box(wait);
        ASSERT_TRUE(shown) << "no update message";
        EXPECT_EQ(shown->title, "信息：");
        EXPECT_EQ(shown->text, update_message);
        EXPECT_EQ(app.windows().size(), 1u) << "a window besides the message";
        app.dismiss_message_box();
        EXPECT_EQ(app.wait_for_exit(), 0u);
    }
};

TEST_F(VersionGate, OpensTheMainWindowForExactlyTheProgramsVersion) {
    ASSERT_TRUE(site_put_page("/version.html", utf8(u8"<p>最新版本=1.0<br>下载</p>")));
    program app = program::start(calculator_path());
    const window main = app.wait_for_main_window(main_window_title);
    ASSERT_TRUE(main);
    EXPECT_TRUE(no_message_box_open(app));
    main.close();
    EXPECT_EQ(app.wait_for_exit(), 0u);

    // The program asked with one plain GET of the version page.
    const auto requests = site_requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front().rfind("GET /version.html HTTP/1.1\r\n", 0), 0u) << requests.front();
}

TEST_F(VersionGate, ShowsTheUpdateMessageForAnyOtherVersionText) {
    const std::u8string_view pages[] = {
        u8"最新版本=1.00<br>",
        u8"最新版本=0.9<br>",
        u8"最新版本= 1.0<br>",
        u8"最新版本=1.0 <br>",
        u8"最新版本=2.0<br>最新版本=1.0<br>",
        u8"最新版本=1.0",
        u8"版本=1.0<br>",
    };
    for (const auto page : pages) {
        SCOPED_TRACE(utf8(page));
        ASSERT_TRUE(site_put_page("/version.html", utf8(page)));
        expect_refused();
    }
}

TEST_F(VersionGate, ShowsTheUpdateMessageWhenTheSiteCannotBeRead) {
    ASSERT_TRUE(site_put_response("/version.html", "HTTP/1.1 404 Not Found\r\n\r\n"));
    expect_refused();
    ASSERT_TRUE(site_mode("closed"));
    expect_refused();
    // A server that never answers holds start-up only until the fetch's
    // time-outs end it.
    ASSERT_TRUE(site_mode("silent"));
    expect_refused(milliseconds(60000));
}

}  // namespace
}  // namespace velorin::e2e
