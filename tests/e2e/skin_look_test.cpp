// The look the skin gives the real main window: the window is built in this
// process on a thread of its own, without the skin, with it, and with it
// shifted in hue, and each look is captured for a person to judge.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "skin/skin_library.h"
#include "tests/e2e/driver.h"
#include "ui/load_window.h"
#include "ui/main_window.h"
#include "ui/wide_text.h"

namespace velorin::e2e {
namespace {

constexpr char main_window_title[] = "Velorin等级经验计算器 V1.0  QQ群：61580329";

struct look {
    const char* file;
    bool skinned;
    int hue;
};

// Builds the main window on a new thread (the engine skins the windows of
// the thread that attached it), captures it and closes it again.
image capture_main_window(const look& l, bool& attached) {
    image shot;
    std::thread([&] {
        attached = l.skinned && attach_skin(embedded_skin(), "", l.hue, 0, 0);
        load_window(main_window);
        HWND main = FindWindowW(nullptr, wide_from_cp936(main_window_title).c_str());
        if (main) {
            shot = capture(window(main));
            DestroyWindow(main);
        }
    }).join();
    return shot;
}

TEST(SkinLook, TheMainWindowWithoutAndWithTheSkin) {
    const look looks[] = {
        {"skin-none.png", false, 0},
        {"skin-attached.png", true, 0},
        {"skin-hue-120.png", true, 120},
    };
    image plain;
    for (const look& l : looks) {
        bool attached = false;
        const image shot = capture_main_window(l, attached);
        EXPECT_EQ(attached, l.skinned) << l.file;
        ASSERT_GT(shot.width, 0) << l.file;
        EXPECT_TRUE(save_png(shot, screenshot_path(l.file)));
        if (!l.skinned) {
            plain = shot;
        } else {
            EXPECT_NE(shot.bgra, plain.bgra) << l.file << " looks like the window without the skin";
        }
    }
}

}  // namespace
}  // namespace velorin::e2e
