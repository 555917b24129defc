#include "ui/wide_text.h"

#include <windows.h>

namespace velorin {

namespace {
constexpr UINT chinese_code_page = 936;
}

std::wstring wide_from_cp936(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(chinese_code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(chinese_code_page, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string cp936_from_wide(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(chinese_code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(chinese_code_page, 0, text.data(), size, narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace velorin
