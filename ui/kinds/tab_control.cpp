// The tab control: tabs on top in one row, the first page current at start.
// Its page controls are its children, placed from its own top-left corner,
// tab strip included.
#include <windows.h>

#include <commctrl.h>

#include "ui/kinds/kinds.h"
#include "ui/wide_text.h"
#include "ui/window_state.h"

namespace velorin {

namespace {

constexpr UINT_PTR tab_subclass_id = 1;

LRESULT CALLBACK tab_control_procedure(HWND tab, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR, DWORD_PTR) {
    LRESULT result = 0;
    if (forward_to_window(tab, message, wparam, lparam, result)) {
        return result;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(tab, tab_control_procedure, tab_subclass_id);
    }
    return DefSubclassProc(tab, message, wparam, lparam);
}

HWND tab_control_of(const window_state& state) {
    for (std::size_t i = 0; i < state.record.controls.size(); ++i) {
        if (state.record.controls[i].kind == control_kind::tab_control) {
            return state.handles[i];
        }
    }
    return nullptr;
}

}  // namespace

HWND create_tab_control(const control_creation& c) {
    const control_record& r = c.record;
    HWND tab = CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
                               child_style(r) | WS_CLIPCHILDREN, r.left, r.top, r.width, r.height,
                               c.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                               GetModuleHandleW(nullptr), nullptr);
    if (!tab) {
        return nullptr;
    }
    for (std::size_t i = 0; i < r.pages.size(); ++i) {
        std::wstring caption = wide_from_cp936(r.pages[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SetWindowSubclass(tab, tab_control_procedure, tab_subclass_id, 0);
    return tab;
}

void show_tab_page(window_state& state, int page) {
    for (std::size_t i = 0; i < state.record.controls.size(); ++i) {
        const control_record& r = state.record.controls[i];
        if (r.page != 0 && state.handles[i]) {
            ShowWindow(state.handles[i], r.visible && r.page == page ? SW_SHOWNA : SW_HIDE);
        }
    }
}

int current_tab_page(const window_state& state) {
    HWND tab = tab_control_of(state);
    return tab ? static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)) + 1 : 0;
}

}  // namespace velorin
