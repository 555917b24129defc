#include "ui/message_box.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace velorin {

void show_message_box(std::string_view text) {
    MessageBoxW(nullptr, wide_from_cp936(text).c_str(), wide_from_cp936("信息：").c_str(),
                MB_OK | MB_TASKMODAL);
}

}  // namespace velorin
