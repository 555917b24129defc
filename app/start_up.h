// Start-up: the version gate, then the skin and the main window.
#pragma once

#include <string_view>

namespace velorin {

// Reads the version page; opens the main window only when it names exactly
// the program's own version, otherwise shows the update message.
void start_up();

// Sets latest_version to the text between "最新版本=" and the next "<" of the
// page at the address; empty when the page cannot be read.
void read_latest_version(std::string_view address);

}  // namespace velorin
