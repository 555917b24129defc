// Picture boxes: their background colour, an optional thin border, and the
// picture centred and shrunk to fit. The picture is decoded and laid over
// the background once, when the box is created; painting only stretches the
// finished pixels.
#include <cstdint>
#include <utility>

#include "ui/colours.h"
#include "ui/kinds/kinds.h"
#include "ui/picture_fit.h"
#include "ui/png_picture.h"

namespace velorin {

namespace {

constexpr wchar_t picture_property[] = L"VelorinPicture";

const decoded_picture* picture_of(HWND box) {
    return static_cast<const decoded_picture*>(GetPropW(box, picture_property));
}

// The background as 0xRRGGBB, with the button face resolved to the system's.
std::uint32_t background_rgb(colour background) {
    const COLORREF ref = colour_ref(background);
    return static_cast<std::uint32_t>(GetRValue(ref)) << 16 |
           static_cast<std::uint32_t>(GetGValue(ref)) << 8 | GetBValue(ref);
}

// Decodes the record's picture and keeps it in the box; a picture that
// cannot be decoded leaves the box without one.
void attach_picture(HWND box, const control_record& record) {
    decoded_picture decoded = decode_png(resource_bytes(record.image.resource));
    if (decoded.empty()) {
        return;
    }
    blend_over_background(decoded.bgra, background_rgb(record.background));
    auto* kept = new decoded_picture(std::move(decoded));
    if (!SetPropW(box, picture_property, kept)) {
        delete kept;
    }
}

void release_picture(HWND box) {
    delete static_cast<decoded_picture*>(RemovePropW(box, picture_property));
}

void draw_picture(HDC dc, const decoded_picture& picture, const RECT& area) {
    const picture_placement at =
        fit_picture(picture.width, picture.height, area.right - area.left, area.bottom - area.top);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Halftone averages the pixels a shrunk picture leaves out, where the
    // default mode would drop whole rows and columns of the code.
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, area.left + at.x, area.top + at.y, at.width, at.height, 0, 0, picture.width,
                  picture.height, picture.bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void paint_picture_box(HWND box) {
    const control_record& record = own_record(box);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT area;
    GetClientRect(box, &area);
    FillRect(dc, &area, colour_brush(record.background));
    if (const decoded_picture* picture = picture_of(box)) {
        draw_picture(dc, *picture, area);
    }
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
        case WM_NCDESTROY:
            release_picture(box);
            return DefWindowProcW(box, message, wparam, lparam);
        default:
            return DefWindowProcW(box, message, wparam, lparam);
    }
}

}  // namespace

HWND create_picture_box(const control_creation& c) {
    HWND box = create_own_child(L"VelorinPictureBox", picture_box_procedure, c,
                                c.record.border ? WS_BORDER : 0);
    if (box) {
        attach_picture(box, c.record);
    }
    return box;
}

}  // namespace velorin
