#include "tests/e2e/site_control.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>
#include <optional>

#include "net/url_parts.h"

namespace velorin::e2e {

namespace {

// The server answers at once; this only keeps a test from hanging when the
// server is not running.
constexpr DWORD control_timeout_ms = 5000;

struct winsock_session {
    bool started = false;
    winsock_session() {
        WSADATA data;
        started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~winsock_session() {
        if (started) {
            WSACleanup();
        }
    }
};

bool send_all(SOCKET s, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::string receive_all(SOCKET s) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const int n = recv(s, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The whole response to one request on the control port; "" when no
// connection could be made.
std::string exchange(const std::string& request) {
    const winsock_session session;
    if (!session.started) {
        return "";
    }
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        return "";
    }
    DWORD timeout = control_timeout_ms;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(url_port(site_address) + 1));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string response;
    if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        send_all(s, request)) {
        response = receive_all(s);
    }
    closesocket(s);
    return response;
}

// Every byte but the unreserved ones percent-encoded, for a query value.
std::string query_value(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}

// The body of a 200 answer to the request; nothing for any other answer.
std::optional<std::string> call(std::string_view method, const std::string& target,
                                std::string_view body = {}) {
    std::string request = std::string(method) + " " + target + " HTTP/1.1\r\n";
    request += "Host: 127.0.0.1\r\nConnection: close\r\n";
    request += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    request += body;
    const std::string response = exchange(request);
    if (response.rfind("HTTP/1.1 200 ", 0) != 0 && response.rfind("HTTP/1.0 200 ", 0) != 0) {
        return std::nullopt;
    }
    const std::size_t head_end = response.find("\r\n\r\n");
    return head_end == std::string::npos ? "" : response.substr(head_end + 4);
}

int base64_digit(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

}  // namespace

bool site_put_page(std::string_view path, std::string_view body) {
    return call("PUT", "/page?path=" + query_value(path), body).has_value();
}

bool site_put_response(std::string_view path, std::string_view raw_response) {
    return call("PUT", "/response?path=" + query_value(path), raw_response).has_value();
}

bool site_mode(std::string_view mode) {
    return call("POST", "/mode?site=" + query_value(mode)).has_value();
}

bool site_reset() {
    return call("POST", "/reset").has_value();
}

std::vector<std::string> site_requests() {
    const std::optional<std::string> json = call("GET", "/requests");
    std::vector<std::string> requests;
    if (!json) {
        return requests;
    }
    // A list of base64 strings: each quoted text is one request.
    std::size_t open = json->find('"');
    while (open != std::string::npos) {
        const std::size_t close = json->find('"', open + 1);
        if (close == std::string::npos) {
            break;
        }
        requests.push_back(
            base64_decode(std::string_view(*json).substr(open + 1, close - open - 1)));
        open = json->find('"', close + 1);
    }
    return requests;
}

std::string base64_decode(std::string_view text) {
    std::string bytes;
    std::uint32_t bits = 0;
    int bit_count = 0;
    for (char c : text) {
        const int digit = base64_digit(c);
        if (digit < 0) {
            continue;
        }
        bits = (bits << 6) | static_cast<std::uint32_t>(digit);
        bit_count += 6;
        if (bit_count >= 8) {
            bit_count -= 8;
            bytes += static_cast<char>((bits >> bit_count) & 0xFF);
        }
    }
    return bytes;
}

}  // namespace velorin::e2e
