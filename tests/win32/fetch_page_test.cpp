// The web page fetch's calls of the Internet functions, checked through a
// recording layer that answers as a scripted server would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "net/fetch_internet.h"

namespace velorin {
namespace {

HINTERNET handle(std::uintptr_t n) {
    return reinterpret_cast<HINTERNET>(n);
}
const HINTERNET internet_handle = handle(11);
const HINTERNET connection_handle = handle(22);
const HINTERNET request_handle = handle(33);

std::string handle_name(HINTERNET h) {
    if (h == internet_handle)
        return "internet";
    if (h == connection_handle)
        return "connection";
    if (h == request_handle)
        return "request";
    return "unknown";
}

std::string text_or_null(const char* text) {
    return text == nullptr ? "(null)" : "\"" + std::string(text) + "\"";
}

// Records every call as one line and answers from a script: the body in
// reads of the given sizes, the header block, and which step fails.
struct recording_calls final : internet_calls {
    std::vector<std::string> calls;
    std::string sent_headers;
    std::string sent_body;
    bool body_sent = false;

    bool open_fails = false;
    bool connect_fails = false;
    bool request_fails = false;
    bool send_fails = false;
    std::string body;
    std::vector<DWORD> read_sizes;     // the rest of the body in one read when used up
    std::size_t fail_read = SIZE_MAX;  // the number of the read that fails
    std::string header_block = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n";

    std::size_t body_offset = 0;
    std::size_t reads = 0;
    bool unzeroed_buffer = false;
    bool unblank_room = false;

    HINTERNET open(const char* agent, DWORD access_type, const char* proxy,
                   const char* proxy_bypass, DWORD flags) override {
        calls.push_back("open " + text_or_null(agent) + " " + std::to_string(access_type) + " " +
                        text_or_null(proxy) + " " + text_or_null(proxy_bypass) + " " +
                        std::to_string(flags));
        return open_fails ? nullptr : internet_handle;
    }
    HINTERNET connect(HINTERNET internet, const char* host, INTERNET_PORT port,
                      const char* user_name, const char* password, DWORD service, DWORD flags,
                      DWORD_PTR context) override {
        calls.push_back("connect " + handle_name(internet) + " " + text_or_null(host) + " " +
                        std::to_string(port) + " " + text_or_null(user_name) + " " +
                        text_or_null(password) + " " + std::to_string(service) + " " +
                        std::to_string(flags) + " " + std::to_string(context));
        return connect_fails ? nullptr : connection_handle;
    }
    HINTERNET open_request(HINTERNET connection, const char* verb, const char* object,
                           const char* version, const char* referrer, const char** accept_types,
                           DWORD flags, DWORD_PTR context) override {
        char flag_text[16];
        wsprintfA(flag_text, "%08lX", flags);
        calls.push_back("open_request " + handle_name(connection) + " " + text_or_null(verb) + " " +
                        text_or_null(object) + " " + text_or_null(version) + " " +
                        text_or_null(referrer) + " " +
                        (accept_types == nullptr ? "(null)" : "types") + " " + flag_text + " " +
                        std::to_string(context));
        return request_fails ? nullptr : request_handle;
    }
    BOOL send_request(HINTERNET request, const char* headers, DWORD headers_length, void* body,
                      DWORD body_length) override {
        calls.push_back("send " + handle_name(request));
        sent_headers.assign(headers, headers_length);
        body_sent = body != nullptr;
        if (body_sent) {
            sent_body.assign(static_cast<const char*>(body), body_length);
        }
        return send_fails ? FALSE : TRUE;
    }
    BOOL read_file(HINTERNET request, void* buffer, DWORD bytes_to_read,
                   DWORD* bytes_read) override {
        calls.push_back("read " + handle_name(request) + " " + std::to_string(bytes_to_read));
        const auto* bytes = static_cast<const unsigned char*>(buffer);
        if (std::accumulate(bytes, bytes + bytes_to_read, 0) != 0) {
            unzeroed_buffer = true;
        }
        const std::size_t number = reads++;
        *bytes_read = 0;
        if (send_fails || number == fail_read) {
            return FALSE;
        }
        std::size_t size = number < read_sizes.size() ? read_sizes[number] : body.size();
        size = std::min({size, body.size() - body_offset, std::size_t{bytes_to_read}});
        body.copy(static_cast<char*>(buffer), size, body_offset);
        body_offset += size;
        *bytes_read = static_cast<DWORD>(size);
        return TRUE;
    }
    BOOL query_info(HINTERNET request, DWORD info_level, void* buffer, DWORD* buffer_length,
                    DWORD* index) override {
        calls.push_back("query " + handle_name(request) + " " + std::to_string(info_level) + " " +
                        std::to_string(*buffer_length) + " " +
                        (index == nullptr ? "(null)" : "index"));
        const std::string room(static_cast<const char*>(buffer), *buffer_length);
        if (room != std::string(5000, ' ')) {
            unblank_room = true;
        }
        if (send_fails || header_block.size() + 1 > *buffer_length) {
            return FALSE;
        }
        header_block.copy(static_cast<char*>(buffer), header_block.size());
        static_cast<char*>(buffer)[header_block.size()] = '\0';
        *buffer_length = static_cast<DWORD>(header_block.size());
        return TRUE;
    }
    BOOL close_handle(HINTERNET h) override {
        calls.push_back("close " + handle_name(h));
        return TRUE;
    }
};

const std::string own_agent =
    "\"Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; Vumo; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)\"";

std::vector<std::string> reads_and_closes(std::size_t reads) {
    std::vector<std::string> tail(reads, "read request 1024");
    tail.insert(tail.end(), {"query request 22 5000 (null)", "close request", "close connection",
                             "close internet"});
    return tail;
}

std::vector<std::string> joined(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(FetchPageCalls, TheProgramsOwnCall) {
    recording_calls calls;
    calls.body = "最新版本=1.0<";
    const std::string body = fetch_page_through(calls, "http://127.0.0.1:8936/v.html", {});
    EXPECT_EQ(body, "最新版本=1.0<");
    EXPECT_EQ(calls.calls,
              joined({"open " + own_agent + " 1 \"\" \"\" 0",
                      "connect internet \"127.0.0.1\" 8936 \"\" \"\" 3 0 0",
                      "open_request connection \"GET\" \"/v.html\" \"HTTP/1.1\" \"\" (null) "
                      "80084010 0",
                      "send request"},
                     reads_and_closes(2)));
    EXPECT_EQ(calls.sent_headers,
              "Referer: http://127.0.0.1:8936/v.html\r\nAccept: */*\r\n"
              "Accept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
    EXPECT_FALSE(calls.body_sent);
    EXPECT_FALSE(calls.unzeroed_buffer);
    EXPECT_FALSE(calls.unblank_room);
}

TEST(FetchPageCalls, AddressGivesHostPortPathAndFlags) {
    const struct {
        std::string url;
        bool no_redirect;
        std::string connect;
        std::string request;
    } cases[] = {
        {"https://Host.example/A?b=1#c", false, "\"host.example\" 443",
         "\"/A?b=1#c\" \"HTTP/1.1\" \"\" (null) 80880010"},
        {"https://web.example:8443/", false, "\"web.example\" 8443",
         "\"/\" \"HTTP/1.1\" \"\" (null) 80880010"},
        {"h.example/p", false, "\"h.example\" 80", "\"/p\" \"HTTP/1.1\" \"\" (null) 80084010"},
        {"http://h.example", true, "\"h.example\" 80", "\"/\" \"HTTP/1.1\" \"\" (null) 80284010"},
    };
    for (const auto& c : cases) {
        recording_calls calls;
        fetch_options options;
        options.no_redirect = c.no_redirect;
        fetch_page_through(calls, c.url, options);
        ASSERT_GE(calls.calls.size(), 3u);
        EXPECT_EQ(calls.calls[1], "connect internet " + c.connect + " \"\" \"\" 3 0 0") << c.url;
        EXPECT_EQ(calls.calls[2], "open_request connection \"GET\" " + c.request + " 0") << c.url;
    }
}

TEST(FetchPageCalls, ProxyServerGivenOrOmitted) {
    const struct {
        std::optional<std::string> proxy;
        std::string open;
    } cases[] = {
        {std::nullopt, " 1 \"\" \"\" 0"},
        {"p.example:8080", " 3 \"http=p.example:8080\" \"\" 0"},
        {"", " 3 \"http=\" \"\" 0"},  // given empty still asks for a proxy
    };
    for (const auto& c : cases) {
        recording_calls calls;
        fetch_options options;
        options.proxy_server = c.proxy;
        fetch_page_through(calls, "http://h.example/", options);
        EXPECT_EQ(calls.calls.at(0), "open " + own_agent + c.open);
    }
}

TEST(FetchPageCalls, CallersHeadersGiveTheAgentAndComeBackAsSent) {
    recording_calls calls;
    std::string headers = "user-agent: Tester 1\r\nX-Referer: a";
    std::string cookies = "k=v";
    fetch_options options;
    options.headers = &headers;
    options.cookies = &cookies;
    fetch_page_through(calls, "http://h.example/", options);
    EXPECT_EQ(calls.calls.at(0), "open \"Tester 1\" 1 \"\" \"\" 0");
    const std::string sent =
        "user-agent: Tester 1\r\nX-Referer: a\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
        "Content-Type: application/x-www-form-urlencoded\r\nCookie: k=v";
    EXPECT_EQ(calls.sent_headers, sent);
    EXPECT_EQ(headers, sent);
}

TEST(FetchPageCalls, BodyIsSentForEveryMethodButZero) {
    const struct {
        std::int32_t method;
        std::string post_text;
        std::string post_bytes;
        std::string verb;
        bool body_sent;
        std::string body;
    } cases[] = {
        {1, "a=1&b=2", "", "\"POST\"", true, "a=1&b=2"},  // the text becomes the bytes
        {1, "text", std::string("x\0y", 3), "\"POST\"", true, std::string("x\0y", 3)},
        {2, "a=1", "", "\"GET\"", true, "a=1"},  // GET, yet with a body
        {1, "", "", "\"POST\"", true, ""},
        {0, "a=1", "", "\"GET\"", false, ""},
        {-1, "a=1", "", "\"GET\"", true, "a=1"},
    };
    for (const auto& c : cases) {
        recording_calls calls;
        std::string post_bytes = c.post_bytes;
        fetch_options options;
        options.request_method = c.method;
        options.post_text = c.post_text;
        options.post_bytes = &post_bytes;
        fetch_page_through(calls, "http://h.example/", options);
        EXPECT_EQ(calls.calls.at(2), "open_request connection " + c.verb +
                                         " \"/\" \"HTTP/1.1\" \"\" (null) 80084010 0")
            << c.method;
        EXPECT_EQ(calls.body_sent, c.body_sent) << c.method;
        EXPECT_EQ(calls.sent_body, c.body) << c.method;
        EXPECT_EQ(post_bytes, c.body_sent ? c.body : c.post_bytes) << c.method;
    }
}

TEST(FetchPageCalls, BodyIsReadWholeInZeroedBuffersOf1024Bytes) {
    std::string body(3000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>(i % 251);  // zero bytes among them
    }
    const struct {
        std::vector<DWORD> read_sizes;
        std::size_t reads;
    } cases[] = {
        {{1024, 1024, 952}, 4},
        {{1, 1024, 500, 1024, 451}, 6},
        {{3000}, 4},  // never more than 1024 at once
    };
    for (const auto& c : cases) {
        recording_calls calls;
        calls.body = body;
        calls.read_sizes = c.read_sizes;
        EXPECT_EQ(fetch_page_through(calls, "http://h.example/", {}), body);
        EXPECT_EQ(calls.reads, c.reads);
        EXPECT_FALSE(calls.unzeroed_buffer);
    }
}

TEST(FetchPageCalls, FailedReadEndsTheBody) {
    recording_calls calls;
    calls.body = std::string(2000, 'b');
    calls.read_sizes = {1024, 1024};
    calls.fail_read = 1;
    EXPECT_EQ(fetch_page_through(calls, "http://h.example/", {}), std::string(1024, 'b'));
    EXPECT_EQ(calls.reads, 2u);
}

TEST(FetchPageCalls, ResponseHeadersReachTheOutArguments) {
    recording_calls calls;
    calls.header_block =
        "HTTP/1.1 302 Found\r\nLocation: http://h.example/next\r\nSet-Cookie: a=1; path=/\r\n"
        "Set-Cookie: b=2; path=/\r\n\r\n";
    std::string cookies = "a=0; c=3", returned, location, raw;
    fetch_options options;
    options.cookies = &cookies;
    options.returned_cookies = &returned;
    options.redirect_location = &location;
    options.raw_headers = &raw;
    fetch_page_through(calls, "http://h.example/", options);
    EXPECT_EQ(raw, calls.header_block);
    EXPECT_EQ(location, "http://h.example/next");
    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(cookies, "a=1; b=2; c=3");
}

TEST(FetchPageCalls, HeaderBlockTooLargeForTheRoomLeavesBlanks) {
    recording_calls calls;
    calls.header_block =
        "HTTP/1.1 200 OK\r\nLocation: /x\r\nX: " + std::string(5000, 'x') + "\r\n\r\n";
    std::string location, raw;
    fetch_options options;
    options.redirect_location = &location;
    options.raw_headers = &raw;
    fetch_page_through(calls, "http://h.example/", options);
    EXPECT_EQ(raw, std::string(5000, ' '));
    EXPECT_EQ(location, std::string(5000, ' '));
}

struct arguments {
    std::string cookies = "a = 1 ;b=2";
    std::string returned = "r";
    std::string headers = "X: 1";
    std::string location;
    std::string post_bytes;
    std::string raw = "w";

    fetch_options options() {
        fetch_options o;
        o.request_method = 1;
        o.post_text = "p=1";
        o.cookies = &cookies;
        o.returned_cookies = &returned;
        o.headers = &headers;
        o.redirect_location = &location;
        o.post_bytes = &post_bytes;
        o.raw_headers = &raw;
        return o;
    }
};

TEST(FetchPageCalls, FailureBeforeSendingChangesNoArgument) {
    const std::vector<std::string> opened = {
        "open " + own_agent + " 1 \"\" \"\" 0",
        "connect internet \"h.example\" 80 \"\" \"\" 3 0 0",
        "open_request connection \"POST\" \"/\" \"HTTP/1.1\" \"\" (null) 80084010 0",
    };
    const struct {
        const char* failing;
        std::size_t calls_made;
        std::vector<std::string> closes;
    } cases[] = {
        {"open", 1, {}},
        {"connect", 2, {"close internet"}},
        {"request", 3, {"close connection", "close internet"}},
    };
    for (const auto& c : cases) {
        recording_calls calls;
        calls.open_fails = c.failing == std::string("open");
        calls.connect_fails = c.failing == std::string("connect");
        calls.request_fails = c.failing == std::string("request");
        arguments args;
        EXPECT_EQ(fetch_page_through(calls, "http://h.example/", args.options()), "") << c.failing;
        EXPECT_EQ(calls.calls, joined({opened.begin(), opened.begin() + c.calls_made}, c.closes))
            << c.failing;
        const arguments untouched;
        EXPECT_EQ(args.cookies, untouched.cookies) << c.failing;
        EXPECT_EQ(args.returned, untouched.returned) << c.failing;
        EXPECT_EQ(args.headers, untouched.headers) << c.failing;
        EXPECT_EQ(args.location, untouched.location) << c.failing;
        EXPECT_EQ(args.post_bytes, untouched.post_bytes) << c.failing;
        EXPECT_EQ(args.raw, untouched.raw) << c.failing;
    }
}

TEST(FetchPageCalls, FailedSendLeavesAnEmptyBodyAndBlankHeaders) {
    recording_calls calls;
    calls.send_fails = true;
    calls.body = "never read";
    arguments args;
    EXPECT_EQ(fetch_page_through(calls, "http://h.example/", args.options()), "");
    EXPECT_EQ(calls.calls,
              joined({"open " + own_agent + " 1 \"\" \"\" 0",
                      "connect internet \"h.example\" 80 \"\" \"\" 3 0 0",
                      "open_request connection \"POST\" \"/\" \"HTTP/1.1\" \"\" (null) 80084010 0",
                      "send request"},
                     reads_and_closes(1)));
    EXPECT_EQ(args.headers,
              "X: 1\r\nReferer: http://h.example/\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\nCookie: a = 1 ;b=2");
    EXPECT_EQ(args.post_bytes, "p=1");
    EXPECT_EQ(args.raw, std::string(5000, ' '));
    EXPECT_EQ(args.location, std::string(5000, ' '));
    EXPECT_EQ(args.returned, "");
    EXPECT_EQ(args.cookies, "a=1; b=2");
}

}  // namespace
}  // namespace velorin
