#include "core/level_experience.h"

#include "core/conversions.h"
#include "core/range_sum.h"
#include "core/tables.h"

namespace velorin {

namespace {

constexpr std::string_view current_level = "编辑框1";
constexpr std::string_view target_level = "编辑框2";
constexpr std::string_view experience_result = "编辑框3";
constexpr std::string_view experience_needed = "编辑框4";
constexpr std::string_view daily_experience = "编辑框5";
constexpr std::string_view days_result = "编辑框6";

constexpr std::int32_t highest_current_level = 59;
constexpr std::int32_t highest_target_level = 60;

}  // namespace

void compute_experience(control_access& window) {
    const std::int32_t current = text_to_int(window.text(current_level));
    const std::int32_t target = text_to_int(window.text(target_level));
    const std::int32_t last = real_to_int(static_cast<double>(target) - 1.0);
    window.set_text(experience_result, int_to_text(range_sum(level_experience, current, last)));
    window.set_text(experience_needed, window.text(experience_result));
}

void compute_days(control_access& window) {
    const std::int32_t need = text_to_int(window.text(experience_needed));
    const std::int32_t daily = text_to_int(window.text(daily_experience));
    window.set_text(days_result, real_to_text(days_quotient(need, daily)));
}

void guard_current_level(control_access& window) {
    if (text_to_int(window.text(current_level)) > highest_current_level) {
        window.show_message("输入的等级限制1~59！");
        window.set_text(current_level, "1");
    }
    if (text_to_int(window.text(current_level)) < 1) {
        window.show_message("输入的等级限制1~59");
        window.set_text(current_level, "1");
    }
}

void guard_target_level(control_access& window) {
    if (text_to_int(window.text(target_level)) > highest_target_level) {
        window.show_message("最高等级为60级！");
        window.set_text(target_level, "60");
    }
}

}  // namespace velorin
