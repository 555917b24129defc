// Middle-text extraction: the text between a left and a right
// marker. In the markers every "#引号" stands for one double quote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velorin {

// The text between the first left marker found at or after start_pos and
// the first right marker behind it; "" when either is missing. Matches case
// exactly unless ignore_case is true.
std::string text_between(std::string_view text, std::string_view left, std::string_view right,
                         std::int32_t start_pos = 1, bool ignore_case = false);

// The same, but ignoring the case of ASCII letters unless match_case is true.
std::string text_between_ci(std::string_view text, std::string_view left, std::string_view right,
                            std::int32_t start_pos = 1, bool match_case = false);

}  // namespace velorin
