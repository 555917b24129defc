// The program keeps its texts in code page 936; the window system is spoken
// to in UTF-16, so the texts show correctly whatever the system's ANSI code
// page is.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

std::wstring wide_from_cp936(std::string_view text);
std::string cp936_from_wide(std::wstring_view text);

}  // namespace velorin
