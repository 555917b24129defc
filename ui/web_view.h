// The window's web views are never shown: each opens its start address in
// the background when the window is built, and nothing of the page is used.
#pragma once

#include <string_view>

namespace velorin {

// Starts opening the address on a thread of its own and returns at once; the
// thread ends by itself and never holds up the window or the program's exit.
void open_in_background(std::string_view address);

}  // namespace velorin
