// The skin format read by the skin engine, and the colour arithmetic of its
// hue, saturation and brightness shifts. Portable: no platform headers, so
// the reader is tested natively under the sanitizers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velorin::skin {

struct rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const rgb&) const = default;
};

// The parts of a window that the engine draws, each with a named colour.
enum class part : std::size_t {
    face,
    text,
    disabled_text,
    accent,
    button,
    button_hot,
    button_pressed,
    button_border,
    button_text,
    edit_border,
    edit_focus,
    group_frame,
    group_title,
    tab,
    tab_selected,
    tab_text,
    count
};

inline constexpr std::size_t part_count = static_cast<std::size_t>(part::count);

std::string_view part_name(part p);

struct palette {
    std::array<rgb, part_count> colours{};
    rgb& operator[](part p) { return colours[static_cast<std::size_t>(p)]; }
    const rgb& operator[](part p) const { return colours[static_cast<std::size_t>(p)]; }
};

// The colours of parts that a skin does not name.
palette default_palette();

// The engine's result codes; accepted is the only success.
enum class verdict : int {
    accepted = 0,
    no_data = 1,
    truncated = 2,
    other_format = 3,
    other_version = 4,
    bad_palette = 5,
    wrong_password = 6,
    no_hook = 7,  // the skin was fine, but the window hook could not be set
};

inline constexpr std::uint16_t format_version = 1;
inline constexpr std::size_t salt_size = 8;

// Reads a skin of exactly `size` bytes, never looking past them. The
// password is a zero-terminated text or null. On acceptance `out` holds the
// skin's palette; otherwise it is left as it was.
verdict read_skin(const std::uint8_t* data, std::size_t size, const char* password, palette& out);

// The salted password check value stored in a protected skin.
std::uint64_t password_check(const std::uint8_t* salt, std::string_view password);

// The palette shifted by hue (-180..180 degrees), saturation and brightness
// (-100..100 percent); out-of-range values are taken at their bounds.
palette shifted(const palette& base, int hue, int saturation, int brightness);

// The text colour itself when it stands out well enough on the background,
// otherwise black or white, whichever stands out more.
rgb readable_on(rgb text, rgb background);

}  // namespace velorin::skin
