// Middle-text extraction in both forms: the table and the
// double-byte stepping of the marker searches.
#include "net/text_between.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace velorin {
namespace {

struct between_case {
    std::string text;
    std::string left;
    std::string right;
    std::string result;
};

// The rows of the table that give the same result in both forms, with
// every other argument omitted.
TEST(TextBetween, TakesTheTextBetweenTheMarkers) {
    const between_case cases[] = {
        {"最新版本=1.0<", "最新版本=", "<", "1.0"},
        {"ab", "a", "b", ""},     // the right marker follows at once
        {"b]a[c", "[", "]", ""},  // the only ] lies before the [
        {"k=\"v\"", "k=#引号", "#引号", "v"},
        {"a\"b\"c", "#引号", "#引号", "b"},
        {"<a>1</a><a>2</a>", "<a>", "</a>", "1"},
        {"x=1", "y=", ";", ""},  // no left marker
        {"x=1", "x=", ";", ""},  // no right marker
        {"", "a", "b", ""},
        {"最新版本=1.0<", "版本=", "<", "1.0"},
        {"x=癧1]", "癧", "]", "1"},
        {"[1癩2]", "[", "]", "1癩2"},  // the second byte of 癩 is no "]"
        {"癧1]", "[", "]", ""},        // nor is that of 癧 a "["
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_between(c.text, c.left, c.right), c.result) << '"' << c.text << '"';
        EXPECT_EQ(text_between_ci(c.text, c.left, c.right), c.result) << '"' << c.text << '"';
    }
}

TEST(TextBetween, StartPositionGovernsTheLeftMarkerAlone) {
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", 6), "2");
    EXPECT_EQ(text_between_ci("x=[1] y=[2]", "[", "]", 6), "2");
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", 3), "1");
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", 4), "2");
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", 11), "");
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", 0), "1");  // below 1 counts as 1
    EXPECT_EQ(text_between("x=[1] y=[2]", "[", "]", -7), "1");
}

TEST(TextBetween, MatchesCaseUnlessAskedNotTo) {
    EXPECT_EQ(text_between("ABC:x;", "abc:", ";"), "");
    EXPECT_EQ(text_between("ABC:x;", "abc:", ";", 1, false), "");
    EXPECT_EQ(text_between("ABC:x;", "abc:", ";", 1, true), "x");
    EXPECT_EQ(text_between("ABC:x;", "ABC:", ";"), "x");
    EXPECT_EQ(text_between("aXbxc", "a", "x", 1, false), "Xb");
    EXPECT_EQ(text_between("aXbxc", "a", "x", 1, true), "");
}

TEST(TextBetweenCi, IgnoresCaseUnlessAskedNotTo) {
    EXPECT_EQ(text_between_ci("ABC:x;", "abc:", ";"), "x");
    EXPECT_EQ(text_between_ci("ABC:x;", "abc:", ";", 1, false), "x");
    EXPECT_EQ(text_between_ci("ABC:x;", "abc:", ";", 1, true), "");
    EXPECT_EQ(text_between_ci("aXbxc", "a", "x"), "");
    EXPECT_EQ(text_between_ci("aXbxc", "a", "x", 1, true), "Xb");
    EXPECT_EQ(text_between_ci("HTTP://A.COM/", "http://", "/"), "A.COM");
    EXPECT_EQ(text_between_ci("K=#引号V#引号", "k=#引号", "#引号"),
              "");  // the text's own placeholder is no quote
    EXPECT_EQ(text_between_ci("K=\"V\"", "k=#引号", "#引号"), "V");
    // Only A to Z fold: a two-byte character whose second byte is "A" does
    // not match "a".
    EXPECT_EQ(text_between_ci("癆x=1;", "ax=", ";"), "");
    EXPECT_EQ(text_between_ci("Ax=1;", "ax=", ";"), "1");
}

TEST(TextBetween, EmptyMarkersGiveNothingOrTheStart) {
    // An empty left marker is found at position 1, so the text runs from
    // the start; an empty right marker is found at 1 too, before the left
    // one, and gives "".
    EXPECT_EQ(text_between("ab;c", "", ";"), "ab");
    EXPECT_EQ(text_between("ab;c", "a", ""), "");
    EXPECT_EQ(text_between("", "", ""), "");
    EXPECT_EQ(text_between("ab", "b", ""), "");  // nothing behind the left marker
}

}  // namespace
}  // namespace velorin
