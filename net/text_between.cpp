#include "net/text_between.h"

#include "net/text_ops.h"

namespace velorin {

namespace {

// The marker as it is sought: every "#引号" a double quote.
std::string unquoted(std::string_view marker) {
    return replace_text(marker, "#引号", "\"");
}

std::string between(std::string_view text, std::string_view left_marker,
                    std::string_view right_marker, std::int32_t start_pos, bool ignore_case) {
    text = as_text(text);
    const std::string left = unquoted(left_marker);
    const std::string right = unquoted(right_marker);
    const std::int32_t p = find_text(text, left, start_pos, ignore_case);
    if (p == -1) {
        return "";
    }
    // A match ends inside the text, so q is at most the text's length + 1.
    const auto q = static_cast<std::int32_t>(p + left.size());
    const std::int32_t r = find_text(text, right, q, ignore_case);
    if (r == -1) {
        return "";
    }
    return middle_part(text, q, r - q);
}

}  // namespace

std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         std::int32_t start_pos, bool ignore_case) {
    return between(text, left, right, start_pos, ignore_case);
}

std::string text_between_ci(std::string_view text, std::string_view left, std::string_view right,
                            std::int32_t start_pos, bool match_case) {
    return between(text, left, right, start_pos, !match_case);
}

}  // namespace velorin
