// The control port of the local test HTTP server (tests/http/test_server.py):
// register pages and raw responses on its site port, switch the site port
// open, closed or silent, start afresh, and read back the requests the site
// port received. Each call is one request over Winsock, independent of the
// Internet functions that the program's fetch uses. A call returns false
// (or no requests) when the server did not answer with 200.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin::e2e {

// The test site is the maker's site of this build (MAKER_SITE, by default
// http://127.0.0.1:8936); its control port is the port after the site's.
inline constexpr std::string_view site_address = MAKER_SITE;

// Served as "200 OK" with Content-Length and Connection: close.
bool site_put_page(std::string_view path, std::string_view body);

// Sent byte for byte, then the connection is closed.
bool site_put_response(std::string_view path, std::string_view raw_response);

// "open", "closed" (connections refused) or "silent" (accepted, never answered).
bool site_mode(std::string_view mode);

// Forgets pages, responses and recorded requests; the site is open again.
bool site_reset();

// The raw bytes of every request the site port received, oldest first.
std::vector<std::string> site_requests();

// The bytes of a base64 text; characters outside the alphabet are skipped.
std::string base64_decode(std::string_view text);

}  // namespace velorin::e2e
