#include "core/conversions.h"

#include <cmath>

namespace velorin {

namespace {

bool is_white_space(unsigned char c) {
    return c == 0x20 || (c >= 0x09 && c <= 0x0D);
}

bool is_digit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The single-byte form of a two-byte code page 936 character, or 0 when it
// has none.
char folded_form(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<char>(trail - 0x80);
    }
    if (lead == 0xA1) {
        switch (trail) {
            case 0xA1:
                return ' ';
            case 0xAB:
                return '~';
            case 0xEE:
            case 0xEF:
                return '*';
            default:
                break;
        }
    }
    return 0;
}

}  // namespace

std::string fold_full_width(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += text[i];
            continue;
        }
        if (i + 1 == text.size()) {
            break;  // a lead byte without its second byte is dropped
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (const char single = folded_form(lead, trail)) {
            folded += single;
        } else {
            folded += text.substr(i, 2);
        }
        ++i;
    }
    return folded;
}

std::int32_t text_to_int(std::string_view text) {
    const std::string folded = fold_full_width(text);
    std::size_t i = 0;
    while (i < folded.size() && is_white_space(static_cast<unsigned char>(folded[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < folded.size() && (folded[i] == '-' || folded[i] == '+')) {
        negative = folded[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < folded.size() && is_digit(static_cast<unsigned char>(folded[i])); ++i) {
        value = value * 10u + static_cast<std::uint32_t>(folded[i] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

std::string int_to_text(std::int32_t value) {
    const bool negative = value < 0;
    // The magnitude as unsigned, so that -2147483648 needs no special case.
    std::uint32_t magnitude =
        negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    char digits[11];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);
    std::string text = negative ? "-" : "";
    while (n > 0) {
        text += digits[--n];
    }
    return text;
}

std::int32_t real_to_int(double value) {
    constexpr double two_to_63 = 9223372036854775808.0;
    if (!(std::fabs(value) < two_to_63)) {
        return 0;  // NaN, infinities and values beyond 64 bits
    }
    const auto truncated = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(truncated));
}

std::string bytes_to_text(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace velorin
