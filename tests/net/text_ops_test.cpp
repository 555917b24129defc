// The text operations, rule by rule, with the two-byte
// characters of code page 936 that the searches must step over.
#include "net/text_ops.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velorin {
namespace {

using namespace std::string_literals;

// Two-byte characters whose second byte is an ASCII byte that a marker may
// hold: 癧 B0 5B ("["), 癩 B0 5D ("]"), 癆 B0 41 ("A"), 癮 B0 61 ("a").
TEST(TwoByteCharacters, HaveTheSecondBytesTheTestsRelyOn) {
    EXPECT_EQ("癧"s, "\xB0\x5B"s);
    EXPECT_EQ("癩"s, "\xB0\x5D"s);
    EXPECT_EQ("癆"s, "\xB0\x41"s);
    EXPECT_EQ("癮"s, "\xB0\x61"s);
    EXPECT_EQ("　"s, "\xA1\xA1"s);
    EXPECT_EQ("啊、"s, "\xB0\xA1\xA1\xA2"s);
    EXPECT_EQ("#引号"s, "\x23\xD2\xFD\xBA\xC5"s);
}

TEST(FindText, FollowsTheFindRule) {
    const struct {
        std::string text;
        std::string target;
        std::int32_t start;
        bool ignore_case;
        std::int32_t position;
    } cases[] = {
        {"abcabc", "abc", 1, false, 1},
        {"abcabc", "abc", 2, false, 4},
        {"abcabc", "abc", 4, false, 4},
        {"abcabc", "abc", 5, false, -1},
        {"abcabc", "c", 6, false, 6},
        {"abcabc", "c", 7, false, -1},   // a start beyond the end
        {"abcabc", "abc", 0, false, 1},  // a start below 1 counts as 1
        {"abcabc", "abc", -5, false, 1},
        {"abcabc", "x", 1, false, -1},
        {"abc", "abcd", 1, false, -1},  // the target is longer than the text
        {"", "a", 1, false, -1},
        {"abc", "", 1, false, 1},   // an empty target in a text
        {"abc", "", 3, false, 1},   // ... gives 1, whatever the start
        {"abc", "", 4, false, -1},  // ... and -1 when nothing is searched
        {"", "", 1, false, -1},
        {"ABC", "abc", 1, false, -1},
        {"ABC", "abc", 1, true, 1},
        {"abc", "ABC", 1, true, 1},
        {"x-Referer: a", "referer:", 1, true, 3},
        {"[{", "[{", 1, true, 1},  // only A to Z fold: "[" is no "{"
        {"[", "{", 1, true, -1},
        {"@`", "@`", 1, true, 1},
        {"@", "`", 1, true, -1},
        {"最新版本=1.0<", "=", 1, false, 9},  // positions count bytes
        {"最新版本=1.0<", "<", 10, false, 13},
        {"最新版本=1.0<", "版本", 1, false, 5},
        {"最新版本=1.0<", "版本", 6, false, -1},
        {"最新", "新", 2, false, 3},  // a start on a second byte
        // A marker byte that is the second byte of a two-byte character
        // does not match; the same byte standing alone does.
        {"癧", "[", 1, false, -1},
        {"癩", "]", 1, false, -1},
        {"癩]", "]", 1, false, 3},
        {"x=癧1癩]", "]", 1, false, 8},
        {"x=癧1癩]", "[", 1, false, -1},
        {"癆", "A", 1, false, -1},
        {"癆", "a", 1, true, -1},
        {"癮", "A", 1, true, -1},
        {"癮A", "a", 1, true, 3},
        {"\xB0\xA1\xA1\xA2", "\xA1\xA1", 1, false, -1},  // 啊、 holds no 　
        {"\xB0", "\xB0", 1, false, 1},                   // a lead byte that ends the text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(find_text(c.text, c.target, c.start, c.ignore_case), c.position)
            << '"' << c.text << "\" \"" << c.target << "\" " << c.start << ' ' << c.ignore_case;
    }
}

TEST(FindText, StartsAtOneAndMatchesCaseWhenOmitted) {
    EXPECT_EQ(find_text("a:b:c", ":"), 2);
    EXPECT_EQ(find_text("A", "a"), -1);
}

TEST(FindText, EndsTheTextAtItsFirstZeroByte) {
    EXPECT_EQ(find_text("ab\0cd"s, "c"), -1);
    EXPECT_EQ(find_text("ab\0cd"s, "b"), 2);
    EXPECT_EQ(find_text("ab\0cd"s, "x", 3), -1);
}

TEST(FindLastText, GivesTheLastOccurrence) {
    const struct {
        std::string text;
        std::string target;
        std::int32_t position;
    } cases[] = {
        {"a:b:c", ":", 4},  // the last of two
        {"a:b", ":", 2},    // the only one
        {"ab", ":", -1},    // none
        {"", ":", -1},      // an empty text
        {"aaaa", "aa", 3},  // overlapping occurrences count
        {"A:a:", "A:", 1},  // exact case
        {"]癩", "]", 1},    // the second byte of 癩 is no "]"
        {"ab", "", 1},      // an empty target, as find_text gives it
        {"", "", -1},       // ... in an empty text
    };
    for (const auto& c : cases) {
        EXPECT_EQ(find_last_text(c.text, c.target), c.position) << '"' << c.text << '"';
    }
}

TEST(Parts, CountBytes) {
    const struct {
        std::string text;
        std::int32_t n;
        std::string left;
        std::string right;
    } cases[] = {
        {"abcdef", 2, "ab", "ef"},
        {"abcdef", 6, "abcdef", "abcdef"},
        {"abcdef", 7, "abcdef", "abcdef"},
        {"abcdef", 0, "", ""},
        {"abcdef", -1, "", ""},
        {"", 3, "", ""},
        {"最新版本", 2, "最", "本"},
        {"最新版本", 1, "\xD7", "\xBE"},  // half a character: bytes, not characters
        {"ab\0cd"s, 3, "ab", "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(left_part(c.text, c.n), c.left) << '"' << c.text << "\" " << c.n;
        EXPECT_EQ(right_part(c.text, c.n), c.right) << '"' << c.text << "\" " << c.n;
    }
}

TEST(MiddlePart, CutsAtTheEnd) {
    const struct {
        std::string text;
        std::int32_t p;
        std::int32_t n;
        std::string middle;
    } cases[] = {
        {"abcdef", 2, 3, "bcd"},
        {"abcdef", 1, 6, "abcdef"},
        {"abcdef", 5, 10, "ef"},
        {"abcdef", 6, 1, "f"},
        {"abcdef", 7, 1, ""},
        {"abcdef", 0, 3, ""},
        {"abcdef", -1, 3, ""},
        {"abcdef", 2, 0, ""},
        {"abcdef", 2, -3, ""},
        {"abcdef", 2, 2147483647, "bcdef"},
        {"", 1, 1, ""},
        {"最新版本", 3, 4, "新版"},
        {"最新版本", 2, 2, "\xEE\xD0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(middle_part(c.text, c.p, c.n), c.middle) << '"' << c.text << "\" " << c.p;
    }
}

TEST(LowerCase, ChangesOnlyAsciiLetters) {
    const struct {
        std::string text;
        std::string lowered;
    } cases[] = {
        {"", ""},
        {"HTTP://WWW.A.COM/P?Q=Z", "http://www.a.com/p?q=z"},
        {"AZaz@[`{09", "azaz@[`{09"},
        {"最新版本=ABC", "最新版本=abc"},
        {"癆A", "癆a"},  // B0 41: the second byte stays
        {"\xB0\x41\x41", "\xB0\x41\x61"},
        {"Ａ", "Ａ"},  // a full-width letter stays
        {"A\xB0", "a\xB0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lower_case(c.text), c.lowered) << '"' << c.text << '"';
    }
}

TEST(Blanks, AreTheSpaceAndTheFullWidthSpace) {
    const struct {
        std::string text;
        std::string trimmed;
        std::string removed;
    } cases[] = {
        {"", "", ""},
        {"abc", "abc", "abc"},
        {"  a b  ", "a b", "ab"},
        {"　a　b　", "a　b", "ab"},
        {" 　 a 　", "a", "a"},
        {"   ", "", ""},
        {"　　", "", ""},
        {"\ta\r\n", "\ta\r\n", "\ta\r\n"},  // tabs, CR and LF are no blanks
        {" \t a \n ", "\t a \n", "\ta\n"},
        {"a = 1 ;b=2", "a = 1 ;b=2", "a=1;b=2"},
        {"啊、", "啊、", "啊、"},  // B0 A1 A1 A2 holds no A1 A1 character
        {" 啊、 ", "啊、", "啊、"},
        {"\xB0\xA1\xA1", "\xB0\xA1\xA1", "\xB0\xA1\xA1"},  // 啊 and a lone lead byte
        {"　\xA1", "\xA1", "\xA1"},
        {"a \0 b"s, "a", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trim_blanks(c.text), c.trimmed) << '"' << c.text << '"';
        EXPECT_EQ(remove_blanks(c.text), c.removed) << '"' << c.text << '"';
    }
}

TEST(SplitText, KeepsEmptyPiecesButTheLast) {
    using pieces = std::vector<std::string>;
    const struct {
        std::string text;
        std::string separator;
        pieces split;
    } cases[] = {
        {"", ";", {}},
        {"a", ";", {"a"}},
        {"a;b", ";", {"a", "b"}},
        {"a;b;", ";", {"a", "b"}},
        {";b", ";", {"", "b"}},
        {"a;;b", ";", {"a", "", "b"}},
        {";", ";", {""}},
        {";;", ";", {"", ""}},
        {"a;b;;", ";", {"a", "b", ""}},
        {"a; b", ";", {"a", " b"}},
        {"aXbxc", "x", {"aXb", "c"}},  // exact case
        {"a<>b<>", "<>", {"a", "b"}},
        {"www.example.com", ".", {"www", "example", "com"}},
        {"癩]癩", "]", {"癩", "癩"}},  // the second byte of 癩 splits nothing
        {"a;b", "", {"a;b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(split_text(c.text, c.separator), c.split) << '"' << c.text << '"';
    }
}

TEST(ReplaceText, ReplacesEveryOccurrence) {
    const struct {
        std::string text;
        std::string from;
        std::string to;
        std::string replaced;
    } cases[] = {
        {"", "a", "b", ""},
        {"aaa", "a", "bb", "bbbbbb"},
        {"aAa", "a", "x", "xAx"},
        {"aaaa", "aa", "a", "aa"},
        {"k=#引号", "#引号", "\"", "k=\""},
        {"#引号#引号", "#引号", "\"", "\"\""},
        {"癩]", "]", ")", "癩)"},
        {"abc", "", "x", "abc"},
        {"abc", "b", "", "ac"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(replace_text(c.text, c.from, c.to), c.replaced) << '"' << c.text << '"';
    }
}

TEST(AsText, EndsAtTheFirstZeroByte) {
    EXPECT_EQ(as_text("ab\0cd"s), "ab");
    EXPECT_EQ(as_text("\0cd"s), "");
    EXPECT_EQ(as_text("abc"), "abc");
}

}  // namespace
}  // namespace velorin
