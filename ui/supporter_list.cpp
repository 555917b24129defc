#include "ui/supporter_list.h"

#include <cmath>

#include "core/conversions.h"

namespace velorin {

namespace {

// The counter and the limit are compared as reals.
constexpr double tick_tolerance = 1e-7;
constexpr double climbing_margin = 30.0;

std::string& kept_text() {
    static std::string text;
    return text;
}

int scroll_counter = 0;

}  // namespace

const std::string& supporter_text() {
    return kept_text();
}

void release_supporter_text() {
    kept_text().clear();
    kept_text().shrink_to_fit();
}

void show_supporter_list(control_access& window, std::string_view page_body) {
    kept_text() = bytes_to_text(page_body);
    window.set_caption(supporter_label, kept_text());
}

void scroll_step(control_access& window, int& counter) {
    window.set_top(supporter_label, real_to_int(window.top(supporter_label) - 1.0));
    counter = counter + 1;
    const double limit = real_to_int(window.height(supporter_label) / 2.0) - climbing_margin;
    if (std::fabs(counter - limit) < tick_tolerance) {
        counter = 0;
        window.set_top(supporter_label, 0);
    }
}

void scroll_supporter_list(control_access& window) {
    scroll_step(window, scroll_counter);
}

}  // namespace velorin
