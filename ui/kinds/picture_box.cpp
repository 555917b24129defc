// Picture boxes: their background colour, an optional thin border, and the
// picture centred and shrunk to fit.
#include "ui/colours.h"
#include "ui/kinds/kinds.h"

namespace velorin {

namespace {

void paint_picture_box(HWND box) {
    const control_record& record = own_record(box);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT area;
    GetClientRect(box, &area);
    FillRect(dc, &area, colour_brush(record.background));
    EndPaint(box, &paint);
}

LRESULT CALLBACK picture_box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (handle_font_message(box, message, wparam, result)) {
        return result;
    }
    switch (message) {
        case WM_PAINT:
            paint_picture_box(box);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefWindowProcW(box, message, wparam, lparam);
    }
}

}  // namespace

HWND create_picture_box(const control_creation& c) {
    return create_own_child(L"VelorinPictureBox", picture_box_procedure, c,
                            c.record.border ? WS_BORDER : 0);
}

}  // namespace velorin
