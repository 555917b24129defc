// Creating the controls of each kind, with the properties their records give.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window_description.h"

namespace velorin {

struct window_state;

// Everything a control is created from. Controls are created hidden.
struct control_creation {
    HWND parent;
    const control_record& record;
    int id;
    HFONT font;
};

HWND create_edit_box(const control_creation& c);
HWND create_label(const control_creation& c);
HWND create_button(const control_creation& c);
HWND create_group_box(const control_creation& c);
HWND create_picture_box(const control_creation& c);
HWND create_tab_control(const control_creation& c);

// Shows the controls of the tab control's page (1 or 2) whose visible flag is
// set and hides those of the other page.
void show_tab_page(window_state& state, int page);

// The page chosen in the window's tab control.
int current_tab_page(const window_state& state);

// Containers (group boxes, the tab control) pass their children's
// notifications and colour requests on to the top-level window, which owns
// the handlers. Returns true when the message was passed on.
bool forward_to_window(HWND container, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// The whole text of a window: a caption or a title.
std::wstring window_text(HWND window);

// The common styles of a child control created from its record.
DWORD child_style(const control_record& record);

// Creates a child window of a class of the program's own, with the record
// kept in the window for its drawing.
HWND create_own_child(const wchar_t* class_name, WNDPROC procedure, const control_creation& c,
                      DWORD style = 0, DWORD ex_style = 0);

// The record and font kept in a window of the program's own classes.
const control_record& own_record(HWND window);
HFONT own_font(HWND window);
// Handles WM_SETFONT and WM_GETFONT for the program's own classes.
bool handle_font_message(HWND window, UINT message, WPARAM wparam, LRESULT& result);

}  // namespace velorin
