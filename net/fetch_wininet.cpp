#include "net/fetch_internet.h"

namespace velorin {

namespace {

// The platform waits far longer than a user at start-up would for an
// unreachable or silent server; five seconds for connecting, sending and
// receiving each lets a fetch fail soon while a live server on a slow
// network still answers in time.
constexpr DWORD network_timeout_ms = 5000;

void set_timeouts(HINTERNET handle) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD value = network_timeout_ms;
        InternetSetOptionA(handle, option, &value, sizeof value);
    }
}

struct platform_calls final : internet_calls {
    HINTERNET open(const char* agent, DWORD access_type, const char* proxy,
                   const char* proxy_bypass, DWORD flags) override {
        HINTERNET internet = InternetOpenA(agent, access_type, proxy, proxy_bypass, flags);
        if (internet != nullptr) {
            set_timeouts(internet);
        }
        return internet;
    }
    HINTERNET connect(HINTERNET internet, const char* host, INTERNET_PORT port,
                      const char* user_name, const char* password, DWORD service, DWORD flags,
                      DWORD_PTR context) override {
        return InternetConnectA(internet, host, port, user_name, password, service, flags, context);
    }
    HINTERNET open_request(HINTERNET connection, const char* verb, const char* object,
                           const char* version, const char* referrer, const char** accept_types,
                           DWORD flags, DWORD_PTR context) override {
        HINTERNET request = HttpOpenRequestA(connection, verb, object, version, referrer,
                                             accept_types, flags, context);
        if (request != nullptr) {
            set_timeouts(request);
        }
        return request;
    }
    BOOL send_request(HINTERNET request, const char* headers, DWORD headers_length, void* body,
                      DWORD body_length) override {
        return HttpSendRequestA(request, headers, headers_length, body, body_length);
    }
    BOOL read_file(HINTERNET request, void* buffer, DWORD bytes_to_read,
                   DWORD* bytes_read) override {
        return InternetReadFile(request, buffer, bytes_to_read, bytes_read);
    }
    BOOL query_info(HINTERNET request, DWORD info_level, void* buffer, DWORD* buffer_length,
                    DWORD* index) override {
        return HttpQueryInfoA(request, info_level, buffer, buffer_length, index);
    }
    BOOL close_handle(HINTERNET handle) override { return InternetCloseHandle(handle); }
};

}  // namespace

internet_calls& wininet_calls() {
    static platform_calls calls;
    return calls;
}

}  // namespace velorin
