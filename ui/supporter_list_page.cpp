#include "ui/supporter_list_page.h"

#include <windows.h>

#include <wininet.h>

#include "app/maker.h"
#include "ui/supporter_list.h"

namespace velorin {

namespace {

constexpr char supporter_page_address[] = MAKER_SITE "/md.html";
// The window appears only once the read is over, so a silent site must not
// hold it back for long.
constexpr DWORD page_read_timeout_ms = 4000;
constexpr DWORD read_chunk = 16 * 1024;

// Closes an Internet handle when it goes out of scope.
class internet_handle {
  public:
    explicit internet_handle(HINTERNET handle) : handle_(handle) {}
    internet_handle(const internet_handle&) = delete;
    internet_handle& operator=(const internet_handle&) = delete;
    ~internet_handle() {
        if (handle_) {
            InternetCloseHandle(handle_);
        }
    }
    HINTERNET get() const { return handle_; }

  private:
    HINTERNET handle_;
};

void set_timeouts(HINTERNET session) {
    DWORD timeout = page_read_timeout_ms;
    for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                               INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionA(session, option, &timeout, sizeof timeout);
    }
}

bool succeeded(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof status;
    return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                          nullptr) &&
           status >= 200 && status < 300;
}

// The whole body, or nothing when any part of it cannot be read.
std::string read_body(HINTERNET request) {
    std::string body;
    char chunk[read_chunk];
    DWORD got = 0;
    while (InternetReadFile(request, chunk, read_chunk, &got)) {
        if (got == 0) {
            return body;
        }
        body.append(chunk, got);
    }
    return {};
}

}  // namespace

std::string read_supporter_page() {
    const internet_handle session(
        InternetOpenA("Velorin", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.get()) {
        return {};
    }
    set_timeouts(session.get());
    constexpr DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                            INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
    const internet_handle request(
        InternetOpenUrlA(session.get(), supporter_page_address, nullptr, 0, flags, 0));
    if (!request.get() || !succeeded(request.get())) {
        return {};
    }
    return read_body(request.get());
}

void load_supporter_list(control_access& window) {
    show_supporter_list(window, read_supporter_page());
}

}  // namespace velorin
