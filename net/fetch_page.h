// The web page fetch: one HTTP request through the platform's Internet
// functions, its response body returned as bytes. Each call stands alone:
// no cookie store, no cache; cookies travel only through the caller's
// cookie arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velorin {

// The optional arguments of a fetch. An omitted one acts as empty text,
// empty bytes, 0 or false; an omitted in/out or out argument (a null
// pointer) has its value discarded. Only proxy_server tells omitted (direct
// connection) from given empty.
struct fetch_options {
    // 1: verb POST; any other value: GET. A body is sent for every value but 0.
    std::int32_t request_method = 0;
    // The body as text, used when post_bytes is empty.
    std::string post_text;
    // In/out: sent in a Cookie line when not empty; receives the cookies
    // merged with those the response sets.
    std::string* cookies = nullptr;
    // Out: the name=value pair of each Set-Cookie line, joined by ";".
    std::string* returned_cookies = nullptr;
    // In/out: extra request header lines separated by CR LF; receives the
    // header text as sent.
    std::string* headers = nullptr;
    // In/out: receives the response's location; when none came and the
    // variable is empty, the whole raw header block.
    std::string* redirect_location = nullptr;
    // Redirects come back as they are instead of being followed.
    bool no_redirect = false;
    // In/out: the body as bytes; when empty and a body is sent, it receives
    // the bytes of post_text.
    std::string* post_bytes = nullptr;
    // The proxy for http, as server and port.
    std::optional<std::string> proxy_server;
    // Out: the raw response header block.
    std::string* raw_headers = nullptr;
};

// The response body; empty bytes after any failure.
std::string fetch_page(std::string_view page_url, const fetch_options& options = {});

// The body of fetch_page taken as UTF-8 and converted to code page 936 text,
// whatever the response says of its character set; "" after any failure.
std::string fetch_page_text(std::string_view page_url, const fetch_options& options = {});

}  // namespace velorin
