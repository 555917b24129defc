// The portable rules of attaching the skin: how the library's folder is
// spelled and which adjustments reach the engine.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velorin {

// The folder followed by "\" unless it already ends in one; "" becomes "\".
std::string with_trailing_backslash(const std::string& folder);

// Hue to -180..180, saturation and brightness to -100..100, in place.
void clamp_skin_adjustments(int& hue, int& saturation, int& brightness);

using md5_digest = std::array<std::uint8_t, 16>;

// Two contents are the same when both digests could be computed and are
// equal; a digest that could not be computed matches nothing.
bool same_digest(const std::optional<md5_digest>& a, const std::optional<md5_digest>& b);

}  // namespace velorin
