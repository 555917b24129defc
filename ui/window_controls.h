// Control access by name for the handlers of a built window.
#pragma once

#include "core/control_access.h"

namespace velorin {

struct window_state;

class window_controls final : public control_access {
  public:
    explicit window_controls(window_state& state) : state_(state) {}

    std::string text(std::string_view control) override;
    void set_text(std::string_view control, std::string_view text) override;
    void set_caption(std::string_view control, std::string_view caption) override;
    int top(std::string_view control) override;
    void set_top(std::string_view control, int top) override;
    int height(std::string_view control) override;
    void show_message(std::string_view message) override;

    // Runs the edit box's text-change handler, if it has one.
    void raise_change(int index);

  private:
    window_state& state_;
};

}  // namespace velorin
