#include "net/url_parts.h"

#include <vector>

#include "core/conversions.h"
#include "net/text_between.h"
#include "net/text_ops.h"

namespace velorin {

namespace {

std::int32_t length_of(std::string_view text) {
    return static_cast<std::int32_t>(text.size());
}

}  // namespace

std::string header_value(std::string_view line) {
    line = as_text(line);
    const std::int32_t c = find_text(line, ":");
    if (c == -1) {
        return "";
    }
    return trim_blanks(right_part(line, length_of(line) - c));
}

std::string url_host(std::string_view address, bool domain_only, bool keep_port) {
    std::string s = lower_case(address);
    // right_part of an empty text is "", so an empty address gets its "/" too.
    if (right_part(s, 1) != "/") {
        s += '/';
    }
    std::string prefix;
    if (left_part(s, 8) == "https://") {
        prefix = "https://";
    } else {
        prefix = "http://";
        if (find_text(s, "http://") == -1) {
            s = "http://" + s;
        }
    }
    s = text_between_ci(s, prefix, "/");
    if (domain_only) {
        const std::vector<std::string> pieces = split_text(s, ".");
        if (pieces.size() > 1) {
            s = pieces[pieces.size() - 2] + "." + pieces.back();
        }
    }
    if (!keep_port) {
        const std::int32_t c = find_text(s, ":");
        if (c != -1) {
            s = left_part(s, c - 1);
        }
    }
    return s;
}

std::int32_t url_port(std::string_view address) {
    const std::string h = url_host(address, false, true);
    const std::int32_t c = find_last_text(h, ":");
    if (c != -1) {
        return text_to_int(right_part(h, length_of(h) - c));
    }
    return left_part(lower_case(address), 5) == "https" ? 443 : 80;
}

std::string url_path(std::string_view address) {
    address = as_text(address);
    const std::string h = url_host(address);
    const std::int32_t a = find_text(address, h, 1, true);
    // A start of -1 counts as 1: when the host is not found, from the beginning.
    const std::int32_t b = find_text(address, "/", a, true);
    if (b == -1) {
        return "/";
    }
    return right_part(address, length_of(address) - b + 1);
}

}  // namespace velorin
