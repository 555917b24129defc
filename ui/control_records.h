// Short ways to write the control records of a window description, one line
// a control, with the kinds' shared values filled in.
#pragma once

#include "ui/window_description.h"

namespace velorin::records {

struct place {
    int left, top, width, height;
};

constexpr control_record placed(std::string_view name, control_kind kind, std::string_view parent,
                                place at) {
    return {.name = name,
            .kind = kind,
            .parent = parent,
            .left = at.left,
            .top = at.top,
            .width = at.width,
            .height = at.height};
}

constexpr control_record edit_box(std::string_view name, std::string_view parent, place at,
                                  input_mode input, std::string_view text = {},
                                  handler on_change = nullptr) {
    control_record r = placed(name, control_kind::edit_box, parent, at);
    r.tab_stop = true;
    r.text = text;
    r.input = input;
    r.on_change = on_change;
    return r;
}

constexpr control_record label(std::string_view name, std::string_view parent, place at,
                               std::string_view caption, bool word_wrap = false) {
    control_record r = placed(name, control_kind::label, parent, at);
    r.text = caption;
    r.word_wrap = word_wrap;
    return r;
}

constexpr control_record button(std::string_view name, std::string_view parent, place at,
                                std::string_view caption, handler on_click = nullptr) {
    control_record r = placed(name, control_kind::button, parent, at);
    r.tab_stop = true;
    r.text = caption;
    r.on_click = on_click;
    return r;
}

constexpr control_record group_box(std::string_view name, std::string_view parent, place at,
                                   std::string_view title, colour background = white) {
    control_record r = placed(name, control_kind::group_box, parent, at);
    r.text = title;
    r.background = background;
    return r;
}

constexpr control_record picture_box(std::string_view name, std::string_view parent, place at,
                                     bool border, picture image = {}) {
    control_record r = placed(name, control_kind::picture_box, parent, at);
    r.border = border;
    r.image = image;
    return r;
}

constexpr control_record tab_control(std::string_view name, std::string_view parent, place at,
                                     std::span<const std::string_view> pages) {
    control_record r = placed(name, control_kind::tab_control, parent, at);
    r.pages = pages;
    r.background = button_face;
    return r;
}

// A timer's place is only where it sat at design time.
constexpr control_record timer(std::string_view name, std::string_view parent, place at,
                               int interval_ms, handler on_tick) {
    control_record r = placed(name, control_kind::timer, parent, at);
    r.visible = false;
    r.interval_ms = interval_ms;
    r.on_tick = on_tick;
    return r;
}

constexpr control_record web_view(std::string_view name, std::string_view parent, place at,
                                  std::string_view start_address) {
    control_record r = placed(name, control_kind::web_view, parent, at);
    r.visible = false;
    r.text = start_address;
    return r;
}

// Places a direct child of a tab control on one of its pages.
constexpr control_record on_page(int page, control_record r) {
    r.page = page;
    return r;
}

constexpr control_record with_font(control_font font, control_record r) {
    r.font = font;
    return r;
}

constexpr control_record with_max_length(int max_length, control_record r) {
    r.max_length = max_length;
    return r;
}

}  // namespace velorin::records
