#include "net/code_pages.h"

#include <windows.h>

#include <climits>
#include <cstddef>

#include "core/conversions.h"

namespace velorin {

namespace {

constexpr UINT code_page_936 = 936;

}  // namespace

std::string utf8_to_utf16(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX) / 2) {
        return {};
    }
    const int n = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), n, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    const int converted = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), n, wide.data(), units);
    if (converted <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(units) * 2, '\0');
    for (std::size_t i = 0; i < static_cast<std::size_t>(converted); ++i) {
        const auto unit = static_cast<unsigned>(wide[i]);
        result[2 * i] = static_cast<char>(unit & 0xFFu);
        result[2 * i + 1] = static_cast<char>((unit >> 8) & 0xFFu);
    }
    return result;
}

std::string utf16_to_cp936(std::string_view bytes) {
    const std::size_t count = bytes.size() / 2;
    if (count == 0 || count > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    std::wstring wide(count, L'\0');
    for (std::size_t i = 0; i < count; ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        wide[i] = static_cast<wchar_t>(low | (high << 8));
    }
    const int n = static_cast<int>(count);
    const int size = WideCharToMultiByte(code_page_936, WC_COMPOSITECHECK, wide.data(), n, nullptr,
                                         0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    const int converted = WideCharToMultiByte(code_page_936, WC_COMPOSITECHECK, wide.data(), n,
                                              text.data(), size, nullptr, nullptr);
    if (converted <= 0) {
        return {};
    }
    return bytes_to_text(text);
}

std::string utf8_to_cp936(std::string_view bytes) {
    return utf16_to_cp936(utf8_to_utf16(bytes));
}

}  // namespace velorin
