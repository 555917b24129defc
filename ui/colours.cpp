#include "ui/colours.h"

#include <map>

namespace velorin {

COLORREF colour_ref(colour c) {
    if (c == button_face) {
        return GetSysColor(COLOR_BTNFACE);
    }
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

HBRUSH colour_brush(colour c) {
    if (c == button_face) {
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    static std::map<colour, HBRUSH> brushes;
    HBRUSH& brush = brushes[c];
    if (!brush) {
        brush = CreateSolidBrush(colour_ref(c));
    }
    return brush;
}

}  // namespace velorin
