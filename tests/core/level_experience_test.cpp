#include "core/level_experience.h"

#include <gtest/gtest.h>

#include "fake_window.h"

namespace velorin {
namespace {

using testing::fake_window;
using Strings = std::vector<std::string>;

class LevelGroups : public ::testing::Test {
  protected:
    LevelGroups() {
        window.on_change("编辑框1", guard_current_level);
        window.on_change("编辑框2", guard_target_level);
    }
    fake_window window;
};

TEST_F(LevelGroups, ExperienceCoversTheStepsBelowTheTarget) {
    const struct {
        const char *current, *target, *sum;
    } cases[] = {
        {"1", "2", "110"},     {"59", "60", "15730"},
        {"1", "30", "45370"},  {"30", "60", "238400"},
        {"1", "60", "283770"}, {"30", "30", "0"},
        {"31", "30", "0"},     {"5", "0", "0"},
        {"", "2", "110"},      {"1", "-2147483648", "283770"},
    };
    for (const auto& c : cases) {
        window.preset("编辑框1", c.current);
        window.preset("编辑框2", c.target);
        window.preset("编辑框4", "999");
        compute_experience(window);
        EXPECT_EQ(window.text("编辑框3"), c.sum) << c.current << " to " << c.target;
        EXPECT_EQ(window.text("编辑框4"), c.sum);
    }
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(LevelGroups, ExperienceWritesTheResultThenCopiesIt) {
    window.preset("编辑框1", "1");
    window.preset("编辑框2", "2147483648");  // wraps to the smallest integer
    compute_experience(window);
    EXPECT_EQ(window.writes, (Strings{"编辑框3", "编辑框4"}));
    EXPECT_EQ(window.text("编辑框4"), "283770");
}

TEST_F(LevelGroups, DaysAreTheQuotientOfNeedAndDailyGain) {
    const struct {
        const char *need, *daily, *days;
    } cases[] = {
        {"283770", "11180", "25.38193202147"},
        {"10000", "11180", "0.8944543828265"},
        {"100", "8", "12.5"},
        {"500", "0", "1.#INF"},
        {"-500", "", "-1.#INF"},
        {"0", "0", "-1.#IND"},
        {"", "", "-1.#IND"},
    };
    for (const auto& c : cases) {
        window.preset("编辑框4", c.need);
        window.preset("编辑框5", c.daily);
        compute_days(window);
        EXPECT_EQ(window.text("编辑框6"), c.days) << c.need << " / " << c.daily;
    }
}

TEST_F(LevelGroups, CurrentLevelGuardCorrectsWithOneMessage) {
    const struct {
        const char* typed;
        Strings messages;
        const char* left;
    } cases[] = {
        {"60", {"输入的等级限制1~59！"}, "1"},
        {"", {"输入的等级限制1~59"}, "1"},
        {"0", {"输入的等级限制1~59"}, "1"},
        {"-", {"输入的等级限制1~59"}, "1"},
        {"-3", {"输入的等级限制1~59"}, "1"},
        {"4294967356", {"输入的等级限制1~59！"}, "1"},  // wraps to 60
        {"1", {}, "1"},
        {"59", {}, "59"},
        {"５９", {}, "５９"},
    };
    for (const auto& c : cases) {
        window.messages.clear();
        window.type("编辑框1", c.typed);
        EXPECT_EQ(window.messages, c.messages) << '"' << c.typed << '"';
        EXPECT_EQ(window.text("编辑框1"), c.left);
    }
}

TEST_F(LevelGroups, TargetLevelGuardHasNoLowerBound) {
    const struct {
        const char* typed;
        Strings messages;
        const char* left;
    } cases[] = {
        {"61", {"最高等级为60级！"}, "60"},
        {"99999", {"最高等级为60级！"}, "60"},
        {"60", {}, "60"},
        {"0", {}, "0"},
        {"", {}, ""},
        {"-2147483648", {}, "-2147483648"},
    };
    for (const auto& c : cases) {
        window.messages.clear();
        window.type("编辑框2", c.typed);
        EXPECT_EQ(window.messages, c.messages) << '"' << c.typed << '"';
        EXPECT_EQ(window.text("编辑框2"), c.left);
    }
}

TEST_F(LevelGroups, GuardsTouchOnlyTheirOwnField) {
    window.type("编辑框1", "70");
    window.type("编辑框2", "70");
    EXPECT_EQ(window.writes, (Strings{"编辑框1", "编辑框2"}));
}

}  // namespace
}  // namespace velorin
