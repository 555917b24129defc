#include "skin/skin_rules.h"

#include <algorithm>

namespace velorin {

std::string with_trailing_backslash(const std::string& folder) {
    // Code page 936 trail bytes may be 0x5C: only a lone final byte counts
    // as the backslash, not the second half of a two-byte character.
    std::size_t at = 0;
    bool ends_in_backslash = false;
    while (at < folder.size()) {
        const auto byte = static_cast<unsigned char>(folder[at]);
        const bool lead = byte >= 0x81 && byte <= 0xFE && at + 1 < folder.size();
        ends_in_backslash = !lead && byte == '\\';
        at += lead ? 2 : 1;
    }
    return ends_in_backslash ? folder : folder + '\\';
}

void clamp_skin_adjustments(int& hue, int& saturation, int& brightness) {
    hue = std::clamp(hue, -180, 180);
    saturation = std::clamp(saturation, -100, 100);
    brightness = std::clamp(brightness, -100, 100);
}

bool same_digest(const std::optional<md5_digest>& a, const std::optional<md5_digest>& b) {
    return a && b && *a == *b;
}

}  // namespace velorin
