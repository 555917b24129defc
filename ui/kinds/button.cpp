// Buttons: ordinary push buttons, never the default one, the caption centred
// and wrapped onto a second line when it is too long.
#include "ui/kinds/kinds.h"
#include "ui/wide_text.h"

namespace velorin {

HWND create_button(const control_creation& c) {
    const control_record& r = c.record;
    return CreateWindowExW(0, L"BUTTON", wide_from_cp936(r.text).c_str(),
                           child_style(r) | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
                           r.left, r.top, r.width, r.height, c.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace velorin
