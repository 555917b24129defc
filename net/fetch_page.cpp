#include "net/fetch_page.h"

#include <array>

#include "net/code_pages.h"
#include "net/fetch_internet.h"
#include "net/fetch_request.h"
#include "net/text_ops.h"
#include "net/url_parts.h"

namespace velorin {

namespace {

constexpr DWORD body_read_size = 1024;
constexpr DWORD header_room_size = 5000;

// The caller's variable, or a temporary whose value is discarded.
std::string& given_or(std::string* given, std::string& temporary) {
    return given != nullptr ? *given : temporary;
}

HINTERNET open_internet(internet_calls& calls, const std::string& agent,
                        const std::optional<std::string>& proxy_server) {
    if (proxy_server) {
        const std::string proxy_list = "http=" + std::string(as_text(*proxy_server));
        return calls.open(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxy_list.c_str(), "", 0);
    }
    return calls.open(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, "", "", 0);
}

std::string read_body(internet_calls& calls, HINTERNET request) {
    std::string body;
    for (;;) {
        std::array<char, body_read_size> buffer{};
        DWORD count = 0;
        if (!calls.read_file(request, buffer.data(), body_read_size, &count)) {
            count = 0;  // a failed read ends the body
        }
        if (count == 0) {
            return body;
        }
        body.append(buffer.data(), count);
    }
}

// The header block, up to its terminating zero; 5000 blanks when it could
// not be had (a failed send, or a block that does not fit the room).
std::string read_raw_headers(internet_calls& calls, HINTERNET request) {
    std::string room(header_room_size, ' ');
    DWORD length = header_room_size;
    calls.query_info(request, HTTP_QUERY_RAW_HEADERS_CRLF, room.data(), &length, nullptr);
    return std::string(as_text(room));
}

}  // namespace

std::string fetch_page_through(internet_calls& calls, std::string_view page_url,
                               const fetch_options& options) {
    page_url = as_text(page_url);
    std::string discarded_cookies, discarded_returned, discarded_headers, discarded_location,
        discarded_bytes, discarded_raw;
    std::string& cookies = given_or(options.cookies, discarded_cookies);
    std::string& returned_cookies = given_or(options.returned_cookies, discarded_returned);
    std::string& headers = given_or(options.headers, discarded_headers);
    std::string& redirect_location = given_or(options.redirect_location, discarded_location);
    std::string& post_bytes = given_or(options.post_bytes, discarded_bytes);
    std::string& raw_headers = given_or(options.raw_headers, discarded_raw);

    const std::string verb(request_verb(options.request_method));
    const std::string agent = request_agent(headers);
    HINTERNET internet = open_internet(calls, agent, options.proxy_server);
    if (internet == nullptr) {
        return {};
    }
    const std::string host = url_host(page_url);
    const auto port = static_cast<INTERNET_PORT>(url_port(page_url));
    HINTERNET connection =
        calls.connect(internet, host.c_str(), port, "", "", INTERNET_SERVICE_HTTP, 0, 0);
    if (connection == nullptr) {
        calls.close_handle(internet);
        return {};
    }
    const std::string path = url_path(page_url);
    HINTERNET request =
        calls.open_request(connection, verb.c_str(), path.c_str(), "HTTP/1.1", "", nullptr,
                           request_flags(page_url, options.no_redirect), 0);
    if (request == nullptr) {
        calls.close_handle(connection);
        calls.close_handle(internet);
        return {};
    }

    headers = request_headers(headers, page_url, cookies);
    const auto headers_length = static_cast<DWORD>(headers.size());
    if (options.request_method == 0) {
        calls.send_request(request, headers.c_str(), headers_length, nullptr, 0);
    } else {
        if (post_bytes.empty()) {
            post_bytes = std::string(as_text(options.post_text));
        }
        calls.send_request(request, headers.c_str(), headers_length, post_bytes.data(),
                           static_cast<DWORD>(post_bytes.size()));
    }
    std::string body = read_body(calls, request);
    raw_headers = read_raw_headers(calls, request);
    calls.close_handle(request);
    calls.close_handle(connection);
    calls.close_handle(internet);

    apply_response_headers(raw_headers, redirect_location, returned_cookies, cookies);
    return body;
}

std::string fetch_page(std::string_view page_url, const fetch_options& options) {
    return fetch_page_through(wininet_calls(), page_url, options);
}

std::string fetch_page_text(std::string_view page_url, const fetch_options& options) {
    return utf8_to_cp936(fetch_page(page_url, options));
}

}  // namespace velorin
