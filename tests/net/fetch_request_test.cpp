// The portable parts of the web page fetch: agent, header text and flags of
// the request, and the header lines and cookies of the response.
#include "net/fetch_request.h"

#include <gtest/gtest.h>

#include <string>

namespace velorin {
namespace {

TEST(RequestVerb, IsPostOnlyForMethodOne) {
    EXPECT_EQ(request_verb(1), "POST");
    for (int method : {0, 2, -1, 100}) {
        EXPECT_EQ(request_verb(method), "GET") << method;
    }
}

TEST(RequestAgent, ComesFromTheUserAgentLineOrIsTheDefault) {
    const struct {
        std::string headers;
        std::string agent;
    } cases[] = {
        {"", std::string(default_user_agent)},
        {"Accept: x", std::string(default_user_agent)},
        {"User-Agent: X", "X"},  // no CR LF behind: the whole text's value
        {"user-agent: X", "X"},  // any letter case
        {"USER-AGENT:X", "X"},
        {"User-Agent:  X  \r\nAccept: y", "X"},  // up to the CR LF, trimmed
        {"Accept: y\r\nUser-Agent: X\r\n", "X"},
        {"Referer: a\r\nUser-Agent: X", "a\r\nUser-Agent: X"},  // the first colon's value
        {"User-Agent: \r\nAccept: y", "\r\nAccept: y"},         // empty up to CR LF
        {"User-Agent:", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(request_agent(c.headers), c.agent) << '"' << c.headers << '"';
    }
}

TEST(RequestHeaders, AddsEachMissingDefaultLineInOrder) {
    const std::string url = "http://h/v.html";
    const std::string all_defaults =
        "Referer: http://h/v.html\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
        "Content-Type: application/x-www-form-urlencoded";
    const struct {
        std::string headers;
        std::string cookies;
        std::string sent;
    } cases[] = {
        {"", "", all_defaults},  // the program's own call: no CR LF at the end
        {"", "a=1", all_defaults + "\r\nCookie: a=1"},
        {"X: 1", "", "X: 1\r\n" + all_defaults},
        {"X: 1\r\n", "", "X: 1\r\n\r\n" + all_defaults},      // an empty line before the defaults
        {"referer: x", "", "referer: x\r\n" + all_defaults},  // names match exactly
        {"X-Referer: a", "",
         "X-Referer: a\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
         "Content-Type: application/x-www-form-urlencoded"},  // found anywhere
        {"Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: t", "",
         "Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: t"},
        {"Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: t\r\n", "",
         "Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: t\r\n"},
        {"Cookie: b=2", "a=1",
         "Cookie: b=2\r\n" + all_defaults + "\r\nCookie: a=1"},  // added whatever stands there
        {"Accept-Language: l", "",  // holds neither "Accept:" nor the others
         "Accept-Language: l\r\nReferer: http://h/v.html\r\nAccept: */*\r\n"
         "Content-Type: application/x-www-form-urlencoded"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(request_headers(c.headers, url, c.cookies), c.sent)
            << '"' << c.headers << "\" cookies \"" << c.cookies << '"';
    }
}

TEST(RequestFlags, DependOnTheSchemeAndTheRedirectChoice) {
    const struct {
        std::string url;
        bool no_redirect;
        std::uint32_t flags;
    } cases[] = {
        {"http://h/v.html", false, 0x80084010},  // the program's own call
        {"https://h/v.html", false, 0x80880010},
        {"HTTPS://h/", false, 0x80880010},  // the scheme in any letter case
        {"h/v.html", false, 0x80084010},    // no scheme: http
        {"http://h/", true, 0x80284010},
        {"https://h/", true, 0x80A80010},
        {"httpsx", false, 0x80880010},  // only the first five letters count
        {"", false, 0x80084010},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(request_flags(c.url, c.no_redirect), c.flags)
            << c.url << (c.no_redirect ? " no redirect" : "");
    }
}

TEST(ResponseHeaders, LocationLinesGiveTheRedirect) {
    const struct {
        std::string raw;
        std::string before;
        std::string after;
    } cases[] = {
        {"HTTP/1.1 302 Found\r\nLocation: /b\r\n\r\n", "", "/b"},
        {"HTTP/1.1 302 Found\r\nLocation: /b\r\n\r\n", "old", "/b"},
        {"HTTP/1.1 200 OK\r\nContent-Location: /a\r\n\r\n", "", "/a"},  // anywhere in a line
        {"HTTP/1.1 302 Found\r\nLocation: /1\r\nLocation: /2\r\n\r\n", "", "/2"},  // the last
        {"HTTP/1.1 200 OK\r\nA: b\r\n\r\n", "", "HTTP/1.1 200 OK\r\nA: b\r\n\r\n"},
        {"HTTP/1.1 200 OK\r\nA: b\r\n\r\n", "kept", "kept"},  // never cleared on entry
        {"HTTP/1.1 200 OK\r\nlocation: /x\r\n\r\n", "", "HTTP/1.1 200 OK\r\nlocation: /x\r\n\r\n"},
        {"HTTP/1.1 302 Found\r\nLocation:\r\n\r\n", "old",  // an empty location clears
         "HTTP/1.1 302 Found\r\nLocation:\r\n\r\n"},
        {std::string(5000, ' '), "", std::string(5000, ' ')},  // the header query failed
    };
    for (const auto& c : cases) {
        std::string location = c.before;
        std::string returned, cookies;
        apply_response_headers(c.raw, location, returned, cookies);
        EXPECT_EQ(location, c.after) << '"' << c.raw << "\" before \"" << c.before << '"';
    }
}

TEST(ResponseHeaders, SetCookieLinesAreReturnedAndMerged) {
    const struct {
        std::string cookies_before;
        std::string lines;
        std::string returned;
        std::string cookies_after;
    } cases[] = {
        {"a=0; c=3", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n", "a=1;b=2",
         "a=1; b=2; c=3"},
        {"a=0", "Set-Cookie: a=deleted; path=/\r\n", "a=deleted", ""},
        {"a = 1 ;b=2", "", "", "a=1; b=2"},
        {"", "Set-Cookie: a=1\r\n", "", ""},  // no semicolon: nothing between the markers
        {"", "Set-Cookie: a=1\r\nSet-Cookie: b=2; path=/\r\n", ";b=2", "; b=2"},
        {"", "set-cookie: a=1; path=/\r\n", "", ""},  // the line test matches case exactly
        {"", "Set-Cookie:  x = 1 ; path=/\r\n", "x=1", "x=1"},
    };
    for (const auto& c : cases) {
        const std::string raw = "HTTP/1.1 200 OK\r\n" + c.lines + "\r\n";
        std::string location, returned = "stale", cookies = c.cookies_before;
        apply_response_headers(raw, location, returned, cookies);
        EXPECT_EQ(returned, c.returned) << c.lines;
        EXPECT_EQ(cookies, c.cookies_after) << c.lines;
    }
}

}  // namespace
}  // namespace velorin
