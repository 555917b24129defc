// Labels draw their caption literally ("&" is no mnemonic marker): one line
// vertically centred, or word-wrapped from the top-left corner, clipped to
// the label's rectangle.
//
// A label keeps its rendering in a bitmap of its own size, made again only
// when its caption, font or size changes: the supporter list moves a tall
// word-wrapped label every 10 ms, and laying out a long caption on each of
// those repaints would make a step cost as much as the whole text.
#include <string>

#include "ui/colours.h"
#include "ui/kinds/kinds.h"

namespace velorin {

namespace {

constexpr wchar_t rendering_property[] = L"VelorinLabelRendering";

void draw_caption(HWND label, HDC dc, RECT area) {
    const control_record& record = own_record(label);
    FillRect(dc, &area, colour_brush(record.background));
    HGDIOBJ old_font = SelectObject(dc, own_font(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const UINT layout = record.word_wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    const std::wstring caption = window_text(label);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              layout | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old_font);
}

HBITMAP kept_rendering(HWND label) {
    return static_cast<HBITMAP>(GetPropW(label, rendering_property));
}

void forget_rendering(HWND label) {
    if (HBITMAP rendering = static_cast<HBITMAP>(RemovePropW(label, rendering_property))) {
        DeleteObject(rendering);
    }
}

HBITMAP render(HWND label, HDC screen, RECT area) {
    HBITMAP rendering = CreateCompatibleBitmap(screen, area.right, area.bottom);
    if (!rendering) {
        return nullptr;
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old_bitmap = SelectObject(memory, rendering);
    draw_caption(label, memory, area);
    SelectObject(memory, old_bitmap);
    DeleteDC(memory);
    SetPropW(label, rendering_property, rendering);
    return rendering;
}

void copy_rendering(HDC dc, HBITMAP rendering, RECT area) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old_bitmap = SelectObject(memory, rendering);
    BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old_bitmap);
    DeleteDC(memory);
}

void paint_label(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT area;
    GetClientRect(label, &area);
    if (area.right > 0 && area.bottom > 0) {
        HBITMAP rendering = kept_rendering(label);
        if (!rendering) {
            rendering = render(label, dc, area);
        }
        if (rendering) {
            copy_rendering(dc, rendering, area);
        } else {
            draw_caption(label, dc, area);
        }
    }
    EndPaint(label, &paint);
}

LRESULT CALLBACK label_procedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_SETFONT) {
        forget_rendering(label);
    }
    LRESULT result = 0;
    if (handle_font_message(label, message, wparam, result)) {
        return result;
    }
    switch (message) {
        case WM_PAINT:
            paint_label(label);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the whole rectangle is filled when painting
        case WM_SETTEXT:
            result = DefWindowProcW(label, message, wparam, lparam);
            forget_rendering(label);
            InvalidateRect(label, nullptr, FALSE);
            return result;
        case WM_SIZE:
            forget_rendering(label);
            return 0;
        case WM_NCDESTROY:
            forget_rendering(label);
            return DefWindowProcW(label, message, wparam, lparam);
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            return DefWindowProcW(label, message, wparam, lparam);
    }
}

}  // namespace

HWND create_label(const control_creation& c) {
    return create_own_child(L"VelorinLabel", label_procedure, c);
}

}  // namespace velorin
