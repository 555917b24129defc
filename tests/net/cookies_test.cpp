// Cookie names, the cookie test and the whole merge table.
#include "net/cookies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velorin {
namespace {

TEST(CookieName, IsThePartBeforeTheFirstEqualsSignTrimmed) {
    const struct {
        std::string entry;
        std::string name;
    } cases[] = {
        {"a=1", "a"},       // the part before the "="
        {" a = 1 ", "a"},   // trimmed
        {"a=b=c", "a"},     // the first "=" counts
        {"x", "x"},         // no "=": the whole entry
        {" x ", "x"},       // ... trimmed
        {"=1", ""},         // an empty name
        {"", ""},           // an empty entry
        {"　名=值", "名"},  // the full-width space is a blank
        {"A=1", "A"},       // the case stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cookie_name(c.entry), c.name) << '"' << c.entry << '"';
    }
}

TEST(HasCookie, ComparesNamesExactly) {
    const std::vector<std::string> entries = {"a=1", " b =2", "c", "D=4"};
    EXPECT_TRUE(has_cookie(entries, "a"));
    EXPECT_TRUE(has_cookie(entries, "b"));
    EXPECT_TRUE(has_cookie(entries, "c"));
    EXPECT_TRUE(has_cookie(entries, "D"));
    EXPECT_FALSE(has_cookie(entries, "d"));
    EXPECT_FALSE(has_cookie(entries, "A"));
    EXPECT_FALSE(has_cookie(entries, "1"));
    EXPECT_FALSE(has_cookie(entries, ""));
    EXPECT_FALSE(has_cookie({}, "a"));
    const std::vector<std::string> with_empty = {"", "a=1"};
    EXPECT_TRUE(has_cookie(with_empty, ""));
}

TEST(MergeCookies, PutsTheNewBeforeTheOldAndDropsDeleted) {
    const struct {
        std::string old_before;
        std::string new_before;
        std::string old_after;  // also the result
        std::string new_after;
    } cases[] = {
        {"a=0; c=3", "a=1; b=2", "a=1; b=2; c=3", "a=1;b=2"},
        {"a=0", "a=deleted", "", "a=deleted"},
        {"a = 1 ;b=2", "", "a=1; b=2", ""},
        {"a=1;a=2", "", "a=1", ""},
        {"x;y=1", "", "x; y=1", ""},
        {"", ";b=2", "; b=2", ";b=2"},
        {"A=1", "a=2", "a=2; A=1", "a=2"},
        // More rows.
        {"", "", "", ""},
        {"a=1", "", "a=1", ""},
        {"", "a=1;", "a=1", "a=1;"},
        {"a=1;b=deleted", "", "a=1", ""},  // an old deleted entry goes too
        {"b=deleted", "a=1", "a=1", "a=1"},
        {"a=0;b=1", "a=deleted;c=2", "c=2; b=1", "a=deleted;c=2"},
        {"d=1", "deleted", "deleted; d=1", "deleted"},  // shorter than 8 bytes: kept
        {"x=undeleted", "", "x=undeleted", ""},         // its last 8 bytes are "ndeleted"
        {"x=deleted", "", "", ""},
        {"　a　=　1　", "b = 2", "b=2; a=1", "b=2"},
        {"a=1;;b=2", "", "a=1; ; b=2", ""},  // the empty entry is kept
    };
    for (const auto& c : cases) {
        std::string old_cookies = c.old_before;
        std::string new_cookies = c.new_before;
        const std::string merged = merge_cookies(old_cookies, new_cookies);
        EXPECT_EQ(merged, c.old_after) << '"' << c.old_before << "\" \"" << c.new_before << '"';
        EXPECT_EQ(old_cookies, c.old_after) << '"' << c.old_before << '"';
        EXPECT_EQ(new_cookies, c.new_after) << '"' << c.new_before << '"';
    }
}

}  // namespace
}  // namespace velorin
