// What the calculator's handlers may do with the window they belong to:
// controls are addressed by name, texts are code page 936 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

class control_access {
  public:
    // The text of an edit box; empty for an unknown name.
    virtual std::string text(std::string_view control) = 0;

    // Replaces the text of an edit box whole, then raises the box's
    // text-change event once, synchronously, even when the text is unchanged.
    virtual void set_text(std::string_view control, std::string_view text) = 0;

    // Replaces a label's caption and redraws it; raises no event.
    virtual void set_caption(std::string_view control, std::string_view caption) = 0;

    // A label's top edge and height, in pixels relative to its parent.
    virtual int top(std::string_view control) = 0;
    virtual void set_top(std::string_view control, int top) = 0;
    virtual int height(std::string_view control) = 0;

    // A task-modal message box titled "信息：" with one OK button; returns
    // when the user has closed it.
    virtual void show_message(std::string_view message) = 0;

  protected:
    ~control_access() = default;
};

}  // namespace velorin
