// The web page fetch against the local test HTTP server, through the real
// Internet functions: what goes out on the wire and what comes back. The
// server must be running (tests/http/test_server.py).
//
// This file is compiled with the execution character set code page 936, so
// UTF-8 page bodies are built from u8 literals.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "net/fetch_page.h"
#include "tests/e2e/site_control.h"

namespace velorin::e2e {
namespace {

std::string address(std::string_view path) {
    return std::string(site_address) + std::string(path);
}

std::string bytes_of(std::u8string_view utf8) {
    return std::string(utf8.begin(), utf8.end());
}

std::string response(std::string_view status_line, std::string_view header_lines,
                     std::string_view body) {
    return std::string(status_line) + "\r\n" + std::string(header_lines) +
           "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
           std::string(body);
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

class FetchPage : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(site_reset()) << "the test HTTP server is not running"; }
    void TearDown() override { site_reset(); }

    // The one request the site received.
    std::string only_request() {
        const std::vector<std::string> requests = site_requests();
        EXPECT_EQ(requests.size(), 1u);
        return requests.empty() ? "" : requests.front();
    }
};

TEST_F(FetchPage, TheProgramsOwnCallSendsTheDefaultRequestAndGetsTheText) {
    ASSERT_TRUE(site_put_page("/v.html", bytes_of(u8"<p>最新版本=1.0</p>")));
    EXPECT_EQ(fetch_page_text(address("/v.html")), "<p>最新版本=1.0</p>");

    const std::string request = only_request();
    EXPECT_EQ(request.rfind("GET /v.html HTTP/1.1\r\n", 0), 0u) << request;
    const std::string lines[] = {
        "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; Vumo; .NET CLR "
        "2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)\r\n",
        "\r\nReferer: " + address("/v.html") + "\r\n",
        "\r\nAccept: */*\r\n",
        "\r\nAccept-Language: zh-cn\r\n",
        "\r\nContent-Type: application/x-www-form-urlencoded\r\n",
    };
    for (const std::string& line : lines) {
        EXPECT_TRUE(contains(request, line)) << line << " missing in\n" << request;
    }
    EXPECT_FALSE(contains(request, "Cookie:")) << request;
}

TEST_F(FetchPage, StatusLineAndHeadersComeBackRaw) {
    const struct {
        std::string status_line;
        std::string body;
    } cases[] = {
        {"HTTP/1.1 200 OK", "fine"},
        {"HTTP/1.1 404 Not Found", "missing"},
        {"HTTP/1.1 500 Internal Server Error", "broken"},
        {"HTTP/1.0 201 Created", "made"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(site_put_response("/s", response(c.status_line, "X-Kind: test\r\n", c.body)));
        std::string raw;
        fetch_options options;
        options.raw_headers = &raw;
        EXPECT_EQ(fetch_page(address("/s"), options), c.body) << c.status_line;
        EXPECT_EQ(raw.rfind(c.status_line + "\r\n", 0), 0u) << raw;
        EXPECT_TRUE(contains(raw, "\r\nX-Kind: test\r\n")) << raw;
        EXPECT_TRUE(raw.ends_with("\r\n\r\n")) << raw;
    }
}

TEST_F(FetchPage, CookiesAreSentAndSetCookieLinesMerged) {
    ASSERT_TRUE(site_put_response(
        "/c",
        response("HTTP/1.1 200 OK", "Set-Cookie: a=1; path=/\r\nSet-Cookie: b=2; path=/\r\n", "")));
    std::string cookies = "a=0; c=3", returned;
    fetch_options options;
    options.cookies = &cookies;
    options.returned_cookies = &returned;
    fetch_page(address("/c"), options);
    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(cookies, "a=1; b=2; c=3");
    EXPECT_TRUE(contains(only_request(), "\r\nCookie: a=0; c=3\r\n"));

    // Nothing is kept between calls: the next request carries no cookie.
    ASSERT_TRUE(site_reset());
    ASSERT_TRUE(site_put_page("/c", "again"));
    EXPECT_EQ(fetch_page(address("/c")), "again");
    EXPECT_FALSE(contains(only_request(), "Cookie:"));
}

TEST_F(FetchPage, RedirectsAreFollowedUnlessAskedNotTo) {
    ASSERT_TRUE(
        site_put_response("/old", response("HTTP/1.1 302 Found", "Location: /new\r\n", "moved")));
    ASSERT_TRUE(site_put_page("/new", "the new page"));

    EXPECT_EQ(fetch_page(address("/old")), "the new page");
    const std::vector<std::string> followed = site_requests();
    ASSERT_EQ(followed.size(), 2u);
    EXPECT_EQ(followed[1].rfind("GET /new HTTP/1.1\r\n", 0), 0u) << followed[1];

    ASSERT_TRUE(site_reset());
    ASSERT_TRUE(
        site_put_response("/old", response("HTTP/1.1 302 Found", "Location: /new\r\n", "moved")));
    std::string location;
    fetch_options options;
    options.no_redirect = true;
    options.redirect_location = &location;
    EXPECT_EQ(fetch_page(address("/old"), options), "moved");
    EXPECT_EQ(location, "/new");
    EXPECT_EQ(only_request().rfind("GET /old HTTP/1.1\r\n", 0), 0u);
}

TEST_F(FetchPage, BodiesComeBackWhole) {
    std::string large(3000, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<char>('a' + i % 26);
    }
    const std::string cases[] = {
        large, "", std::string("before\0after", 12),
        std::string(1024, 'x'),  // exactly one read's worth
    };
    for (const std::string& body : cases) {
        ASSERT_TRUE(site_put_page("/b", body));
        EXPECT_EQ(fetch_page(address("/b")), body) << body.size() << " bytes";
    }
    ASSERT_TRUE(site_put_page("/b", ""));
    EXPECT_EQ(fetch_page_text(address("/b")), "");
}

TEST_F(FetchPage, PostSendsTheBody) {
    ASSERT_TRUE(site_put_page("/p", "posted"));
    std::string post_bytes;
    fetch_options options;
    options.request_method = 1;
    options.post_text = "a=1&b=2";
    options.post_bytes = &post_bytes;
    EXPECT_EQ(fetch_page(address("/p"), options), "posted");
    EXPECT_EQ(post_bytes, "a=1&b=2");
    const std::string request = only_request();
    EXPECT_EQ(request.rfind("POST /p HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_TRUE(request.ends_with("\r\n\r\na=1&b=2")) << request;
}

TEST_F(FetchPage, SilentOrClosedSiteEndsWithEmptyResults) {
    for (const char* mode : {"silent", "closed"}) {
        ASSERT_TRUE(site_mode(mode));
        EXPECT_EQ(fetch_page(address("/v.html")), "") << mode;
        EXPECT_EQ(fetch_page_text(address("/v.html")), "") << mode;
        ASSERT_TRUE(site_mode("open"));
    }
}

}  // namespace
}  // namespace velorin::e2e
