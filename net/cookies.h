// Cookie lists: entries name=value separated by ";", with or
// without blanks around them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velorin {

// The part of an entry before its first "=" (the whole entry without one),
// trimmed.
std::string cookie_name(std::string_view entry);

// Whether some entry of the list has the cookie_name name (exact case).
bool has_cookie(std::span<const std::string> entries, std::string_view name);

// Removes every blank from both lists and writes them back; then the new
// entries in their order, followed by the old ones whose names the new ones
// do not carry (of several old ones with one name only the first), joined
// by "; ", every entry ending in "=deleted" left out. The result is written
// into old_cookies and returned.
std::string merge_cookies(std::string& old_cookies, std::string& new_cookies);

}  // namespace velorin
