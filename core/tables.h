// The game's fixed price lists. Entry n (counted from 1) is the price of the
// step from level n to level n + 1.
#pragma once

#include <array>
#include <cstdint>

namespace velorin {

// Experience needed to rise from level n to n + 1, for levels 1 to 60.
inline constexpr std::array<std::int32_t, 59> level_experience = {
    110,   210,   310,   410,   510,   610,   710,   810,   910,   1020,  //
    1140,  1250,  1300,  1430,  1560,  1600,  1750,  1900,  2070,  2160,  //
    2250,  2340,  2440,  2470,  2570,  2690,  2810,  2940,  3090,  3240,  //
    3400,  3580,  3760,  3970,  4180,  4410,  4660,  4920,  5200,  5500,  //
    5820,  6160,  6520,  6900,  7300,  7730,  8170,  8650,  9150,  9680,  //
    10230, 10810, 11420, 12060, 12730, 13430, 14160, 14930, 15730,
};

// Gold for each step of a potential skill, in three stages of five steps.
using gold_table = std::array<std::int32_t, 15>;

inline constexpr gold_table gold_table_a = {
    1700, 2500, 3400,  4200,  5100,   //
    3400, 5100, 6800,  8500,  10200,  //
    6200, 9300, 12400, 15500, 18600,
};

inline constexpr gold_table gold_table_b = {
    1200, 1700, 2300,  2900,  3500,   //
    3400, 5100, 6800,  8500,  10200,  //
    6200, 9300, 12400, 15500, 18600,
};

inline constexpr gold_table gold_table_c = {
    1200, 1700, 2300,  2900,  3500,  //
    1700, 2500, 3400,  4200,  5100,  //
    6200, 9300, 12400, 15500, 18600,
};

}  // namespace velorin
