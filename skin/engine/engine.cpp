// The skin engine: SkinH_AttachRes reads a skin and, once it is accepted,
// a thread hook subclasses every window the calling thread creates from then
// on, so the windows draw themselves in the skin's flat colours. Only the
// drawing changes: every message still reaches the window's own procedure.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "skin/engine/skin_format.h"

namespace {

using velorin::skin::palette;
using velorin::skin::part;

palette colours = velorin::skin::default_palette();
HHOOK creation_hook = nullptr;
DWORD hooked_thread = 0;

// Labels keep their own drawing: they keep their rendering between repaints,
// which the scrolling supporter list relies on.
enum class kind : UINT_PTR { top_level = 1, button, edit, group, tab };

constexpr UINT_PTR subclass_id = 0x56534B4E;  // "VSKN"
constexpr wchar_t hot_property[] = L"VelorinSkinHot";

COLORREF ref(part p) {
    const velorin::skin::rgb c = colours[p];
    return RGB(c.red, c.green, c.blue);
}

COLORREF text_on(part text, part background) {
    const velorin::skin::rgb c = velorin::skin::readable_on(colours[text], colours[background]);
    return RGB(c.red, c.green, c.blue);
}

void fill(HDC dc, const RECT& area, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void frame(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &area, brush);
    DeleteObject(brush);
}

std::wstring text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Paints into a memory bitmap and copies it at once, so nothing flickers.
class buffered_paint {
  public:
    buffered_paint(HWND window, HDC target) : target_(target) {
        GetClientRect(window, &area_);
        dc_ = CreateCompatibleDC(target);
        bitmap_ = CreateCompatibleBitmap(target, area_.right, area_.bottom);
        old_bitmap_ = SelectObject(dc_, bitmap_);
        old_font_ =
            SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~buffered_paint() {
        BitBlt(target_, 0, 0, area_.right, area_.bottom, dc_, 0, 0, SRCCOPY);
        SelectObject(dc_, old_font_);
        SelectObject(dc_, old_bitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    buffered_paint(const buffered_paint&) = delete;
    buffered_paint& operator=(const buffered_paint&) = delete;

    HDC dc() const { return dc_; }
    const RECT& area() const { return area_; }

  private:
    HDC target_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_bitmap_;
    HGDIOBJ old_font_;
    RECT area_{};
};

using painter = void (*)(HWND, HDC, const RECT&);

void paint_with(HWND window, painter draw) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    {
        buffered_paint buffer(window, dc);
        draw(window, buffer.dc(), buffer.area());
    }
    EndPaint(window, &paint);
}

void redraw_now(HWND window, painter draw) {
    if (!IsWindow(window) || !IsWindowVisible(window)) {
        return;
    }
    HDC dc = GetDC(window);
    {
        buffered_paint buffer(window, dc);
        draw(window, buffer.dc(), buffer.area());
    }
    ReleaseDC(window, dc);
}

// Buttons: a flat rounded face that lights up under the mouse and darkens
// while pressed, with the caption centred and wrapped like the original.
void draw_button(HWND button, HDC dc, const RECT& area) {
    fill(dc, area, ref(part::face));  // the corners outside the rounded face
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(button);
    const bool pressed = (state & BST_PUSHED) != 0;
    const bool hot = GetPropW(button, hot_property) != nullptr;
    const bool focused = GetFocus() == button;
    const part face = pressed          ? part::button_pressed
                      : hot && enabled ? part::button_hot
                                       : part::button;

    HBRUSH brush = CreateSolidBrush(ref(face));
    HPEN pen =
        CreatePen(PS_SOLID, 1, focused || pressed ? ref(part::accent) : ref(part::button_border));
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    RoundRect(dc, area.left, area.top, area.right, area.bottom, 6, 6);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);

    const std::wstring caption = text_of(button);
    RECT text_area = area;
    InflateRect(&text_area, -4, -2);
    RECT measured = text_area;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    const int lift = ((text_area.bottom - text_area.top) - (measured.bottom - measured.top)) / 2;
    text_area.top += lift > 0 ? lift : 0;
    SetTextColor(dc, enabled ? text_on(part::button_text, face) : ref(part::disabled_text));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text_area,
              DT_WORDBREAK | DT_CENTER);
}

// Group boxes: a thin frame with the title in the accent colour on a gap.
void draw_group(HWND group, HDC dc, const RECT& area) {
    fill(dc, area, ref(part::face));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT border = area;
    border.top += metrics.tmHeight / 2;
    frame(dc, border, ref(part::group_frame));
    const std::wstring title = text_of(group);
    if (title.empty()) {
        return;
    }
    constexpr int indent = 8;
    constexpr int padding = 3;
    SIZE extent;
    GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
    RECT gap = {indent, 0, indent + extent.cx + 2 * padding, metrics.tmHeight};
    if (gap.right > area.right - indent) {
        gap.right = area.right - indent;
    }
    fill(dc, gap, ref(part::face));
    SetTextColor(dc, text_on(part::group_title, part::face));
    gap.left += padding;
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &gap,
              DT_SINGLELINE | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// Tab controls: flat tabs, the chosen one joined to the page below it by
// the face colour and underlined in the accent colour.
void draw_tab(HWND tab, HDC dc, const RECT& area) {
    fill(dc, area, ref(part::face));
    const int count = TabCtrl_GetItemCount(tab);
    const int chosen = TabCtrl_GetCurSel(tab);
    RECT strip = area;
    strip.bottom = area.top;
    for (int item = 0; item < count; ++item) {
        RECT box;
        if (!TabCtrl_GetItemRect(tab, item, &box)) {
            continue;
        }
        strip.bottom = box.bottom > strip.bottom ? box.bottom : strip.bottom;
    }
    RECT band = area;
    band.bottom = strip.bottom;
    fill(dc, band, ref(part::tab));
    for (int item = 0; item < count; ++item) {
        RECT box;
        if (!TabCtrl_GetItemRect(tab, item, &box)) {
            continue;
        }
        const bool selected = item == chosen;
        const part face = selected ? part::tab_selected : part::tab;
        box.bottom = strip.bottom;
        fill(dc, box, ref(face));
        if (selected) {
            RECT mark = {box.left, box.top, box.right, box.top + 2};
            fill(dc, mark, ref(part::accent));
        }
        wchar_t caption[128] = {};
        TCITEMW request{};
        request.mask = TCIF_TEXT;
        request.pszText = caption;
        request.cchTextMax = static_cast<int>(std::size(caption));
        TabCtrl_GetItem(tab, item, &request);
        SetTextColor(dc, text_on(part::tab_text, face));
        DrawTextW(dc, caption, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    RECT page = area;
    page.top = strip.bottom;
    frame(dc, page, ref(part::group_frame));
}

// Edit boxes keep their inside; their sunken border becomes a flat line,
// in the accent colour while the box has the focus.
void draw_edit_frame(HWND edit) {
    const LONG_PTR ex_style = GetWindowLongPtrW(edit, GWL_EXSTYLE);
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    if (!(ex_style & WS_EX_CLIENTEDGE) && !(style & WS_BORDER)) {
        return;
    }
    HDC dc = GetWindowDC(edit);
    RECT outer;
    GetWindowRect(edit, &outer);
    OffsetRect(&outer, -outer.left, -outer.top);
    frame(dc, outer, GetFocus() == edit ? ref(part::edit_focus) : ref(part::edit_border));
    if (ex_style & WS_EX_CLIENTEDGE) {
        InflateRect(&outer, -1, -1);
        frame(dc, outer, GetFocus() == edit ? ref(part::edit_focus) : GetSysColor(COLOR_WINDOW));
    }
    ReleaseDC(edit, dc);
}

// Messages after which a push button has drawn itself directly.
bool button_draws_after(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_CAPTURECHANGED:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_UPDATEUISTATE:
            return true;
        default:
            return false;
    }
}

LRESULT button_message(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            paint_with(button, draw_button);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!GetPropW(button, hot_property)) {
                SetPropW(button, hot_property, reinterpret_cast<HANDLE>(1));
                TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, button, 0};
                TrackMouseEvent(&track);
            }
            break;
        case WM_MOUSELEAVE:
            RemovePropW(button, hot_property);
            redraw_now(button, draw_button);
            break;
        case WM_NCDESTROY:
            RemovePropW(button, hot_property);
            break;
        default:
            break;
    }
    const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
    if (button_draws_after(message)) {
        redraw_now(button, draw_button);
    }
    return result;
}

LRESULT edit_message(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = DefSubclassProc(edit, message, wparam, lparam);
    switch (message) {
        case WM_NCPAINT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            if (IsWindow(edit)) {
                draw_edit_frame(edit);
            }
            break;
        default:
            break;
    }
    return result;
}

LRESULT painted_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam, painter draw) {
    switch (message) {
        case WM_PAINT:
            paint_with(window, draw);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefSubclassProc(window, message, wparam, lparam);
    }
}

LRESULT top_level_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_ERASEBKGND) {
        RECT area;
        GetClientRect(window, &area);
        fill(reinterpret_cast<HDC>(wparam), area, ref(part::face));
        return 1;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

LRESULT CALLBACK skinned_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR, DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, skinned_procedure, subclass_id);
    }
    switch (static_cast<kind>(data)) {
        case kind::top_level:
            return top_level_message(window, message, wparam, lparam);
        case kind::button:
            return button_message(window, message, wparam, lparam);
        case kind::edit:
            return edit_message(window, message, wparam, lparam);
        case kind::group:
            return painted_message(window, message, wparam, lparam, draw_group);
        case kind::tab:
            return painted_message(window, message, wparam, lparam, draw_tab);
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

bool is_dialog(HWND window) {
    return window && class_of(window) == L"#32770";
}

// Which look a new window gets, if any. Message boxes and other dialogs keep
// the system's look, and so does everything inside them.
bool kind_for(HWND window, const CREATESTRUCTW& creation, kind& look) {
    if (is_dialog(window) || is_dialog(creation.hwndParent)) {
        return false;
    }
    const std::wstring name = class_of(window);
    const LONG style = creation.style;
    if (!(style & WS_CHILD)) {
        look = kind::top_level;
        return (style & WS_CAPTION) == WS_CAPTION;
    }
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        look = kind::button;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    }
    if (_wcsicmp(name.c_str(), L"Edit") == 0) {
        look = kind::edit;
        return true;
    }
    if (name == L"VelorinGroupBox") {
        look = kind::group;
        return true;
    }
    if (name == WC_TABCONTROLW) {
        look = kind::tab;
        return true;
    }
    return false;
}

LRESULT CALLBACK creation_procedure(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wparam);
        const CREATESTRUCTW& creation = *reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
        kind look{};
        if (kind_for(window, creation, look)) {
            SetWindowSubclass(window, skinned_procedure, subclass_id, static_cast<DWORD_PTR>(look));
        }
    }
    return CallNextHookEx(creation_hook, code, wparam, lparam);
}

}  // namespace

extern "C" int __stdcall SkinH_AttachRes(const std::uint8_t* skin_data, int skin_size,
                                         const char* password, int hue, int saturation,
                                         int brightness) {
    palette read;
    const auto outcome = skin_size < 0
                             ? velorin::skin::verdict::no_data
                             : velorin::skin::read_skin(
                                   skin_data, static_cast<std::size_t>(skin_size), password, read);
    if (outcome != velorin::skin::verdict::accepted) {
        return static_cast<int>(outcome);
    }
    colours = velorin::skin::shifted(read, hue, saturation, brightness);
    const DWORD thread = GetCurrentThreadId();
    if (creation_hook && hooked_thread != thread) {
        UnhookWindowsHookEx(creation_hook);
        creation_hook = nullptr;
    }
    if (!creation_hook) {
        creation_hook = SetWindowsHookExW(WH_CBT, creation_procedure, nullptr, thread);
        hooked_thread = thread;
    }
    return static_cast<int>(creation_hook ? velorin::skin::verdict::accepted
                                          : velorin::skin::verdict::no_hook);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH && creation_hook) {
        UnhookWindowsHookEx(creation_hook);
    }
    return TRUE;
}
