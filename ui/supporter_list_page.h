// Reading the maker's supporter page over HTTP.
#pragma once

#include <string>

#include "core/control_access.h"

namespace velorin {

// The body of the supporter page, read with one plain GET; empty when the
// read fails or the site answers with anything but success.
std::string read_supporter_page();

// The main window's creation handler: reads the page and shows the list.
void load_supporter_list(control_access& window);

}  // namespace velorin
