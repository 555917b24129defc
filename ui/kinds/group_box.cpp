// Group boxes fill their rectangle with their background colour and draw the
// group frame with the title over it. They are real parents: their
// children's notifications reach the window's handlers.
#include <algorithm>
#include <string>

#include "ui/colours.h"
#include "ui/kinds/kinds.h"

namespace velorin {

namespace {

constexpr int title_indent = 8;
constexpr int title_padding = 2;

void paint_group_box(HWND group) {
    const control_record& record = own_record(group);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(group, &paint);
    RECT area;
    GetClientRect(group, &area);
    FillRect(dc, &area, colour_brush(record.background));

    HGDIOBJ old_font = SelectObject(dc, own_font(group));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    const std::wstring title = window_text(group);
    if (!title.empty()) {
        SIZE extent;
        GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
        RECT title_area = {title_indent, 0, title_indent + extent.cx + 2 * title_padding,
                           metrics.tmHeight};
        title_area.right = std::min(title_area.right, area.right - title_indent);
        FillRect(dc, &title_area, colour_brush(record.background));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        title_area.left += title_padding;
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &title_area,
                  DT_SINGLELINE | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, old_font);
    EndPaint(group, &paint);
}

LRESULT CALLBACK group_box_procedure(HWND group, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (handle_font_message(group, message, wparam, result) ||
        forward_to_window(group, message, wparam, lparam, result)) {
        return result;
    }
    switch (message) {
        case WM_PAINT:
            paint_group_box(group);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT:
            result = DefWindowProcW(group, message, wparam, lparam);
            InvalidateRect(group, nullptr, FALSE);
            return result;
        default:
            return DefWindowProcW(group, message, wparam, lparam);
    }
}

}  // namespace

HWND create_group_box(const control_creation& c) {
    return create_own_child(L"VelorinGroupBox", group_box_procedure, c, WS_CLIPCHILDREN,
                            WS_EX_CONTROLPARENT);
}

}  // namespace velorin
