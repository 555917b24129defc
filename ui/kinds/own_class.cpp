// Window classes of the program's own (labels, group boxes, picture boxes):
// each keeps its control record and its font in the window's extra bytes.
#include "ui/kinds/kinds.h"
#include "ui/wide_text.h"

namespace velorin {

namespace {

constexpr int record_slot = 0;
constexpr int font_slot = sizeof(LONG_PTR);

void register_once(const wchar_t* class_name, WNDPROC procedure) {
    WNDCLASSW existing;
    if (GetClassInfoW(GetModuleHandleW(nullptr), class_name, &existing)) {
        return;
    }
    WNDCLASSW window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = procedure;
    window_class.cbWndExtra = 2 * sizeof(LONG_PTR);
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    window_class.lpszClassName = class_name;
    RegisterClassW(&window_class);
}

}  // namespace

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

DWORD child_style(const control_record& record) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (record.tab_stop) {
        style |= WS_TABSTOP;
    }
    if (record.disabled) {
        style |= WS_DISABLED;
    }
    return style;
}

HWND create_own_child(const wchar_t* class_name, WNDPROC procedure, const control_creation& c,
                      DWORD style, DWORD ex_style) {
    register_once(class_name, procedure);
    const control_record& r = c.record;
    HWND window = CreateWindowExW(ex_style, class_name, wide_from_cp936(r.text).c_str(),
                                  child_style(r) | style, r.left, r.top, r.width, r.height,
                                  c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (window) {
        SetWindowLongPtrW(window, record_slot, reinterpret_cast<LONG_PTR>(&r));
    }
    return window;
}

const control_record& own_record(HWND window) {
    return *reinterpret_cast<const control_record*>(GetWindowLongPtrW(window, record_slot));
}

HFONT own_font(HWND window) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(window, font_slot));
}

bool handle_font_message(HWND window, UINT message, WPARAM wparam, LRESULT& result) {
    if (message == WM_SETFONT) {
        SetWindowLongPtrW(window, font_slot, static_cast<LONG_PTR>(wparam));
        InvalidateRect(window, nullptr, TRUE);
        result = 0;
        return true;
    }
    if (message == WM_GETFONT) {
        result = GetWindowLongPtrW(window, font_slot);
        return true;
    }
    return false;
}

bool forward_to_window(HWND container, UINT message, WPARAM wparam, LPARAM lparam,
                       LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            result = SendMessageW(GetAncestor(container, GA_ROOT), message, wparam, lparam);
            return true;
        default:
            return false;
    }
}

}  // namespace velorin
