// The value of a header line, and the host, port and path of every shape of
// address listed.
#include "net/url_parts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace velorin {
namespace {

TEST(HeaderValue, IsEverythingBehindTheFirstColonTrimmed) {
    const struct {
        std::string line;
        std::string value;
    } cases[] = {
        {"Location: /p", "/p"},
        {"a:b:c", "b:c"},
        {"no colon here", ""},
        {"Location:", ""},  // a line ending in its colon
        {"Location:   ", ""},
        {"", ""},
        {"User-Agent: X", "X"},
        {"user-agent:X", "X"},
        {"Referer: a\r\nUser-Agent: X", "a\r\nUser-Agent: X"},  // a whole header text
        {"Set-Cookie: a=1; path=/\r\n", "a=1; path=/\r\n"},     // CR LF is no blank
        {"键：　值　", ""},                                     // a full-width colon is no colon
        {"键:　值　 ", "值"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(header_value(c.line), c.value) << '"' << c.line << '"';
    }
}

struct address_case {
    std::string address;
    std::string host;  // both options false
    std::string host_with_port;
    std::int32_t port;
    std::string path;
};

TEST(UrlParts, TakeEveryShapeOfAddressApart) {
    const address_case cases[] = {
        // Scheme and host in capitals: the host in lower case, the path in
        // the address's own letter case.
        {"HTTP://WWW.Example.COM/Path/To?Q=A#F", "www.example.com", "www.example.com", 80,
         "/Path/To?Q=A#F"},
        {"HTTPS://Secure.Example.COM/X", "secure.example.com", "secure.example.com", 443, "/X"},
        // A port after the host.
        {"http://www.example.com:8080/a/b", "www.example.com", "www.example.com:8080", 8080,
         "/a/b"},
        {"https://secure.example.com:8443/x", "secure.example.com", "secure.example.com:8443", 8443,
         "/x"},
        {"http://a.com:81", "a.com", "a.com:81", 81, "/"},
        {"http://a.com:/x", "a.com", "a.com:", 0, "/x"},
        {"http://a.com:abc/x", "a.com", "a.com:abc", 0, "/x"},  // read by text_to_int
        // Default ports.
        {"https://secure.example.com/x", "secure.example.com", "secure.example.com", 443, "/x"},
        {"http://a.com/x", "a.com", "a.com", 80, "/x"},
        {"a.com/x", "a.com", "a.com", 80, "/x"},
        {"a.com:8000/x", "a.com", "a.com:8000", 8000, "/x"},
        // Nothing behind the host.
        {"http://a.com", "a.com", "a.com", 80, "/"},
        {"http://a.com/", "a.com", "a.com", 80, "/"},
        {"https://a.com", "a.com", "a.com", 443, "/"},
        {"a.com", "a.com", "a.com", 80, "/"},
        // A host followed directly by a query, with no slash.
        {"http://a.com?x=1", "a.com?x=1", "a.com?x=1", 80, "/"},
        {"http://a.com?x=1/y", "a.com?x=1", "a.com?x=1", 80, "/y"},
        // No scheme, and "http://" only inside the query: the host is taken
        // from behind that inner "http://", and the path from behind where
        // that host occurs.
        {"a.com/r?u=http://b.com/x", "b.com", "b.com", 80, "/x"},
        {"a.com/r?u=HTTP://B.com:90/x", "b.com", "b.com:90", 90, "/x"},
        // The host is sought anywhere in the address, ignoring case: a host
        // "p" is found in the scheme "http", so the path starts at "//".
        {"http://p/x", "p", "p", 80, "//p/x"},
        // "https" without "://" counts for the port, not for the host.
        {"httpsx.com/a", "httpsx.com", "httpsx.com", 443, "/a"},
        // Empty and odd addresses.
        {"", "", "", 80, "/"},
        {"/", "", "", 80, "/"},
        {"http://", "", "", 80, "//"},
        {"http://最新.com/版本", "最新.com", "最新.com", 80, "/版本"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(url_host(c.address), c.host) << '"' << c.address << '"';
        EXPECT_EQ(url_host(c.address, false, false), c.host) << '"' << c.address << '"';
        EXPECT_EQ(url_host(c.address, false, true), c.host_with_port) << '"' << c.address << '"';
        EXPECT_EQ(url_port(c.address), c.port) << '"' << c.address << '"';
        EXPECT_EQ(url_path(c.address), c.path) << '"' << c.address << '"';
    }
}

TEST(UrlHost, DomainOnlyKeepsTheLastTwoLabels) {
    const struct {
        std::string address;
        bool keep_port;
        std::string host;
    } cases[] = {
        {"http://www.example.com/x", false, "example.com"},
        {"http://a.b.example.com/x", false, "example.com"},
        {"http://example.com/x", false, "example.com"},
        {"http://localhost/x", false, "localhost"},
        // The port stays attached to the last label.
        {"http://www.example.com:8080/x", true, "example.com:8080"},
        {"http://www.example.com:8080/x", false, "example.com"},
        // The piece after the last "." is dropped when it is empty.
        {"http://www.example.com./x", false, "example.com"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(url_host(c.address, true, c.keep_port), c.host) << '"' << c.address << '"';
    }
}

TEST(UrlPort, ReadsTheNumberBehindTheLastColon) {
    EXPECT_EQ(url_port("http://[::1]:8080/x"), 8080);
    EXPECT_EQ(url_port("http://a.com:-5/x"), -5);
    EXPECT_EQ(url_port("http://a.com:4294967377/x"), 81);  // wraps as text_to_int does
}

}  // namespace
}  // namespace velorin
