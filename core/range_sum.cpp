#include "core/range_sum.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/conversions.h"

namespace velorin {

std::int32_t range_sum(std::span<const std::int32_t> table, std::int32_t first, std::int32_t last) {
    const std::int64_t from = std::max<std::int64_t>(first, 1);
    const std::int64_t to = std::min<std::int64_t>(last, static_cast<std::int64_t>(table.size()));
    std::int32_t sum = 0;
    for (std::int64_t n = from; n <= to; ++n) {
        sum = real_to_int(static_cast<double>(sum) + table[static_cast<std::size_t>(n - 1)]);
    }
    return sum;
}

double days_quotient(std::int32_t need, std::int32_t daily) {
    const double quotient = static_cast<double>(need) / static_cast<double>(daily);
    // The processor's invalid-operation result is the negative "indefinite"
    // NaN; a compiler folding 0.0 / 0.0 may produce another, so name it here.
    return std::isnan(quotient) ? std::bit_cast<double>(0xFFF8000000000000ull) : quotient;
}

}  // namespace velorin
