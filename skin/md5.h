// MD5 digests (RFC 1321) through the platform's cryptographic provider.
#pragma once

#include <optional>
#include <string_view>

#include "skin/skin_rules.h"

namespace velorin {

// None when the provider is not available.
std::optional<md5_digest> md5_of(std::string_view bytes);

}  // namespace velorin
