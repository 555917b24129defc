// The number and text rules, case by case. The same cases run natively and
// under Wine, so the two C runtimes cannot make the texts differ.
#include "core/conversions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace velorin {
namespace {

struct text_case {
    std::string text;
    std::int32_t value;
};

TEST(TextToInt, ReadsLikeTheCalculatorFields) {
    const text_case cases[] = {
        {"", 0},
        {"15", 15},
        {" 42", 42},
        {"\t7", 7},
        {"\n\v\f\r 9", 9},
        {"+5", 5},
        {"-5", -5},
        {"- 5", 0},
        {"--5", 0},
        {"+-5", 0},
        {"12.7", 12},
        {"-12.7", -12},
        {"1e3", 1},
        {"1,000", 1},
        {"15abc", 15},
        {"abc", 0},
        {"0x1A", 0},
        {"0015", 15},
        {"-", 0},
        {"２５", 25},
        {"－３", -3},
        {"＋７", 7},
        {"　１２", 12},
        {"１２．９", 12},
        {"2147483647", 2147483647},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"4294967297", 1},
        {"-4294967295", 1},
        {"99999999999", 1215752191},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_to_int(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextToInt, StopsAtTheFirstByteThatIsNoDigit) {
    EXPECT_EQ(text_to_int("12 34"), 12);
    EXPECT_EQ(text_to_int("1２"), 12);
    EXPECT_EQ(text_to_int("\xA1"), 0);  // a lead byte at the end is dropped
    EXPECT_EQ(text_to_int("3等级"), 3);
}

TEST(FoldFullWidth, TurnsFullWidthFormsIntoAscii) {
    const struct {
        std::string text;
        std::string folded;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"０１２３４５６７８９", "0123456789"},
        {"＋－．", "+-."},
        {"\xA3\xA1\xA3\xFE", "!~"},  // the whole full-width ASCII row
        {"　", " "},
        {"～", "~"},
        {"☆★", "**"},
        {"等级", "等级"},          // other two-byte characters stay
        {"1\xA3", "1"},            // a lead byte at the end is dropped
        {"\xA3\x41", "\xA3\x41"},  // a second byte outside the row stays
        {"\xA3\xFF", "\xA3\xFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fold_full_width(c.text), c.folded) << '"' << c.text << '"';
    }
}

TEST(IntToText, WritesPlainDecimal) {
    const text_case cases[] = {
        {"0", 0},
        {"283770", 283770},
        {"-5", -5},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(int_to_text(c.value), c.text);
    }
}

struct real_case {
    double value;
    std::string text;
};

double divide(double a, double b) {
    return a / b;
}

TEST(RealToText, ShowsThirteenDigitsAfterRoundingToSeventeen) {
    const real_case cases[] = {
        {divide(1, 3), "0.3333333333333"},
        {divide(2, 3), "0.6666666666667"},
        {divide(10000, 11180), "0.8944543828265"},
        {divide(283770, 11180), "25.38193202147"},
        {divide(45370, 7), "6481.428571429"},
        {divide(100, 8), "12.5"},
        {divide(5, 2), "2.5"},
        {divide(100, 1), "100"},
        {divide(-110, 3), "-36.66666666667"},
        {divide(1, 10000), "0.0001"},
        {divide(3, 40000), "7.5e-005"},
        {divide(5, 100000), "5e-005"},
        {divide(1, 1048576), "9.536743164063e-007"},
        {divide(750, 937), "0.8004268943437"},
        {divide(1, 2147483647), "4.656612875246e-010"},
        {2147483647.0 + 1.0, "2147483648"},
        {1e20, "1e+020"},
        {9999999999999.0, "9999999999999"},
        {99999999999999.0, "1e+014"},
        {469500.0, "469500"},
        {1.0, "1"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {0.001, "0.001"},
        {123456789012.5, "123456789012.5"},
        {1234567890123.4, "1234567890123"},
        {9.9999999999999e-5, "0.0001"},  // rounding carries into the next power of ten
        {9.9999999999994, "9.999999999999"},
        {9.9999999999995, "10"},
        {1e-300, "1e-300"},
        {1.7976931348623157e308, "1.797693134862e+308"},
        {4.9406564584124654e-324, "4.940656458412e-324"},  // the smallest subnormal
        {-4294967296.0, "-4294967296"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(real_to_text(c.value), c.text) << c.text;
    }
}

TEST(RealToText, NamesTheSpecialValues) {
    const double zero = divide(0, 5);
    const real_case cases[] = {
        {zero, "0"},
        {divide(0, -5), "0"},
        {divide(1, 0), "1.#INF"},
        {divide(-1, 0), "-1.#INF"},
        {std::bit_cast<double>(0xFFF8000000000000ull), "-1.#IND"},
        {std::bit_cast<double>(0x7FF8000000000000ull), "1.#QNAN"},
        {std::bit_cast<double>(0xFFF8000000000001ull), "-1.#QNAN"},
        {std::bit_cast<double>(0x7FF0000000000001ull), "1.#SNAN"},
        {std::bit_cast<double>(0xFFF4000000000000ull), "-1.#SNAN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(real_to_text(c.value), c.text) << c.text;
    }
}

TEST(RealToInt, TruncatesAndWrapsAt32Bits) {
    const struct {
        double value;
        std::int32_t result;
    } cases[] = {
        {150.5, 150},
        {-150.5, -150},
        {2.9999, 2},
        {-2.9999, -2},
        {divide(296, 2), 148},
        {2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {-2147483649.0, 2147483647},
        {4294967296.5, 0},
        {9223372036854774784.0, -1024},  // the largest double below 2^63
        {9223372036854775808.0, 0},      // 2^63
        {-9223372036854775808.0, 0},     // -2^63 is outside too
        {1e300, 0},
        {divide(1, 0), 0},
        {divide(-1, 0), 0},
        {std::bit_cast<double>(0xFFF8000000000000ull), 0},
        {-0.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(real_to_int(c.value), c.result) << c.value;
    }
}

TEST(BytesToText, EndsAtTheFirstZeroByte) {
    using namespace std::string_literals;
    EXPECT_EQ(bytes_to_text("ab\0cd"s), "ab");
    EXPECT_EQ(bytes_to_text(""s), "");
    EXPECT_EQ(bytes_to_text("\0ab"s), "");
    EXPECT_EQ(bytes_to_text("名单"s), "名单");
    EXPECT_EQ(bytes_to_text("\xE5\x90\x8D\xFF"s),
              "\xE5\x90\x8D\xFF");  // not checked, not converted
}

}  // namespace
}  // namespace velorin
