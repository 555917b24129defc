#include "ui/window_state.h"

#include "ui/control_id.h"

namespace velorin {

window_state::window_state(const window_record& r)
    : record(r), handles(r.controls.size(), nullptr), controls(*this) {}

int window_state::find(std::string_view name) const {
    for (std::size_t i = 0; i < record.controls.size(); ++i) {
        if (record.controls[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int window_state::find(int id) const {
    for (std::size_t i = 0; i < record.controls.size(); ++i) {
        if (control_id(record.controls[i].name) == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HWND window_state::handle(std::string_view name) const {
    const int index = find(name);
    return index < 0 ? nullptr : handles[static_cast<std::size_t>(index)];
}

}  // namespace velorin
