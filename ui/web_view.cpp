#include "ui/web_view.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <string>

#include "ui/wide_text.h"

namespace velorin {

namespace {

// Long enough for a page of the maker's site, short enough that a silent
// server does not keep the thread for minutes.
constexpr DWORD page_time_out_ms = 5000;

DWORD WINAPI open_page(void* parameter) {
    const std::unique_ptr<std::wstring> address(static_cast<std::wstring*>(parameter));
    HINTERNET internet = InternetOpenW(L"Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)",
                                       INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!internet) {
        return 0;
    }
    DWORD time_out = page_time_out_ms;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionW(internet, option, &time_out, sizeof time_out);
    }
    if (HINTERNET page = InternetOpenUrlW(internet, address->c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_UI, 0)) {
        char buffer[4096];
        DWORD count = 0;
        while (InternetReadFile(page, buffer, sizeof buffer, &count) && count > 0) {
        }
        InternetCloseHandle(page);
    }
    InternetCloseHandle(internet);
    return 0;
}

}  // namespace

void open_in_background(std::string_view address) {
    auto wide_address = std::make_unique<std::wstring>(wide_from_cp936(address));
    if (HANDLE thread = CreateThread(nullptr, 0, open_page, wide_address.get(), 0, nullptr)) {
        wide_address.release();  // the thread owns it now
        CloseHandle(thread);
    }
}

}  // namespace velorin
