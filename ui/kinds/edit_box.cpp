// Edit boxes: sunken, centred, one line with automatic horizontal scrolling,
// the line centred vertically in the box. Integer boxes drop every typed
// character but "-" and the digits; pasted text is not filtered.
#include <windows.h>

#include <commctrl.h>

#include "ui/kinds/kinds.h"
#include "ui/wide_text.h"

namespace velorin {

namespace {

constexpr UINT_PTR edit_subclass_id = 1;

bool accepted_by_integer_input(WPARAM character) {
    // Control characters (backspace, the clipboard shortcuts) pass unchanged.
    return character < 32 || character == L'-' || (character >= L'0' && character <= L'9');
}

int line_height(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old_font =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old_font);
    ReleaseDC(edit, dc);
    return metrics.tmHeight;
}

// Narrows the client area to one text line in the middle of the box; the
// strips above and below it become part of the frame.
void centre_client_area(HWND edit, RECT& client) {
    const int spare = (client.bottom - client.top) - line_height(edit);
    if (spare > 0) {
        client.top += spare / 2;
        client.bottom -= spare - spare / 2;
    }
}

// Paints the strips between the border and the narrowed client area in the
// box's background.
void paint_centring_strips(HWND edit) {
    RECT window_area;
    GetWindowRect(edit, &window_area);
    RECT client;
    GetClientRect(edit, &client);
    MapWindowPoints(edit, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    const int left = client.left - window_area.left;
    const int top = client.top - window_area.top;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int outer_height = window_area.bottom - window_area.top;
    HDC dc = GetWindowDC(edit);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT above = {left, edge, left + width, top};
    const RECT below = {left, top + height, left + width, outer_height - edge};
    FillRect(dc, &above, white);
    FillRect(dc, &below, white);
    ReleaseDC(edit, dc);
}

LRESULT CALLBACK edit_box_procedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR integer_input) {
    switch (message) {
        case WM_CHAR:
            if (integer_input && !accepted_by_integer_input(wparam)) {
                return 0;
            }
            break;
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
            RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                                  : *reinterpret_cast<RECT*>(lparam);
            centre_client_area(edit, client);
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
            paint_centring_strips(edit);
            return result;
        }
        case WM_NCHITTEST: {
            // Clicks on the strips act as clicks on the text line.
            const LRESULT hit = DefSubclassProc(edit, message, wparam, lparam);
            return hit == HTBORDER || hit == HTNOWHERE ? HTCLIENT : hit;
        }
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
            SetWindowPos(
                edit, nullptr, 0, 0, 0, 0,
                SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, edit_box_procedure, edit_subclass_id);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

HWND create_edit_box(const control_creation& c) {
    const control_record& r = c.record;
    DWORD style = child_style(r) | ES_CENTER | ES_AUTOHSCROLL;
    if (r.input == input_mode::read_only) {
        style |= ES_READONLY;
    }
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", wide_from_cp936(r.text).c_str(), style,
                                r.left, r.top, r.width, r.height, c.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!edit) {
        return nullptr;
    }
    if (r.max_length > 0) {
        SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(r.max_length), 0);
    }
    SetWindowSubclass(edit, edit_box_procedure, edit_subclass_id,
                      r.input == input_mode::integer ? 1 : 0);
    return edit;
}

}  // namespace velorin
