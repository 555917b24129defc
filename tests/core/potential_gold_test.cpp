#include "core/potential_gold.h"

#include <gtest/gtest.h>

#include "fake_window.h"

namespace velorin {
namespace {

using testing::fake_window;
using Strings = std::vector<std::string>;

// The gold group as the window builds it: initial texts set without events,
// every start and end field guarded.
class GoldGroup : public ::testing::Test {
  protected:
    GoldGroup() {
        for (const gold_row& row : gold_rows) {
            window.preset(row.start_field, "1");
            window.preset(row.end_field, row.limit->highest_text);
            window.on_change(row.start_field, [&row](fake_window& w) { guard_gold_start(w, row); });
            window.on_change(row.end_field, [&row](fake_window& w) { guard_gold_end(w, row); });
        }
    }

    void compute_all() {
        for (const gold_row& row : gold_rows) {
            compute_gold_row(window, row);
        }
    }

    fake_window window;
};

TEST_F(GoldGroup, DefaultRangesPriceEveryStepAndTotal) {
    compute_all();
    EXPECT_EQ(window.text("编辑框9"), "90500");
    EXPECT_EQ(window.text("编辑框12"), "107600");
    EXPECT_EQ(window.text("编辑框15"), "107600");
    EXPECT_EQ(window.text("编辑框18"), "112900");
    EXPECT_EQ(window.text("编辑框21"), "50900");
    refresh_gold_total(window);
    EXPECT_EQ(window.text("编辑框22"), "469500");
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(GoldGroup, RowRangesIncludeBothEnds) {
    const struct {
        std::size_t row;
        const char *start, *end, *sum;
    } cases[] = {
        {0, "6", "6", "1700"},    {1, "6", "6", "3400"},    {3, "6", "6", "3400"},
        {0, "15", "15", "18600"}, {4, "10", "10", "10200"}, {0, "8", "3", "0"},
        {3, "1", "5", "16900"},   {2, "1", "5", "11600"},   {0, "6", "10", "16900"},
        {1, "11", "15", "62000"}, {0, "1", "abc", "0"},     {0, "1", "-7", "0"},
    };
    for (const auto& c : cases) {
        const gold_row& row = gold_rows[c.row];
        window.preset(row.start_field, c.start);
        window.preset(row.end_field, c.end);
        compute_gold_row(window, row);
        EXPECT_EQ(window.text(row.result_field), c.sum) << c.row << ": " << c.start << "-" << c.end;
    }
}

TEST_F(GoldGroup, StartGuardsCorrectToOneWithOneMessage) {
    const struct {
        const char* field;
        const char* typed;
        Strings messages;
        const char* left;
    } cases[] = {
        {"编辑框7", "16", {"输入的等级限制1~15！"}, "1"},
        {"编辑框7", "", {"输入的等级限制1~15"}, "1"},
        {"编辑框13", "0", {"输入的等级限制1~15"}, "1"},
        {"编辑框16", "15", {}, "15"},
        {"编辑框19", "11", {"输入的等级限制1~10！"}, "1"},
        {"编辑框19", "-1", {"输入的等级限制1~10"}, "1"},
        {"编辑框19", "10", {}, "10"},
    };
    for (const auto& c : cases) {
        window.messages.clear();
        window.type(c.field, c.typed);
        EXPECT_EQ(window.messages, c.messages) << c.field << " \"" << c.typed << '"';
        EXPECT_EQ(window.text(c.field), c.left);
    }
}

TEST_F(GoldGroup, EndGuardsCorrectToTheLimitWithoutLowerBound) {
    const struct {
        const char* field;
        const char* typed;
        Strings messages;
        const char* left;
    } cases[] = {
        {"编辑框8", "16", {"最高等级为15级！"}, "15"},
        {"编辑框8", "abc", {}, "abc"},
        {"编辑框11", "0", {}, "0"},
        {"编辑框17", "-99", {}, "-99"},
        {"编辑框20", "11", {"最高等级为10级！"}, "10"},
        {"编辑框20", "10", {}, "10"},
    };
    for (const auto& c : cases) {
        window.messages.clear();
        window.type(c.field, c.typed);
        EXPECT_EQ(window.messages, c.messages) << c.field << " \"" << c.typed << '"';
        EXPECT_EQ(window.text(c.field), c.left);
    }
}

TEST_F(GoldGroup, AGuardCorrectsOnlyItsOwnField) {
    window.type("编辑框7", "16");
    EXPECT_EQ(window.writes, (Strings{"编辑框7"}));
    EXPECT_EQ(window.text("编辑框8"), "15");
}

TEST_F(GoldGroup, ResetWritesDefaultsInOrderAndClearsResults) {
    compute_all();
    window.preset("编辑框7", "3");
    window.preset("编辑框20", "4");
    window.writes.clear();
    reset_gold(window);
    EXPECT_EQ(window.writes, (Strings{"编辑框7", "编辑框8", "编辑框10", "编辑框11", "编辑框13",
                                      "编辑框14", "编辑框16", "编辑框17", "编辑框19", "编辑框20",
                                      "编辑框9", "编辑框12", "编辑框15", "编辑框18", "编辑框21"}));
    EXPECT_EQ(window.text("编辑框7"), "1");
    EXPECT_EQ(window.text("编辑框20"), "10");
    EXPECT_EQ(window.text("编辑框9"), "");
    EXPECT_TRUE(window.messages.empty());
    refresh_gold_total(window);
    EXPECT_EQ(window.text("编辑框22"), "0");
}

TEST_F(GoldGroup, TotalAddsAsRealsWithoutWrapping) {
    for (const gold_row& row : gold_rows) {
        window.preset(row.result_field, "2147483647");
    }
    refresh_gold_total(window);
    EXPECT_EQ(window.text("编辑框22"), "10737418235");
    window.preset("编辑框9", "-2147483648");
    window.preset("编辑框12", "junk");
    refresh_gold_total(window);
    EXPECT_EQ(window.text("编辑框22"), "4294967293");
}

TEST_F(GoldGroup, TotalIsWrittenOnlyWhenItChanges) {
    refresh_gold_total(window);
    refresh_gold_total(window);
    EXPECT_EQ(window.writes, (Strings{"编辑框22"}));
    window.preset("编辑框9", "5");
    refresh_gold_total(window);
    EXPECT_EQ(window.writes, (Strings{"编辑框22", "编辑框22"}));
    EXPECT_EQ(window.text("编辑框22"), "5");
}

}  // namespace
}  // namespace velorin
