// The only ways in which the program turns texts into numbers and numbers
// into texts. Texts are code page 936 byte strings; each rule is pure and
// independent of the C library, the locale and the floating-point mode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velorin {

// Full-width digits, signs and blanks of code page 936 become their ASCII forms.
std::string fold_full_width(std::string_view text);

// Leading white space, one sign, decimal digits modulo 2^32; never fails.
std::int32_t text_to_int(std::string_view text);

std::string int_to_text(std::int32_t value);

// 13 significant digits after a 17-digit rounding, in the classic Windows
// "%.13g"-like shape: "0.3333333333333", "1e+020", "1.#INF", "-1.#IND".
std::string real_to_text(double value);

// Truncates to 64 bits and keeps the low 32; NaN, infinities and magnitudes
// of 2^63 or more give 0.
std::int32_t real_to_int(double value);

// The bytes up to the first zero byte, taken as code page 936 unchanged.
std::string bytes_to_text(std::string_view bytes);

}  // namespace velorin
