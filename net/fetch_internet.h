// The seven Internet functions the web page fetch calls, behind an
// interface so that tests can record every argument. The real one calls
// the platform's WinInet functions of the same names.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>
#include <string_view>

#include "net/fetch_page.h"

namespace velorin {

struct internet_calls {
    virtual HINTERNET open(const char* agent, DWORD access_type, const char* proxy,
                           const char* proxy_bypass, DWORD flags) = 0;
    virtual HINTERNET connect(HINTERNET internet, const char* host, INTERNET_PORT port,
                              const char* user_name, const char* password, DWORD service,
                              DWORD flags, DWORD_PTR context) = 0;
    virtual HINTERNET open_request(HINTERNET connection, const char* verb, const char* object,
                                   const char* version, const char* referrer,
                                   const char** accept_types, DWORD flags, DWORD_PTR context) = 0;
    virtual BOOL send_request(HINTERNET request, const char* headers, DWORD headers_length,
                              void* body, DWORD body_length) = 0;
    virtual BOOL read_file(HINTERNET request, void* buffer, DWORD bytes_to_read,
                           DWORD* bytes_read) = 0;
    virtual BOOL query_info(HINTERNET request, DWORD info_level, void* buffer, DWORD* buffer_length,
                            DWORD* index) = 0;
    virtual BOOL close_handle(HINTERNET handle) = 0;

  protected:
    ~internet_calls() = default;
};

// The platform's functions. Its Internet handles carry connect, send and
// receive time-outs, so an unreachable or silent server ends a fetch within
// seconds.
internet_calls& wininet_calls();

// fetch_page through the given functions.
std::string fetch_page_through(internet_calls& calls, std::string_view page_url,
                               const fetch_options& options);

}  // namespace velorin
