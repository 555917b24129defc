// Code-page conversion through the platform: UTF-8 bytes to
// UTF-16 code units and on to code page 936 text. Bytes are strings that
// carry their length and may hold zero bytes; a text ends at its first zero
// byte. A conversion that cannot be made gives an empty result.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

// The UTF-16 code units of UTF-8 bytes, two bytes each, low byte first.
std::string utf8_to_utf16(std::string_view bytes);

// The code page 936 text of UTF-16 code units (an odd last byte is ignored),
// up to its first zero byte.
std::string utf16_to_cp936(std::string_view bytes);

// utf16_to_cp936 of utf8_to_utf16.
std::string utf8_to_cp936(std::string_view bytes);

}  // namespace velorin
