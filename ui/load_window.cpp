#include "ui/load_window.h"

#include <windows.h>

#include <commctrl.h>

#include <map>

#include "resources/resource_ids.h"
#include "ui/colours.h"
#include "ui/control_id.h"
#include "ui/kinds/kinds.h"
#include "ui/web_view.h"
#include "ui/wide_text.h"
#include "ui/window_state.h"

namespace velorin {

namespace {

constexpr wchar_t window_class_name[] = L"VelorinWindow";
constexpr DWORD window_style =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The program's open windows, by description: one instance each.
std::map<const window_record*, HWND>& open_windows() {
    static std::map<const window_record*, HWND> windows;
    return windows;
}

HFONT default_gui_font() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT font_for(control_font font) {
    if (font == control_font::default_gui) {
        return default_gui_font();
    }
    static const HFONT gb2312_12px = CreateFontW(
        -12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"");
    return gb2312_12px;
}

HWND create_control(window_state& state, std::size_t index) {
    const control_record& r = state.record.controls[index];
    const int id = control_id(r.name);
    switch (r.kind) {
        case control_kind::timer:
            SetTimer(state.window, static_cast<UINT_PTR>(id), static_cast<UINT>(r.interval_ms),
                     nullptr);
            return nullptr;
        case control_kind::web_view:
            open_in_background(r.text);
            return nullptr;
        default:
            break;
    }
    HWND parent = r.parent.empty() ? state.window : state.handle(r.parent);
    const control_creation creation{parent, r, id, font_for(r.font)};
    HWND control = nullptr;
    switch (r.kind) {
        case control_kind::edit_box:
            control = create_edit_box(creation);
            break;
        case control_kind::label:
            control = create_label(creation);
            break;
        case control_kind::button:
            control = create_button(creation);
            break;
        case control_kind::group_box:
            control = create_group_box(creation);
            break;
        case control_kind::picture_box:
            control = create_picture_box(creation);
            break;
        case control_kind::tab_control:
            control = create_tab_control(creation);
            break;
        default:
            break;
    }
    if (control) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(creation.font), FALSE);
        // Each sibling goes below the ones before it: the first is on top.
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return control;
}

void show_controls(window_state& state) {
    for (std::size_t i = 0; i < state.record.controls.size(); ++i) {
        const control_record& r = state.record.controls[i];
        if (state.handles[i] && r.visible && r.page == 0) {
            ShowWindow(state.handles[i], SW_SHOWNA);
        }
    }
    show_tab_page(state, 1);
}

void handle_command(window_state& state, WPARAM wparam, LPARAM lparam) {
    const int id = LOWORD(wparam);
    const int code = HIWORD(wparam);
    if (id == IDCANCEL && lparam == 0) {
        // Esc, passed on by the dialog keyboard handling of the message loop.
        if (state.record.esc_closes) {
            PostMessageW(state.window, WM_CLOSE, 0, 0);
        }
        return;
    }
    const int index = state.find(id);
    if (index < 0) {
        return;
    }
    const control_record& r = state.record.controls[static_cast<std::size_t>(index)];
    if (code == EN_CHANGE && reinterpret_cast<HWND>(lparam) != state.writing) {
        state.controls.raise_change(index);
    } else if (code == BN_CLICKED && r.on_click) {
        r.on_click(state.controls);
    }
}

void handle_tick(window_state& state, WPARAM timer_id) {
    const int index = state.find(static_cast<int>(timer_id));
    if (index >= 0) {
        if (const handler on_tick =
                state.record.controls[static_cast<std::size_t>(index)].on_tick) {
            on_tick(state.controls);
        }
    }
}

// Edit boxes are white with black text, read-only ones too; everything else
// that asks gets its parent's background.
LRESULT control_colours(HWND control, HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    wchar_t class_name[16] = {};
    GetClassNameW(control, class_name, 16);
    if (lstrcmpiW(class_name, L"Edit") == 0) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(colour_brush(white));
    }
    HWND parent = GetParent(control);
    window_state* state = state_of(GetAncestor(control, GA_ROOT));
    colour background = button_face;
    if (state) {
        const int index = state->find(GetDlgCtrlID(parent));
        if (index >= 0) {
            background = state->record.controls[static_cast<std::size_t>(index)].background;
        }
    }
    SetBkColor(dc, colour_ref(background));
    return reinterpret_cast<LRESULT>(colour_brush(background));
}

// Gives the focus back to the control that had it when the window was last
// active, or to the first tab stop.
void restore_focus(window_state& state) {
    HWND focus = state.focus && IsWindow(state.focus) && IsWindowVisible(state.focus)
                     ? state.focus
                     : GetNextDlgTabItem(state.window, nullptr, FALSE);
    if (focus) {
        SetFocus(focus);
    }
}

void forget_window(HWND window) {
    auto& windows = open_windows();
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it->second == window) {
            windows.erase(it);
            break;
        }
    }
    if (windows.empty()) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    window_state* state = state_of(window);
    if (message == WM_NCCREATE) {
        auto* creating =
            static_cast<window_state*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        creating->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    if (!state) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    switch (message) {
        case WM_COMMAND:
            handle_command(*state, wparam, lparam);
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lparam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
                show_tab_page(*state, current_tab_page(*state));
            }
            return 0;
        case WM_TIMER:
            handle_tick(*state, wparam);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return control_colours(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                state->focus = focus && IsChild(window, focus) ? focus : state->focus;
            } else {
                restore_focus(*state);
            }
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            forget_window(window);
            delete state;
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

void register_window_class() {
    static bool registered = false;
    if (registered) {
        return;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = instance;
    window_class.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(VELORIN_ICON_APP), IMAGE_ICON,
                   GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    window_class.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(VELORIN_ICON_APP), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = window_class_name;
    registered = RegisterClassExW(&window_class) != 0;
}

bool bring_back(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    } else {
        SetForegroundWindow(window);
    }
    return true;
}

}  // namespace

window_state* state_of(HWND window) {
    wchar_t class_name[32] = {};
    if (!window || !GetClassNameW(window, class_name, 32) ||
        lstrcmpW(class_name, window_class_name) != 0) {
        return nullptr;
    }
    return reinterpret_cast<window_state*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool load_window(const window_record& record) {
    if (const auto it = open_windows().find(&record); it != open_windows().end()) {
        return bring_back(it->second);
    }
    register_window_class();
    const int left = (GetSystemMetrics(SM_CXSCREEN) - record.outer_width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - record.outer_height) / 2;
    const DWORD ex_style =
        WS_EX_APPWINDOW | WS_EX_CONTROLPARENT | (record.always_on_top ? WS_EX_TOPMOST : 0);
    auto* state = new window_state(record);
    HWND window =
        CreateWindowExW(ex_style, window_class_name, wide_from_cp936(record.title).c_str(),
                        window_style, left, top, record.outer_width, record.outer_height, nullptr,
                        nullptr, GetModuleHandleW(nullptr), state);
    if (!window) {
        delete state;
        return false;
    }
    open_windows()[&record] = window;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
    for (std::size_t i = 0; i < record.controls.size(); ++i) {
        state->handles[i] = create_control(*state, i);
    }
    show_controls(*state);
    state->building = false;
    if (record.on_created) {
        record.on_created(state->controls);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return true;
}

void run_message_loop() {
    if (open_windows().empty()) {
        return;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (state_of(root)) {
            const bool enter = (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
                               message.wParam == VK_RETURN;
            if (enter) {
                continue;  // Enter neither moves the focus nor presses a button
            }
            if (IsDialogMessageW(root, &message)) {
                continue;
            }
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace velorin
