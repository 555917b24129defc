// The two small windows that explain how to fill in the calculator: the
// days-method window (button 按钮3) and the potential-help window (按钮9).
#pragma once

#include <string_view>

#include "ui/window_description.h"

namespace velorin {

// The fixed texts of the two windows, code page 936, lines joined by CR LF.
extern const std::string_view days_method_text;
extern const std::string_view potential_help_text;

extern const window_record days_method_window;
extern const window_record potential_help_window;

}  // namespace velorin
