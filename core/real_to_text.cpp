// Decimal text of a double, computed from its exact binary value with integer
// arithmetic only, so that every compiler and C runtime gives the same text.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/conversions.h"

namespace velorin {

namespace {

constexpr std::uint64_t default_nan_bits = 0xFFF8000000000000ull;  // x86's "indefinite"
constexpr std::uint64_t quiet_bit = 1ull << 51;
constexpr int significant_digits = 13;
constexpr int exact_digits = 17;

// A non-negative integer in base 10^9, least significant limb first.
class big_decimal {
  public:
    explicit big_decimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % base));
            value /= base;
        } while (value != 0);
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % base);
            carry = product / base;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % base));
            carry /= base;
        }
    }

    // Multiplies by factor^count, in steps that keep each product in 64 bits.
    void multiply_power(std::uint32_t factor, std::uint32_t step_factor, int step, int count) {
        for (; count >= step; count -= step) {
            multiply(step_factor);
        }
        for (; count > 0; --count) {
            multiply(factor);
        }
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string limb = std::to_string(*it);
            text.append(9 - limb.size(), '0');
            text += limb;
        }
        return text;
    }

  private:
    static constexpr std::uint32_t base = 1000000000u;
    std::vector<std::uint32_t> limbs_;
};

// Keeps the first `count` digits, rounding up when the next digit is 5 or
// more. A carry out of the first digit raises the decimal exponent.
void round_digits(std::string& digits, int& exponent, int count) {
    const auto keep = static_cast<std::size_t>(count);
    if (digits.size() < keep) {
        digits.append(keep - digits.size(), '0');
        return;
    }
    const bool round_up = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (!round_up) {
        return;
    }
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
}

void trim_fraction(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
}

std::string special_text(std::uint64_t bits) {
    const bool negative = (bits >> 63) != 0;
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);
    if (fraction == 0) {
        return negative ? "-1.#INF" : "1.#INF";
    }
    if (bits == default_nan_bits) {
        return "-1.#IND";
    }
    const std::string text = (fraction & quiet_bit) != 0 ? "1.#QNAN" : "1.#SNAN";
    return negative ? "-" + text : text;
}

// The exact decimal digits of a finite, non-zero magnitude, with the power of
// ten of the first digit.
std::string exact_digits_of(std::uint64_t bits, int& exponent) {
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((1ull << 52) - 1);
    int binary_exponent = -1074;
    if (biased != 0) {
        mantissa |= 1ull << 52;
        binary_exponent = biased - 1075;
    }
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    binary_exponent += zeros;

    big_decimal value(mantissa);
    int decimal_shift = 0;  // value = digits × 10^-decimal_shift
    if (binary_exponent >= 0) {
        value.multiply_power(2, 1u << 29, 29, binary_exponent);
    } else {
        // m × 2^-k = m × 5^k ÷ 10^k
        value.multiply_power(5, 1220703125u, 13, -binary_exponent);
        decimal_shift = -binary_exponent;
    }
    std::string digits = value.digits();
    exponent = static_cast<int>(digits.size()) - 1 - decimal_shift;
    return digits;
}

std::string exponent_form(const std::string& digits, int exponent) {
    std::string text = digits.substr(0, 1) + "." + digits.substr(1);
    trim_fraction(text);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += exponent < 0 ? "e-" : "e+";
    text += static_cast<char>('0' + magnitude / 100);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

std::string fixed_form(const std::string& digits, int exponent) {
    std::string text;
    if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        text = digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    trim_fraction(text);
    return text;
}

}  // namespace

std::string real_to_text(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const std::uint64_t magnitude_bits = bits & ~(1ull << 63);
    if ((magnitude_bits >> 52) == 0x7FF) {
        return special_text(bits);
    }
    if (magnitude_bits == 0) {
        return "0";
    }
    int exponent = 0;
    std::string digits = exact_digits_of(magnitude_bits, exponent);
    round_digits(digits, exponent, exact_digits);
    round_digits(digits, exponent, significant_digits);

    const bool exponential = exponent < -4 || exponent >= significant_digits;
    const std::string text =
        exponential ? exponent_form(digits, exponent) : fixed_form(digits, exponent);
    return negative ? "-" + text : text;
}

}  // namespace velorin
