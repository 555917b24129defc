// The parts of the web page fetch that need no platform: the agent, the
// request header text and flags, and what the response's header block tells.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velorin {

// The agent of requests whose header text names none.
inline constexpr std::string_view default_user_agent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; Vumo; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

// The request flags, with the values of the platform's Internet functions.
inline constexpr std::uint32_t flag_reload = 0x80000000;
inline constexpr std::uint32_t flag_need_file = 0x00000010;
inline constexpr std::uint32_t flag_no_cookies = 0x00080000;
inline constexpr std::uint32_t flag_no_auto_redirect = 0x00200000;
inline constexpr std::uint32_t flag_secure = 0x00800000;
inline constexpr std::uint32_t flag_ignore_redirect_to_https = 0x00004000;

// "POST" for method 1, "GET" for every other.
std::string_view request_verb(std::int32_t request_method);

// The agent a header text asks for: the value of its "User-Agent:" line
// (any letter case) up to the next CR LF; when nothing stands there, the
// value of the whole text's first header; the default agent when the text
// has no such line.
std::string request_agent(std::string_view headers);

// The caller's header text with each default line that it lacks appended
// (Referer, Accept, Accept-Language, Content-Type; names matched exactly,
// anywhere), and a Cookie line when cookies are given.
std::string request_headers(std::string_view headers, std::string_view page_url,
                            std::string_view cookies);

// Always reload, need-file and no-cookies; no-auto-redirect on request;
// secure for an https address, otherwise ignore-redirect-to-https.
std::uint32_t request_flags(std::string_view page_url, bool no_redirect);

// What the header lines of a response carry. A line holding "Location:" or
// "Set-Cookie" anywhere counts, so Content-Location does too.
struct response_facts {
    std::optional<std::string> location;  // the last location line's value
    std::string cookies;                  // the name=value of each Set-Cookie line, joined by "; "
};
response_facts read_response_headers(std::string_view raw_headers);

// Hands the response's facts to the caller's variables: a location line
// overrides redirect_location, and an empty redirect_location receives the
// whole header block instead; returned_cookies gets the response's cookies
// and cookies the caller's ones merged with them.
void apply_response_headers(std::string_view raw_headers, std::string& redirect_location,
                            std::string& returned_cookies, std::string& cookies);

}  // namespace velorin
