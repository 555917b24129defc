// The value of a header line and the host, port and path of an address
//, as the web page fetch takes them apart.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velorin {

// Everything behind the first colon, trimmed; "" when there is no colon.
// Given a whole header text, that is everything behind its first colon.
std::string header_value(std::string_view line);

// The host of an address, in lower case: between "https://" (when the
// address begins so) or the first "http://" (put in front when it occurs
// nowhere) and the next "/". domain_only keeps the last two dot-separated
// labels; keep_port keeps the ":" and whatever follows it.
std::string url_host(std::string_view address, bool domain_only = false, bool keep_port = false);

// The number behind the last colon of the host, read by text_to_int; when
// there is none, 443 for an address beginning "https" and 80 otherwise.
std::int32_t url_port(std::string_view address);

// From the first "/" at or behind where the host occurs in the address, to
// the end, in the address's own letter case; "/" when there is none.
std::string url_path(std::string_view address);

}  // namespace velorin
