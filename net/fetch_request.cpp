#include "net/fetch_request.h"

#include "net/cookies.h"
#include "net/text_between.h"
#include "net/text_ops.h"
#include "net/url_parts.h"

#include <utility>

namespace velorin {

namespace {

constexpr std::string_view crlf = "\r\n";

bool contains(std::string_view text, std::string_view target, bool ignore_case = false) {
    return find_text(text, target, 1, ignore_case) != -1;
}

// Appends a line; the first line of an empty text needs no separator.
void append_line(std::string& headers, std::string_view line) {
    if (!headers.empty()) {
        headers += crlf;
    }
    headers += line;
}

}  // namespace

std::string_view request_verb(std::int32_t request_method) {
    return request_method == 1 ? "POST" : "GET";
}

std::string request_agent(std::string_view headers) {
    if (!contains(headers, "User-Agent:", true)) {
        return std::string(default_user_agent);
    }
    std::string agent = trim_blanks(text_between_ci(headers, "User-Agent:", crlf));
    if (agent.empty()) {
        agent = header_value(headers);
    }
    return agent;
}

std::string request_headers(std::string_view headers, std::string_view page_url,
                            std::string_view cookies) {
    std::string text(as_text(headers));
    if (!contains(text, "Referer:")) {
        append_line(text, "Referer: " + std::string(as_text(page_url)));
    }
    if (!contains(text, "Accept:")) {
        append_line(text, "Accept: */*");
    }
    if (!contains(text, "Accept-Language:")) {
        append_line(text, "Accept-Language: zh-cn");
    }
    if (!contains(text, "Content-Type:")) {
        append_line(text, "Content-Type: application/x-www-form-urlencoded");
    }
    if (!as_text(cookies).empty()) {
        append_line(text, "Cookie: " + std::string(as_text(cookies)));
    }
    return text;
}

std::uint32_t request_flags(std::string_view page_url, bool no_redirect) {
    std::uint32_t flags = flag_reload | flag_need_file | flag_no_cookies;
    if (no_redirect) {
        flags |= flag_no_auto_redirect;
    }
    if (lower_case(left_part(page_url, 5)) == "https") {
        flags |= flag_secure;
    } else {
        flags |= flag_ignore_redirect_to_https;
    }
    return flags;
}

response_facts read_response_headers(std::string_view raw_headers) {
    response_facts facts;
    for (const std::string& line : split_text(as_text(raw_headers), crlf)) {
        if (contains(line, "Location:")) {
            facts.location = header_value(line);
        }
        if (contains(line, "Set-Cookie")) {
            facts.cookies += trim_blanks(text_between_ci(line, "Set-Cookie:", ";"));
            facts.cookies += "; ";
        }
    }
    if (!facts.cookies.empty()) {
        facts.cookies.resize(facts.cookies.size() - 2);
    }
    return facts;
}

void apply_response_headers(std::string_view raw_headers, std::string& redirect_location,
                            std::string& returned_cookies, std::string& cookies) {
    response_facts facts = read_response_headers(raw_headers);
    if (facts.location) {
        redirect_location = *facts.location;
    }
    if (redirect_location.empty()) {
        redirect_location = std::string(raw_headers);
    }
    returned_cookies = std::move(facts.cookies);
    merge_cookies(cookies, returned_cookies);
}

}  // namespace velorin
