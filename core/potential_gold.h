// The "潜能金币计算" group: five skill rows priced from the gold tables, their
// guards, the running total and the reset.
#pragma once

#include <array>
#include <string_view>

#include "core/control_access.h"
#include "core/tables.h"

namespace velorin {

// The limits of a skill's levels and the guards' texts for them.
struct level_limit {
    std::int32_t highest;
    std::string_view start_too_high;  // shown when the start exceeds the limit
    std::string_view start_too_low;   // shown when the start is below 1
    std::string_view end_too_high;    // shown when the end exceeds the limit
    std::string_view highest_text;    // the end field's correction and default
};

inline constexpr level_limit fifteen_levels = {15, "输入的等级限制1~15！", "输入的等级限制1~15",
                                               "最高等级为15级！", "15"};
inline constexpr level_limit ten_levels = {10, "输入的等级限制1~10！", "输入的等级限制1~10",
                                           "最高等级为10级！", "10"};

struct gold_row {
    std::string_view start_field;
    std::string_view end_field;
    std::string_view result_field;
    const gold_table* table;
    const level_limit* limit;
};

// In the order of the window, top to bottom; the total adds their results in
// this order, and the reset writes them in this order.
inline constexpr std::array<gold_row, 5> gold_rows = {{
    {"编辑框7", "编辑框8", "编辑框9", &gold_table_c, &fifteen_levels},     // 精准操作
    {"编辑框10", "编辑框11", "编辑框12", &gold_table_b, &fifteen_levels},  // 灵敏反应
    {"编辑框13", "编辑框14", "编辑框15", &gold_table_b, &fifteen_levels},  // 心理素质
    {"编辑框16", "编辑框17", "编辑框18", &gold_table_a, &fifteen_levels},  // 时机把握
    {"编辑框19", "编辑框20", "编辑框21", &gold_table_a, &ten_levels},      // 氮气管理
}};

inline constexpr std::string_view gold_total_field = "编辑框22";

void compute_gold_row(control_access& window, const gold_row& row);  // click of the row's button
void guard_gold_start(control_access& window, const gold_row& row);  // text change of its start
void guard_gold_end(control_access& window, const gold_row& row);    // text change of its end
void refresh_gold_total(control_access& window);                     // tick of 时钟2
void reset_gold(control_access& window);                             // click of 按钮11

// The text the total field should show for the current results.
std::string gold_total_text(control_access& window);

}  // namespace velorin
