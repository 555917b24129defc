// Every control has a stable Win32 control ID derived from its name: the
// base of its kind plus the number in its name. The program and its test
// driver both find controls by these IDs.
//
//   编辑框N      edit box       1000 + N
//   按钮N        button         2000 + N
//   标签N        label          3000 + N
//   分组框N      group box      4000 + N
//   图片框N      picture box    5000 + N
//   选择夹N      tab control    6000 + N
//   时钟N        timer          7000 + N   (the timer's ID on its window)
//   超文本浏览框N web view       8000 + N
//
// Names are code page 936 texts; a name of no known kind, or without a
// number below 1000, has the ID 0.
#pragma once

#include <array>
#include <string_view>

namespace velorin {

namespace control_id_detail {

struct kind_base {
    std::string_view prefix;
    int base;
};

inline constexpr std::array<kind_base, 8> kind_bases = {{
    {"编辑框", 1000},
    {"按钮", 2000},
    {"标签", 3000},
    {"分组框", 4000},
    {"图片框", 5000},
    {"选择夹", 6000},
    {"时钟", 7000},
    {"超文本浏览框", 8000},
}};

}  // namespace control_id_detail

constexpr int control_id(std::string_view name) {
    for (const auto& kind : control_id_detail::kind_bases) {
        if (!name.starts_with(kind.prefix) || name.size() == kind.prefix.size()) {
            continue;
        }
        int number = 0;
        for (const char c : name.substr(kind.prefix.size())) {
            if (c < '0' || c > '9' || number >= 100) {
                return 0;
            }
            number = number * 10 + (c - '0');
        }
        return number == 0 ? 0 : kind.base + number;
    }
    return 0;
}

}  // namespace velorin
