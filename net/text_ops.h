// The text operations on which the web helpers rest. Texts are
// code page 936 byte strings that end at their first zero byte; a byte from
// 0x80 to 0xFF starts a two-byte character. Positions are 1-based byte
// positions and a search that finds nothing gives -1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// The text a string holds: its bytes up to the first zero byte.
std::string_view as_text(std::string_view text);

// The position of the first occurrence of target that begins at or after
// start. A start below 1 counts as 1; a start beyond the end gives -1. Only
// positions where a character begins are tried, counted from the start of
// the text, so a match never begins on the second byte of a two-byte
// character. Ignoring case folds only the ASCII letters A to Z. An empty
// target gives 1 when the searched part is not empty and -1 when it is.
std::int32_t find_text(std::string_view text, std::string_view target, std::int32_t start = 1,
                       bool ignore_case = false);

// The position of the last occurrence of target in the whole text, exact
// case, tried where characters begin; an empty target is found as by
// find_text from position 1.
std::int32_t find_last_text(std::string_view text, std::string_view target);

// The first, the last n bytes: "" for n <= 0, the whole text for n beyond it.
std::string left_part(std::string_view text, std::int32_t n);
std::string right_part(std::string_view text, std::int32_t n);

// n bytes from position p, cut at the end of the text; "" when p lies
// outside 1 to the text's length or n <= 0.
std::string middle_part(std::string_view text, std::int32_t p, std::int32_t n);

// Only A to Z change; both bytes of a two-byte character stay as they are.
std::string lower_case(std::string_view text);

// Blanks are the ASCII space and the full-width space (A1 A1); tabs, CR and
// LF are no blanks. trim_blanks removes them at both ends, remove_blanks
// wherever they stand.
std::string trim_blanks(std::string_view text);
std::string remove_blanks(std::string_view text);

// The pieces between the occurrences of separator (exact case). Empty pieces
// before the first and between two separators are kept; the piece after the
// last separator only when it is not empty. An empty text gives no pieces,
// an empty separator the whole text as one piece.
std::vector<std::string> split_text(std::string_view text, std::string_view separator);

// Every occurrence of from, exact case, becomes to; an empty from changes
// nothing.
std::string replace_text(std::string_view text, std::string_view from, std::string_view to);

}  // namespace velorin
