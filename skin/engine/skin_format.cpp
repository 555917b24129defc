#include "skin/engine/skin_format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velorin::skin {

namespace {

constexpr std::array<std::string_view, part_count> part_names = {
    "face",           "text",          "disabled_text", "accent",      "button",     "button_hot",
    "button_pressed", "button_border", "button_text",   "edit_border", "edit_focus", "group_frame",
    "group_title",    "tab",           "tab_selected",  "tab_text",
};

constexpr char magic[4] = {'V', 'S', 'K', 'N'};
constexpr std::uint16_t flag_password = 1;
constexpr std::size_t header_size = 12;
constexpr std::size_t password_block_size = salt_size + 8;
constexpr int password_rounds = 4096;

// A cursor over the skin's bytes that refuses every read past the end.
class reader {
  public:
    reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool take(std::size_t count, const std::uint8_t*& bytes) {
        if (count > size_ - at_) {
            return false;
        }
        bytes = data_ + at_;
        at_ += count;
        return true;
    }
    bool byte(std::uint8_t& value) {
        const std::uint8_t* bytes = nullptr;
        if (!take(1, bytes)) {
            return false;
        }
        value = bytes[0];
        return true;
    }
    bool at_end() const { return at_ == size_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::uint32_t little_endian(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

std::uint64_t fnv1a(std::uint64_t hash, const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ull;
    }
    return hash;
}

bool find_part(std::string_view name, part& found) {
    const auto at = std::find(part_names.begin(), part_names.end(), name);
    if (at == part_names.end()) {
        return false;
    }
    found = static_cast<part>(at - part_names.begin());
    return true;
}

verdict read_palette(reader& in, palette& out) {
    std::uint8_t count = 0;
    if (!in.byte(count)) {
        return verdict::truncated;
    }
    palette read = default_palette();
    std::array<bool, part_count> seen{};
    for (int entry = 0; entry < count; ++entry) {
        std::uint8_t length = 0;
        const std::uint8_t* name = nullptr;
        const std::uint8_t* colour = nullptr;
        if (!in.byte(length) || !in.take(length, name) || !in.take(3, colour)) {
            return verdict::truncated;
        }
        part p{};
        if (!find_part({reinterpret_cast<const char*>(name), length}, p) ||
            seen[static_cast<std::size_t>(p)]) {
            return verdict::bad_palette;
        }
        seen[static_cast<std::size_t>(p)] = true;
        read[p] = {colour[0], colour[1], colour[2]};
    }
    if (!in.at_end()) {
        return verdict::other_format;
    }
    out = read;
    return verdict::accepted;
}

struct hsl {
    double hue;  // degrees, 0..360
    double saturation;
    double lightness;
};

hsl to_hsl(rgb c) {
    const double r = c.red / 255.0;
    const double g = c.green / 255.0;
    const double b = c.blue / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double range = high - low;
    if (range <= 0) {
        return {0, 0, lightness};
    }
    const double saturation = range / (1 - std::fabs(2 * lightness - 1));
    double hue = 0;
    if (high == r) {
        hue = std::fmod((g - b) / range + 6, 6);
    } else if (high == g) {
        hue = (b - r) / range + 2;
    } else {
        hue = (r - g) / range + 4;
    }
    return {hue * 60, std::min(saturation, 1.0), lightness};
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

rgb to_rgb(hsl c) {
    const double chroma = (1 - std::fabs(2 * c.lightness - 1)) * c.saturation;
    const double sector = c.hue / 60;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2) - 1));
    double r = 0;
    double g = 0;
    double b = 0;
    switch (static_cast<int>(sector) % 6) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = c.lightness - chroma / 2;
    return {channel(r + m), channel(g + m), channel(b + m)};
}

rgb shifted_colour(rgb c, int hue, int saturation, int brightness) {
    hsl h = to_hsl(c);
    h.hue = std::fmod(h.hue + hue + 360, 360);
    h.saturation = std::clamp(h.saturation * (1 + saturation / 100.0), 0.0, 1.0);
    const double b = brightness / 100.0;
    h.lightness += b > 0 ? b * (1 - h.lightness) : b * h.lightness;
    return to_rgb(h);
}

double luminance(rgb c) {
    const auto linear = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrast(rgb a, rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

std::string_view part_name(part p) {
    return part_names[static_cast<std::size_t>(p)];
}

palette default_palette() {
    palette p;
    p[part::face] = {0xF4, 0xF6, 0xF9};
    p[part::text] = {0x1F, 0x29, 0x37};
    p[part::disabled_text] = {0x9C, 0xA3, 0xAF};
    p[part::accent] = {0x25, 0x63, 0xEB};
    p[part::button] = {0xFF, 0xFF, 0xFF};
    p[part::button_hot] = {0xE8, 0xF0, 0xFE};
    p[part::button_pressed] = {0xC7, 0xD7, 0xFB};
    p[part::button_border] = {0xB8, 0xC2, 0xD0};
    p[part::button_text] = {0x1F, 0x29, 0x37};
    p[part::edit_border] = {0xB8, 0xC2, 0xD0};
    p[part::edit_focus] = {0x25, 0x63, 0xEB};
    p[part::group_frame] = {0xD5, 0xDB, 0xE3};
    p[part::group_title] = {0x1D, 0x4E, 0xD8};
    p[part::tab] = {0xE5, 0xE9, 0xEF};
    p[part::tab_selected] = {0xF4, 0xF6, 0xF9};
    p[part::tab_text] = {0x1F, 0x29, 0x37};
    return p;
}

std::uint64_t password_check(const std::uint8_t* salt, std::string_view password) {
    const auto* text = reinterpret_cast<const std::uint8_t*>(password.data());
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (int round = 0; round < password_rounds; ++round) {
        hash = fnv1a(hash, salt, salt_size);
        hash = fnv1a(hash, text, password.size());
    }
    return hash;
}

verdict read_skin(const std::uint8_t* data, std::size_t size, const char* password, palette& out) {
    if (!data || size == 0) {
        return verdict::no_data;
    }
    reader in(data, size);
    const std::uint8_t* header = nullptr;
    if (!in.take(std::min(size, header_size), header) || size < sizeof magic) {
        return verdict::truncated;
    }
    if (std::memcmp(header, magic, sizeof magic) != 0) {
        return verdict::other_format;
    }
    if (size < header_size) {
        return verdict::truncated;
    }
    if (little_endian(header + 4, 2) != format_version) {
        return verdict::other_version;
    }
    const std::uint32_t flags = little_endian(header + 6, 2);
    const std::uint32_t declared = little_endian(header + 8, 4);
    if (declared > size) {
        return verdict::truncated;
    }
    if (declared < size || (flags & ~flag_password) != 0) {
        return verdict::other_format;
    }
    if (flags & flag_password) {
        const std::uint8_t* block = nullptr;
        if (!in.take(password_block_size, block)) {
            return verdict::truncated;
        }
        const std::uint64_t stored = little_endian(block + salt_size, 4) |
                                     std::uint64_t{little_endian(block + salt_size + 4, 4)} << 32;
        if (!password || password_check(block, password) != stored) {
            return verdict::wrong_password;
        }
    }
    return read_palette(in, out);
}

palette shifted(const palette& base, int hue, int saturation, int brightness) {
    hue = std::clamp(hue, -180, 180);
    saturation = std::clamp(saturation, -100, 100);
    brightness = std::clamp(brightness, -100, 100);
    if (hue == 0 && saturation == 0 && brightness == 0) {
        return base;  // exactly the skin's colours, without rounding through HSL
    }
    palette result = base;
    for (rgb& c : result.colours) {
        c = shifted_colour(c, hue, saturation, brightness);
    }
    return result;
}

rgb readable_on(rgb text, rgb background) {
    constexpr double enough = 4.5;
    if (contrast(text, background) >= enough) {
        return text;
    }
    const rgb black{0, 0, 0};
    const rgb white{0xFF, 0xFF, 0xFF};
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

}  // namespace velorin::skin
