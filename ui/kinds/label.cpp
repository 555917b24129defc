// Labels draw their caption literally ("&" is no mnemonic marker): one line
// vertically centred, or word-wrapped from the top-left corner, clipped to
// the label's rectangle.
#include <string>

#include "ui/colours.h"
#include "ui/kinds/kinds.h"

namespace velorin {

namespace {

std::wstring caption_of(HWND label) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(label, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

void paint_label(HWND label) {
    const control_record& record = own_record(label);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT area;
    GetClientRect(label, &area);
    FillRect(dc, &area, colour_brush(record.background));
    HGDIOBJ old_font = SelectObject(dc, own_font(label));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const UINT layout = record.word_wrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    const std::wstring caption = caption_of(label);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              layout | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old_font);
    EndPaint(label, &paint);
}

LRESULT CALLBACK label_procedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
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
            InvalidateRect(label, nullptr, FALSE);
            return result;
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
