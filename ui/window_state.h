// What a built window keeps while it exists: its description, the window
// handles of its controls, and the flags that decide when text-change
// events are raised.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/window_controls.h"
#include "ui/window_description.h"

namespace velorin {

struct window_state {
    explicit window_state(const window_record& record);

    // The index of the named control in the description, or -1.
    int find(std::string_view name) const;
    // The index of the control with this control ID, or -1.
    int find(int id) const;
    HWND handle(std::string_view name) const;

    const window_record& record;
    HWND window = nullptr;
    std::vector<HWND> handles;  // one per control record; none for timers and web views
    window_controls controls;

    bool building = true;    // no events while the window is being built
    HWND writing = nullptr;  // the edit box the program is writing to
    HWND focus = nullptr;    // the control to give the focus back on activation
};

// The state of a window built by load_window, or null for any other window.
window_state* state_of(HWND window);

}  // namespace velorin
