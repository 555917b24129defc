#include "net/cookies.h"

#include <cstdint>
#include <vector>

#include "net/text_ops.h"

namespace velorin {

std::string cookie_name(std::string_view entry) {
    const std::int32_t c = find_text(entry, "=");
    return trim_blanks(c != -1 ? left_part(entry, c - 1) : std::string(as_text(entry)));
}

bool has_cookie(std::span<const std::string> entries, std::string_view name) {
    name = as_text(name);
    for (const std::string& entry : entries) {
        if (cookie_name(entry) == name) {
            return true;
        }
    }
    return false;
}

std::string merge_cookies(std::string& old_cookies, std::string& new_cookies) {
    old_cookies = remove_blanks(old_cookies);
    new_cookies = remove_blanks(new_cookies);
    const std::vector<std::string> old_entries = split_text(old_cookies, ";");
    std::vector<std::string> merged = split_text(new_cookies, ";");
    for (const std::string& entry : old_entries) {
        if (!has_cookie(merged, cookie_name(entry))) {
            merged.push_back(entry);
        }
    }
    old_cookies.clear();
    for (const std::string& entry : merged) {
        if (right_part(entry, 8) != "=deleted") {
            old_cookies += entry;
            old_cookies += "; ";
        }
    }
    old_cookies = left_part(old_cookies, static_cast<std::int32_t>(old_cookies.size()) - 2);
    return old_cookies;
}

}  // namespace velorin
