// The supporter list of the support page: the maker's page of supporters'
// names, shown as the caption of 标签20, which climbs one pixel a tick
// through the small group around it and jumps back to the top once a cycle.
#pragma once

#include <string>
#include <string_view>

#include "core/control_access.h"

namespace velorin {

inline constexpr std::string_view supporter_label = "标签20";

// The supporter text, kept until the process ends.
const std::string& supporter_text();
void release_supporter_text();

// Keeps the page body as the supporter text, up to its first zero byte and
// without code-page conversion, and shows it as the label's caption.
void show_supporter_list(control_access& window, std::string_view page_body);

// One tick of the scrolling: the label one pixel up; after as many ticks as
// half its height less 30, back to top 0 and the counter to 0.
void scroll_step(control_access& window, int& counter);

// The tick handler: scroll_step with the program-wide scroll counter.
void scroll_supporter_list(control_access& window);

}  // namespace velorin
