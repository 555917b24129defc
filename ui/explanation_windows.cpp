#include "ui/explanation_windows.h"

#include "app/maker.h"
#include "ui/control_records.h"

namespace velorin {

namespace {

using namespace records;

constexpr char days_method_lines[] =
    "目标等级所需经验：会自动填入上一步所计算的目标等级所需经验，也可以自己填入目标等级所需经验。"
    "\r\n"
    "\r\n"
    "预计每日所得经验：假如每天8小时能刷8500点经验+每日任务固定2680点经验=11180点经验，就填入11180"
    "。除了每日任务经验是固定的，其余经验自己估计每天能刷多少就填多少。"
    "\r\n"
    "\r\n"
    "预计升级天数：预计升级天数是按自己填写的预计每日经验算出来，只是预计，不是一定的，需要你每天能"
    "完"
    "成这么多经验才会大概这个天数到达指定等级。"
    "\r\n"
    "\r\n"
    "有疑问联系QQ群：" MAKER_CHAT_GROUP;

constexpr char potential_help_lines[] =
    "潜能系统共分五类\r\n"
    "精准操作：三段，一共1-15级，一段：1-5级，二段：6-10级，三段：11-15级\r\n"
    "灵敏反应：三段，一共1-15级，一段：1-5级，二段：6-10级，三段：11-15级\r\n"
    "心理素质：三段，一共1-15级，一段：1-5级，二段：6-10级，三段：11-15级\r\n"
    "时机把握：三段，一共1-15级，一段：1-5级，二段：6-10级，三段：11-15级\r\n"
    "氮气管理：二段，一共1-10级，一段：1-5级，二段：6-10级\r\n"
    "\r\n"
    "填写方式\r\n"
    "1.需要计算全段的进步消耗，直接输入1-15，点计算就可以了\r\n"
    "2.需要计算一段输入1-5，二段6-10，三段11-15\r\n"
    "3.需要计算II 0/5 升级到 II 1/5 的金币，输入6-6，最后一级输入15-15\r\n"
    "\r\n"
    "\r\n"
    "五大类可以分开计算，也可以一起计算，在合计里面会自动显示所需要的金币\r\n"
    "\r\n"
    "有疑问联系QQ群：" MAKER_CHAT_GROUP;

constexpr control_record days_method_controls[] = {
    group_box("分组框1", "", {6, 1, 354, 167}, "", button_face),
    label("标签1", "分组框1", {6, 12, 336, 151}, days_method_lines, true),
};

constexpr control_record potential_help_controls[] = {
    group_box("分组框1", "", {6, 2, 432, 224}, "", button_face),
    label("标签1", "分组框1", {8, 16, 416, 200}, potential_help_lines, true),
};

}  // namespace

const std::string_view days_method_text = days_method_lines;
const std::string_view potential_help_text = potential_help_lines;

const window_record days_method_window = {
    .title = "升级天数计算方式",
    .outer_width = 371,
    .outer_height = 200,
    .always_on_top = true,
    .controls = days_method_controls,
};

const window_record potential_help_window = {
    .title = "潜能计算填写说明",
    .outer_width = 448,
    .outer_height = 259,
    .controls = potential_help_controls,
};

}  // namespace velorin
