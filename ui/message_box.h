#pragma once

#include <string_view>

namespace velorin {

// The program's only kind of message: titled "信息：", one OK button, no
// icon, no owner, task-modal. Returns when the user has closed it.
void show_message_box(std::string_view text);

}  // namespace velorin
