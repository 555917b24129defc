#include "net/text_ops.h"

#include <algorithm>
#include <cstddef>

namespace velorin {

namespace {

// The byte count of the character that begins at index i: two for a lead
// byte 0x80-0xFF, one otherwise, and one for a lead byte that ends the text.
std::size_t char_size(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
}

bool is_blank_at(std::string_view text, std::size_t i, std::size_t size) {
    return size == 1 ? text[i] == ' ' : text.substr(i, 2) == "\xA1\xA1";
}

std::size_t clamp_count(std::string_view text, std::int32_t n) {
    return n <= 0 ? 0 : std::min(text.size(), static_cast<std::size_t>(n));
}

// The first index at or after index where a character begins, walking from
// known, an index where one begins.
std::size_t boundary_at_or_after(std::string_view text, std::size_t known, std::size_t index) {
    while (known < index) {
        known += char_size(text, known);
    }
    return known;
}

// The 0-based index of the first match that begins at or after index at,
// where a character must begin, trying only the starts of characters; npos
// when none.
std::size_t find_index(std::string_view text, std::string_view target, std::size_t at) {
    for (std::size_t i = at; i < text.size() && text.size() - i >= target.size();
         i += char_size(text, i)) {
        if (text.compare(i, target.size(), target) == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::int32_t position_of(std::size_t index) {
    return index == std::string_view::npos ? -1 : static_cast<std::int32_t>(index + 1);
}

}  // namespace

std::string_view as_text(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::int32_t find_text(std::string_view text, std::string_view target, std::int32_t start,
                       bool ignore_case) {
    text = as_text(text);
    target = as_text(target);
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (from >= text.size()) {
        return -1;
    }
    if (target.empty()) {
        return 1;
    }
    const std::size_t at = boundary_at_or_after(text, 0, from);
    if (ignore_case) {
        return position_of(find_index(lower_case(text), lower_case(target), at));
    }
    return position_of(find_index(text, target, at));
}

std::int32_t find_last_text(std::string_view text, std::string_view target) {
    text = as_text(text);
    target = as_text(target);
    if (target.empty()) {
        return find_text(text, target);
    }
    std::size_t last = std::string_view::npos;
    for (std::size_t i = find_index(text, target, 0); i != std::string_view::npos;
         i = find_index(text, target, i + char_size(text, i))) {
        last = i;
    }
    return position_of(last);
}

std::string left_part(std::string_view text, std::int32_t n) {
    text = as_text(text);
    return std::string(text.substr(0, clamp_count(text, n)));
}

std::string right_part(std::string_view text, std::int32_t n) {
    text = as_text(text);
    return std::string(text.substr(text.size() - clamp_count(text, n)));
}

std::string middle_part(std::string_view text, std::int32_t p, std::int32_t n) {
    text = as_text(text);
    if (p < 1 || static_cast<std::size_t>(p) > text.size() || n <= 0) {
        return "";
    }
    return std::string(text.substr(static_cast<std::size_t>(p) - 1, static_cast<std::size_t>(n)));
}

std::string lower_case(std::string_view text) {
    std::string lowered(as_text(text));
    for (std::size_t i = 0; i < lowered.size(); i += char_size(lowered, i)) {
        if (lowered[i] >= 'A' && lowered[i] <= 'Z') {
            lowered[i] = static_cast<char>(lowered[i] - 'A' + 'a');
        }
    }
    return lowered;
}

std::string trim_blanks(std::string_view text) {
    text = as_text(text);
    std::size_t first = text.size();  // index of the first character that is no blank
    std::size_t end = 0;              // index just behind the last one
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = char_size(text, i);
        if (!is_blank_at(text, i, size)) {
            first = std::min(first, i);
            end = i + size;
        }
        i += size;
    }
    return first < end ? std::string(text.substr(first, end - first)) : "";
}

std::string remove_blanks(std::string_view text) {
    text = as_text(text);
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = char_size(text, i);
        if (!is_blank_at(text, i, size)) {
            kept += text.substr(i, size);
        }
        i += size;
    }
    return kept;
}

std::vector<std::string> split_text(std::string_view text, std::string_view separator) {
    text = as_text(text);
    separator = as_text(separator);
    std::vector<std::string> pieces;
    if (text.empty()) {
        return pieces;
    }
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t begin = 0;
    for (std::size_t at = find_index(text, separator, 0); at != std::string_view::npos;
         at = find_index(text, separator, boundary_at_or_after(text, at, begin))) {
        pieces.emplace_back(text.substr(begin, at - begin));
        begin = at + separator.size();
    }
    if (begin < text.size()) {
        pieces.emplace_back(text.substr(begin));
    }
    return pieces;
}

std::string replace_text(std::string_view text, std::string_view from, std::string_view to) {
    text = as_text(text);
    from = as_text(from);
    to = as_text(to);
    if (from.empty()) {
        return std::string(text);
    }
    std::string replaced;
    std::size_t begin = 0;
    for (std::size_t at = find_index(text, from, 0); at != std::string_view::npos;
         at = find_index(text, from, boundary_at_or_after(text, at, begin))) {
        replaced += text.substr(begin, at - begin);
        replaced += to;
        begin = at + from.size();
    }
    replaced += text.substr(begin);
    return replaced;
}

}  // namespace velorin
