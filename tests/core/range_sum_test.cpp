#include "core/range_sum.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

#include "core/conversions.h"
#include "core/tables.h"

namespace velorin {
namespace {

constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();

TEST(Tables, HoldTheGamesPrices) {
    EXPECT_EQ(std::accumulate(level_experience.begin(), level_experience.end(), 0), 283770);
    EXPECT_EQ(std::accumulate(gold_table_a.begin(), gold_table_a.end(), 0), 112900);
    EXPECT_EQ(std::accumulate(gold_table_b.begin(), gold_table_b.end(), 0), 107600);
    EXPECT_EQ(std::accumulate(gold_table_c.begin(), gold_table_c.end(), 0), 90500);
}

TEST(RangeSum, AddsBothEndsOfTheRange) {
    const struct {
        std::span<const std::int32_t> table;
        std::int32_t first, last, sum;
    } cases[] = {
        {level_experience, 1, 1, 110},     {level_experience, 58, 59, 30660},
        {level_experience, 1, 29, 45370},  {level_experience, 30, 59, 238400},
        {level_experience, 1, 59, 283770}, {level_experience, 5, 4, 0},
        {gold_table_c, 1, 15, 90500},      {gold_table_a, 6, 6, 3400},
        {gold_table_b, 6, 6, 3400},        {gold_table_c, 6, 6, 1700},
        {gold_table_a, 15, 15, 18600},     {gold_table_a, 1, 5, 16900},
        {gold_table_b, 1, 5, 11600},       {gold_table_c, 6, 10, 16900},
        {gold_table_a, 11, 15, 62000},     {gold_table_a, 1, 10, 50900},
        {gold_table_a, 8, 3, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(range_sum(c.table, c.first, c.last), c.sum) << c.first << ".." << c.last;
    }
}

// Levels outside the table add nothing; only the part of the range inside it
// is summed, and huge ranges cost no more than the table's length.
TEST(RangeSum, NeverReadsOutsideTheTable) {
    const struct {
        std::int32_t first, last, sum;
    } cases[] = {
        {0, 1, 110},  // a current level never edited reads 0
        {0, 0, 0},
        {-5, 2, 320},
        {1, 60, 283770},
        {1, int_max, 283770},  // target "-2147483648": target - 1 wraps
        {59, int_max, 15730},
        {int_min, int_max, 283770},
        {60, 70, 0},
        {int_max, int_max, 0},
        {int_min, int_min, 0},
        {int_max, int_min, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(range_sum(level_experience, c.first, c.last), c.sum) << c.first << ".." << c.last;
    }
    EXPECT_EQ(range_sum(gold_table_a, 0, 100), 112900);
    EXPECT_EQ(range_sum(gold_table_a, 16, 16), 0);
}

TEST(DaysQuotient, DividesAsRealNumbers) {
    const struct {
        std::int32_t need, daily;
        std::string text;
    } cases[] = {
        {283770, 11180, "25.38193202147"},
        {10000, 11180, "0.8944543828265"},
        {100, 8, "12.5"},
        {45370, 7, "6481.428571429"},
        {-110, 3, "-36.66666666667"},
        {500, 0, "1.#INF"},
        {-500, 0, "-1.#INF"},
        {0, 0, "-1.#IND"},
        {0, -5, "0"},
        {int_min, -1, "2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(real_to_text(days_quotient(c.need, c.daily)), c.text) << c.need << "/" << c.daily;
    }
}

}  // namespace
}  // namespace velorin
