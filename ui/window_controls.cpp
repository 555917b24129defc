#include "ui/window_controls.h"

#include <windows.h>

#include "ui/kinds/kinds.h"
#include "ui/message_box.h"
#include "ui/wide_text.h"
#include "ui/window_state.h"

namespace velorin {

namespace {

// A control's rectangle relative to its parent's client area.
RECT rectangle_in_parent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

std::string window_controls::text(std::string_view control) {
    HWND handle = state_.handle(control);
    return handle ? cp936_from_wide(window_text(handle)) : std::string();
}

void window_controls::set_text(std::string_view control, std::string_view text) {
    const int index = state_.find(control);
    HWND handle = state_.handle(control);
    if (!handle) {
        return;
    }
    // The edit box reports the program's own write as a change too; the
    // event is raised below, exactly once.
    HWND outer_write = state_.writing;
    state_.writing = handle;
    SetWindowTextW(handle, wide_from_cp936(text).c_str());
    state_.writing = outer_write;
    raise_change(index);
}

void window_controls::set_caption(std::string_view control, std::string_view caption) {
    if (HWND handle = state_.handle(control)) {
        SetWindowTextW(handle, wide_from_cp936(caption).c_str());
    }
}

int window_controls::top(std::string_view control) {
    HWND handle = state_.handle(control);
    return handle ? rectangle_in_parent(handle).top : 0;
}

void window_controls::set_top(std::string_view control, int top) {
    if (HWND handle = state_.handle(control)) {
        const RECT r = rectangle_in_parent(handle);
        SetWindowPos(handle, nullptr, r.left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int window_controls::height(std::string_view control) {
    HWND handle = state_.handle(control);
    if (!handle) {
        return 0;
    }
    const RECT r = rectangle_in_parent(handle);
    return r.bottom - r.top;
}

void window_controls::show_message(std::string_view message) {
    show_message_box(message);
}

void window_controls::raise_change(int index) {
    if (index < 0 || state_.building) {
        return;
    }
    if (const handler on_change =
            state_.record.controls[static_cast<std::size_t>(index)].on_change) {
        on_change(*this);
    }
}

}  // namespace velorin
