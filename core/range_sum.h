// Sums over a range of table entries, and the days quotient.
#pragma once

#include <cstdint>
#include <span>

namespace velorin {

// Adds entries first..last (counted from 1, both included) as the game's
// calculator does: each step in double precision, brought back to 32 bits.
// Only the entries of the range that exist in the table are read, so any
// pair of integers is safe and costs at most one pass over the table.
std::int32_t range_sum(std::span<const std::int32_t> table, std::int32_t first, std::int32_t last);

// need ÷ daily as an IEEE division; 0 ÷ 0 gives the x86 default NaN.
double days_quotient(std::int32_t need, std::int32_t daily);

}  // namespace velorin
