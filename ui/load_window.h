// Building windows from their descriptions, and the life of the program's
// windows.
#pragma once

#include "ui/window_description.h"

namespace velorin {

// Builds the described window and shows it, without parent or owner and not
// modal; a window already open is restored or activated instead, never made
// twice. Returns true when the window exists afterwards.
bool load_window(const window_record& record);

// Dispatches messages until the last window that load_window built has been
// destroyed. Returns at once when none exists.
void run_message_loop();

}  // namespace velorin
