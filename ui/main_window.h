// The calculator's main window: a tab control with the calculator page and
// the support page.
#pragma once

#include "ui/window_description.h"

namespace velorin {

extern const window_record main_window;

}  // namespace velorin
