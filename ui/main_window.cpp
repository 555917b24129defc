#include "ui/main_window.h"

#include <array>

#include "app/maker.h"
#include "core/level_experience.h"
#include "core/potential_gold.h"
#include "resources/resource_ids.h"
#include "ui/control_records.h"
#include "ui/explanation_windows.h"
#include "ui/load_window.h"
#include "ui/supporter_list.h"
#include "ui/supporter_list_page.h"

namespace velorin {

namespace {

using namespace records;

template <std::size_t row>
void on_gold_start_changed(control_access& window) {
    guard_gold_start(window, gold_rows[row]);
}

template <std::size_t row>
void on_gold_end_changed(control_access& window) {
    guard_gold_end(window, gold_rows[row]);
}

template <std::size_t row>
void on_gold_row_clicked(control_access& window) {
    compute_gold_row(window, gold_rows[row]);
}

void open_days_method_window(control_access&) {
    load_window(days_method_window);
}

void open_potential_help_window(control_access&) {
    load_window(potential_help_window);
}

constexpr std::string_view tab_pages[] = {"计算器", "支持我们"};
constexpr int calculator_page = 1;
constexpr int support_page = 2;
constexpr int tick_ms = 10;

constexpr auto integer = input_mode::integer;
constexpr auto read_only = input_mode::read_only;
constexpr auto normal = input_mode::normal;

// One row of the gold group: its label, start, end and result boxes and its
// button, all on the row's top line.
template <std::size_t row>
constexpr std::array<control_record, 5> gold_row_controls(int top, int label_left,
                                                          std::string_view label_name,
                                                          std::string_view skill,
                                                          std::string_view button_name) {
    const gold_row& r = gold_rows[row];
    return {{
        label(label_name, "分组框1", {label_left, top, 56, 24}, skill),
        edit_box(r.start_field, "分组框1", {91, top, 30, 24}, integer, "1",
                 on_gold_start_changed<row>),
        edit_box(r.end_field, "分组框1", {157, top, 30, 24}, row == 0 ? normal : integer,
                 r.limit->highest_text, on_gold_end_changed<row>),
        edit_box(r.result_field, "分组框1", {225, top, 48, 24}, read_only),
        button(button_name, "分组框1", {289, top, 56, 24}, "计算", on_gold_row_clicked<row>),
    }};
}

constexpr auto gold_row_1 = gold_row_controls<0>(48, 17, "标签6", "精准操作", "按钮4");
constexpr auto gold_row_2 = gold_row_controls<1>(80, 18, "标签10", "灵敏反应", "按钮5");
constexpr auto gold_row_3 = gold_row_controls<2>(112, 18, "标签14", "心理素质", "按钮6");
constexpr auto gold_row_4 = gold_row_controls<3>(144, 17, "标签15", "时机把握", "按钮7");
constexpr auto gold_row_5 = gold_row_controls<4>(176, 18, "标签16", "氮气管理", "按钮8");

constexpr std::string_view greeting =
    "本人也是Velorin爱好者，软件为本人利用空闲时间所写，免费提供给大家使用，为了能更好的把软件更新"
    "下去，请大家多多支持，让我有更大的动力！谢谢大家！\r\n\r\nQQ交流群：" MAKER_CHAT_GROUP;

// Siblings are stacked in this order, the first on top; a parent comes
// before its children.
constexpr control_record controls[] = {
    tab_control("选择夹1", "", {6, 8, 480, 422}, tab_pages),
    group_box("分组框9", "", {500, 11, 215, 422}, "广告位招商（信息真假请自辩）", button_face),
    picture_box("图片框1", "分组框9", {7, 24, 200, 192}, true),
    picture_box("图片框4", "分组框9", {7, 223, 200, 192}, true),

    // The calculator page.
    on_page(calculator_page, group_box("分组框3", "选择夹1", {8, 28, 464, 57}, "升级经验计算")),
    on_page(calculator_page, group_box("分组框4", "选择夹1", {9, 89, 463, 82}, "升级天数计算")),
    on_page(calculator_page, group_box("分组框1", "选择夹1", {8, 177, 464, 208}, "潜能金币计算")),
    on_page(calculator_page, label("标签1", "选择夹1", {105, 390, 233, 24},
                                   "纯手打接等级，段位，驾照，故事等代练！")),
    on_page(calculator_page,
            web_view("超文本浏览框1", "选择夹1", {361, 190, 24, 24}, MAKER_GROUP_LINK)),

    label("标签7", "分组框3", {14, 22, 64, 24}, "当前等级："),
    edit_box("编辑框1", "分组框3", {72, 23, 29, 24}, integer, "", guard_current_level),
    label("标签8", "分组框3", {123, 22, 56, 24}, "目标等级："),
    edit_box("编辑框2", "分组框3", {181, 23, 29, 24}, integer, "", guard_target_level),
    label("标签9", "分组框3", {235, 22, 56, 24}, "所需经验："),
    edit_box("编辑框3", "分组框3", {293, 23, 64, 24}, read_only),
    button("按钮1", "分组框3", {370, 23, 80, 24}, "开始计算", compute_experience),

    label("标签11", "分组框4", {14, 20, 104, 24}, "目标等级所需经验"),
    edit_box("编辑框4", "分组框4", {34, 49, 56, 24}, integer),
    label("标签12", "分组框4", {141, 20, 104, 24}, "预计每日所得经验"),
    edit_box("编辑框5", "分组框4", {171, 49, 48, 24}, integer),
    label("标签13", "分组框4", {271, 20, 80, 24}, "预计升级天数"),
    with_max_length(4, edit_box("编辑框6", "分组框4", {295, 49, 34, 24}, read_only)),
    button("按钮2", "分组框4", {370, 21, 80, 24}, "开始计算", compute_days),
    button("按钮3", "分组框4", {370, 52, 80, 24}, "计算说明", open_days_method_window),

    label("标签2", "分组框1", {81, 22, 56, 24}, "当前等级"),
    label("标签3", "分组框1", {149, 21, 56, 24}, "目标等级"),
    label("标签5", "分组框1", {225, 21, 48, 24}, "所需金币"),
    gold_row_1[0],
    gold_row_1[1],
    gold_row_1[2],
    with_font(control_font::gb2312_12px, gold_row_1[3]),
    gold_row_1[4],
    gold_row_2[0],
    gold_row_2[1],
    gold_row_2[2],
    gold_row_2[3],
    gold_row_2[4],
    gold_row_3[0],
    gold_row_3[1],
    gold_row_3[2],
    gold_row_3[3],
    gold_row_3[4],
    gold_row_4[0],
    gold_row_4[1],
    gold_row_4[2],
    gold_row_4[3],
    gold_row_4[4],
    gold_row_5[0],
    gold_row_5[1],
    gold_row_5[2],
    gold_row_5[3],
    gold_row_5[4],
    button("按钮11", "分组框1", {355, 48, 96, 32}, "重置", reset_gold),
    button("按钮9", "分组框1", {355, 98, 96, 32}, "计算说明", open_potential_help_window),
    label("标签17", "分组框1", {376, 146, 56, 24}, "总共合计"),
    edit_box("编辑框22", "分组框1", {355, 176, 96, 24}, read_only),
    timer("时钟2", "分组框1", {305, 8, 32, 32}, tick_ms, refresh_gold_total),
    web_view("超文本浏览框2", "分组框1", {385, 13, 32, 24}, MAKER_SITE "/"),

    // The support page.
    on_page(support_page, group_box("分组框2", "选择夹1", {15, 28, 220, 220}, "微信")),
    on_page(support_page, group_box("分组框5", "选择夹1", {249, 27, 220, 220}, "支付宝")),
    on_page(support_page, group_box("分组框7", "选择夹1", {25, 286, 192, 112}, "", button_face)),
    on_page(support_page, group_box("分组框8", "选择夹1", {15, 259, 220, 152}, "名单名单")),
    on_page(support_page, group_box("分组框6", "选择夹1", {250, 259, 220, 152}, "致各位朋友：")),
    picture_box("图片框2", "分组框2", {5, 25, 210, 190}, false, {VELORIN_PICTURE_WECHAT}),
    picture_box("图片框3", "分组框5", {5, 25, 210, 190}, false, {VELORIN_PICTURE_ALIPAY}),
    label("标签20", "分组框7", {0, 7, 192, 296}, "", true),
    label("标签4", "分组框6", {15, 27, 192, 112}, greeting, true),
    timer("时钟1", "分组框6", {143, 91, 40, 32}, tick_ms, scroll_supporter_list),
};

}  // namespace

const window_record main_window = {
    .title = "Velorin等级经验计算器 V1.0  QQ群：" MAKER_CHAT_GROUP,
    .outer_width = 499,
    .outer_height = 465,
    .on_created = load_supporter_list,
    .controls = controls,
};

}  // namespace velorin
