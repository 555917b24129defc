#include "ui/control_id.h"

#include <gtest/gtest.h>

namespace velorin {
namespace {

TEST(ControlId, IsTheKindsBasePlusTheNumber) {
    const struct {
        const char* name;
        int id;
    } cases[] = {
        {"编辑框1", 1001},       {"编辑框22", 1022}, {"按钮11", 2011},  {"标签20", 3020},
        {"分组框9", 4009},       {"图片框4", 5004},  {"选择夹1", 6001}, {"时钟2", 7002},
        {"超文本浏览框2", 8002}, {"编辑框", 0},      {"编辑框0", 0},    {"编辑框1x", 0},
        {"编辑框1000", 0},       {"窗口1", 0},       {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(control_id(c.name), c.id) << c.name;
    }
}

static_assert(control_id("编辑框7") == 1007, "usable at compile time");

}  // namespace
}  // namespace velorin
