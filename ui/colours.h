// The description's colours as the window system's colours and brushes.
#pragma once

#include <windows.h>

#include "ui/window_description.h"

namespace velorin {

COLORREF colour_ref(colour c);

// A solid brush of the colour, made once and kept for the life of the process.
HBRUSH colour_brush(colour c);

}  // namespace velorin
