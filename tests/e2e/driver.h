// Drives the calculator under Wine as a user would: starts it, finds its
// windows and controls by name, types, pastes, clicks and presses keys,
// reads texts and geometry, handles its message boxes and takes screenshots.
//
// Texts crossing this interface are code page 936 byte strings, like every
// text of the program.
//
// Actions that can make the program open a message box inside its handler
// are delivered asynchronously and return an outcome: either the program
// finished handling them, or one of its message boxes appeared (the handler
// is then still running, inside the box's loop).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
// For the std::chrono durations and clocks: <chrono> itself does not compile
// with code page 936 as the execution charset (GCC 12's <chrono> spells the
// unit "µs", which code page 936 has no character for).
#include <thread>
#include <vector>

namespace velorin::e2e {

using std::chrono::milliseconds;

inline constexpr milliseconds default_timeout{5000};

// Wine shows the Linux root as drive Z:, so an absolute Linux path becomes
// "Z:\..."; any other path is returned unchanged.
std::string windows_path(std::string_view path);

// The calculator's .exe of this build, as a path the program can start.
std::string calculator_path();

// Polls the condition every 10 ms, handling this thread's messages in
// between, until it holds or the time-out passes; returns whether it held.
bool wait_until(const std::function<bool()>& condition, milliseconds timeout = default_timeout);

enum class outcome {
    handled,      // the program finished handling the action
    message_box,  // a message box of the program appeared while handling it
    timed_out,    // neither happened within the time-out
};
std::ostream& operator<<(std::ostream& out, outcome value);

struct rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const rect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const rect& value);

// A window of any process: a top-level window or a control. A default one
// refers to no window.
class window {
  public:
    window() = default;
    explicit window(HWND handle) : handle_(handle) {}

    HWND handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    bool operator==(const window&) const = default;

    bool exists() const;
    DWORD process_id() const;
    window parent() const;
    window top_level() const;

    // Finds a control anywhere under this window, through group boxes and
    // tab pages; throws when there is none. control("编辑框1") looks for the
    // ID velorin::control_id gives that name.
    window control(std::string_view name) const;
    window control_with_id(int id) const;

    std::string text() const;
    std::string class_name() const;

    // Replaces the text with WM_SETTEXT, as pasting does: the typing filter
    // never sees it.
    outcome paste(std::string_view text, milliseconds timeout = default_timeout) const;
    // Sends each character as WM_CHAR; stops at the first character that
    // opens a message box.
    outcome type(std::string_view text, milliseconds timeout = default_timeout) const;
    outcome click(milliseconds timeout = default_timeout) const;
    // Posts WM_KEYDOWN and WM_KEYUP through the program's message loop. The
    // keyboard state stays unchanged: use send_keys for combinations.
    outcome press(WORD virtual_key, milliseconds timeout = default_timeout) const;
    // Focuses this window and types the keys as real keyboard input: pressed
    // in the order given, released in reverse, e.g. {VK_SHIFT, VK_TAB}.
    outcome send_keys(std::initializer_list<WORD> keys,
                      milliseconds timeout = default_timeout) const;
    // Brings the top-level window to the foreground and gives this window
    // the keyboard focus.
    void focus() const;
    void close() const;

    // Tab controls.
    int tab_count() const;
    int selected_tab() const;
    // Clicks the centre of the tab's item, as a user switches pages.
    outcome select_tab(int index, milliseconds timeout = default_timeout) const;

    // The outer rectangle, in screen coordinates.
    rect outer_rect() const;
    // The outer rectangle, in the parent's client coordinates.
    rect rect_in_parent() const;
    bool visible() const;
    bool enabled() const;
    bool iconic() const;
    bool topmost() const;
    LONG_PTR extended_style() const;

  private:
    HWND handle_ = nullptr;
};
std::ostream& operator<<(std::ostream& out, const window& value);

struct message_box_info {
    window box;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
};

// A started program; destroying it kills the program if it still runs.
class program {
  public:
    static constexpr UINT killed_exit_code = 0xDEAD;

    // The path may be a Linux path (see windows_path); an empty working
    // directory leaves the driver's own.
    static program start(std::string_view path, std::string_view arguments = {},
                         std::string_view working_directory = {});

    program(program&& other) noexcept;
    program& operator=(program&& other) noexcept;
    ~program();

    DWORD id() const { return id_; }
    bool running() const;
    std::optional<DWORD> wait_for_exit(milliseconds timeout = default_timeout) const;
    void kill();

    // The process's visible top-level windows, message boxes included.
    std::vector<window> windows() const;
    window wait_for_window(std::string_view title, milliseconds timeout = default_timeout) const;
    window wait_for_window_of_class(std::string_view class_name,
                                    milliseconds timeout = default_timeout) const;
    // Waits for the window by its title and for the program to wait for
    // input, and keeps the window as the main window, whose controls
    // control() finds.
    window wait_for_main_window(std::string_view title, milliseconds timeout = default_timeout);
    window main_window() const { return main_window_; }
    window control(std::string_view name) const;
    // The window that has the keyboard focus in the program's main thread.
    window focused() const;

    // The visible message box, if one is open.
    std::optional<message_box_info> message_box() const;
    std::optional<message_box_info> wait_for_message_box(
        milliseconds timeout = default_timeout) const;
    bool wait_until_no_message_box(milliseconds timeout = default_timeout) const;
    // Clicks the open box's OK button and waits until the box is gone and
    // the program has finished what it was doing, or opened the next box.
    // Throws when no box is open.
    outcome dismiss_message_box(milliseconds timeout = default_timeout) const;

  private:
    program(HANDLE process, DWORD id, DWORD thread_id)
        : process_(process), id_(id), thread_id_(thread_id) {}

    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    DWORD thread_id_ = 0;
    window main_window_;
};

// For EXPECT_TRUE: fails with the box's title and text when one is open.
::testing::AssertionResult no_message_box_open(const program& app);

struct color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const color&) const = default;
};
std::ostream& operator<<(std::ostream& out, const color& value);

// 32-bit pixels, top row first, bytes in the order blue, green, red, alpha.
struct image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;

    color pixel(int x, int y) const;
};

// What the screen shows of a top-level window's outer rectangle, once the
// window has painted everything.
image capture(const window& top_level, milliseconds timeout = default_timeout);
image capture_screen(const rect& area);
bool save_png(const image& picture, const std::string& path);
// The file's path in the folder $VELORIN_SCREENSHOTS (created if missing),
// or in the current folder when the variable is unset.
std::string screenshot_path(std::string_view file_name);

}  // namespace velorin::e2e
