// A window of named edit boxes with text-change handlers, for driving the
// calculator's handlers as the real window does: a write replaces the text
// and runs the box's handler before it returns.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_access.h"

namespace velorin::testing {

class fake_window final : public control_access {
  public:
    std::string text(std::string_view control) override {
        const auto it = texts_.find(std::string(control));
        return it == texts_.end() ? std::string() : it->second;
    }

    void set_text(std::string_view control, std::string_view text) override {
        texts_[std::string(control)] = std::string(text);
        writes.emplace_back(control);
        raise_change(control);
    }

    void show_message(std::string_view message) override { messages.emplace_back(message); }

    void set_caption(std::string_view control, std::string_view caption) override {
        texts_[std::string(control)] = std::string(caption);
    }
    int top(std::string_view control) override { return tops_[std::string(control)]; }
    void set_top(std::string_view control, int top) override { tops_[std::string(control)] = top; }
    int height(std::string_view control) override { return heights_[std::string(control)]; }
    void set_height(std::string_view control, int height) { heights_[std::string(control)] = height; }

    // A change typed by the user: the text is replaced and the event raised.
    void type(std::string_view control, std::string_view text) {
        texts_[std::string(control)] = std::string(text);
        raise_change(control);
    }

    // Initial texts, as a window description sets them: no event.
    void preset(std::string_view control, std::string_view text) {
        texts_[std::string(control)] = std::string(text);
    }

    void on_change(std::string_view control, std::function<void(fake_window&)> handler) {
        handlers_[std::string(control)] = std::move(handler);
    }

    std::vector<std::string> messages;
    std::vector<std::string> writes;

  private:
    void raise_change(std::string_view control) {
        if (const auto it = handlers_.find(std::string(control)); it != handlers_.end()) {
            it->second(*this);
        }
    }

    std::map<std::string, std::string> texts_;
    std::map<std::string, int> tops_;
    std::map<std::string, int> heights_;
    std::map<std::string, std::function<void(fake_window&)>> handlers_;
};

}  // namespace velorin::testing
