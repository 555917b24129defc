// The "升级经验计算" and "升级天数计算" groups: experience over a level range,
// days at a daily gain, and the guards of the two level fields.
#pragma once

#include "core/control_access.h"

namespace velorin {

void compute_experience(control_access& window);   // click of 按钮1
void compute_days(control_access& window);         // click of 按钮2
void guard_current_level(control_access& window);  // text change of 编辑框1
void guard_target_level(control_access& window);   // text change of 编辑框2

}  // namespace velorin
