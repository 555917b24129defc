#include "core/potential_gold.h"

#include "core/conversions.h"
#include "core/range_sum.h"

namespace velorin {

void compute_gold_row(control_access& window, const gold_row& row) {
    const std::int32_t start = text_to_int(window.text(row.start_field));
    const std::int32_t end = text_to_int(window.text(row.end_field));
    window.set_text(row.result_field, int_to_text(range_sum(*row.table, start, end)));
}

void guard_gold_start(control_access& window, const gold_row& row) {
    if (text_to_int(window.text(row.start_field)) > row.limit->highest) {
        window.show_message(row.limit->start_too_high);
        window.set_text(row.start_field, "1");
    }
    if (text_to_int(window.text(row.start_field)) < 1) {
        window.show_message(row.limit->start_too_low);
        window.set_text(row.start_field, "1");
    }
}

void guard_gold_end(control_access& window, const gold_row& row) {
    if (text_to_int(window.text(row.end_field)) > row.limit->highest) {
        window.show_message(row.limit->end_too_high);
        window.set_text(row.end_field, row.limit->highest_text);
    }
}

std::string gold_total_text(control_access& window) {
    double total = 0.0;
    for (const gold_row& row : gold_rows) {
        total += text_to_int(window.text(row.result_field));
    }
    return real_to_text(total);
}

void refresh_gold_total(control_access& window) {
    // Writing only a changed total keeps a selection the user is making in
    // the box; nothing is bound to its text-change event.
    const std::string total = gold_total_text(window);
    if (window.text(gold_total_field) != total) {
        window.set_text(gold_total_field, total);
    }
}

void reset_gold(control_access& window) {
    for (const gold_row& row : gold_rows) {
        window.set_text(row.start_field, "1");
        window.set_text(row.end_field, row.limit->highest_text);
    }
    for (const gold_row& row : gold_rows) {
        window.set_text(row.result_field, "");
    }
}

}  // namespace velorin
