// Windows are described by static, read-only data: one window record and a
// list of control records, built into real windows by load_window.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/control_access.h"

namespace velorin {

// An event handler: runs on the user-interface thread with access to the
// controls of the window that raised the event.
using handler = void (*)(control_access& window);

// An RGB colour, 0xRRGGBB; button_face stands for the system's colour of
// dialog backgrounds.
using colour = std::uint32_t;
inline constexpr colour white = 0xFFFFFF;
inline constexpr colour button_face = 0xFF000000;

enum class control_kind : std::uint8_t {
    edit_box,
    label,
    button,
    group_box,
    picture_box,
    tab_control,
    timer,
    web_view,
};

enum class input_mode : std::uint8_t { normal, read_only, integer };

enum class control_font : std::uint8_t {
    default_gui,
    gb2312_12px,  // character height 12, weight 400, GB2312, no face name
};

// An embedded picture: the ID of the program's raw-data resource that holds
// the stored bytes of a PNG file; 0 for none.
struct picture {
    int resource = 0;
};

struct control_record {
    std::string_view name;  // unique within its window; its ID derives from it
    control_kind kind;
    std::string_view parent = {};  // empty: the window itself
    int page = 0;             // 1 or 2 for direct children of a tab control
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool disabled = false;
    bool tab_stop = false;

    // Kind properties; each kind reads the ones that concern it.
    std::string_view text = {};  // content, caption, title, or a web view's start address
    std::span<const std::string_view> pages = {};  // a tab control's page captions
    input_mode input = input_mode::normal;
    int max_length = 0;  // 0: no limit
    colour background = white;
    bool word_wrap = false;
    bool border = false;  // a picture box's thin single-line border
    control_font font = control_font::default_gui;
    picture image{};      // a picture box's picture; none when empty
    int interval_ms = 0;  // a timer's interval

    // Bound events.
    handler on_change = nullptr;  // an edit box's text changed
    handler on_click = nullptr;   // a button was clicked
    handler on_tick = nullptr;    // a timer expired
};

// Every window of the program has a fixed single border, a title bar with
// system menu, close and minimise buttons, the application icon and the
// default GUI font, no owner, and a task-bar button; it opens centred on the
// primary screen, whatever its stored place says.
struct window_record {
    std::string_view title;
    int outer_width, outer_height;          // frame and title bar included
    int stored_left = 50, stored_top = 50;  // the design-time place, not used
    bool always_on_top = false;
    bool esc_closes = true;
    colour background = button_face;
    handler on_created = nullptr;  // after the controls exist, before the window shows
    std::span<const control_record> controls;
};

}  // namespace velorin
