// The code-page conversions through MultiByteToWideChar and
// WideCharToMultiByte. This file is compiled with the execution
// character set code page 936, so the UTF-8 inputs are built from u8
// literals.
#include "net/code_pages.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

namespace velorin {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

std::string bytes_of(std::u8string_view utf8) {
    return std::string(utf8.begin(), utf8.end());
}

TEST(Utf8ToUtf16, GivesTwoBytesPerCodeUnitLowByteFirst) {
    const struct {
        std::string utf8;
        std::string utf16;
    } cases[] = {
        {"", ""},
        {"A", "A\0"s},
        {bytes_of(u8"中"), "\x2D\x4E"},                   // U+4E2D
        {bytes_of(u8"最新"), "\x00\x67\xB0\x65"s},        // U+6700 U+65B0
        {bytes_of(u8"a\0b"sv), "a\0\0\0b\0"s},            // a zero byte is a code unit too
        {bytes_of(u8"\U0001F600"), "\x3D\xD8\x00\xDE"s},  // a surrogate pair
        {bytes_of(u8"\uFEFFa"), "\xFF\xFE\x61\x00"s},     // the byte-order mark stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8_to_utf16(c.utf8), c.utf16) << c.utf8.size() << " bytes";
    }
}

TEST(Utf16ToCp936, ReadsCodeUnitsAndEndsAtTheFirstZero) {
    EXPECT_EQ(utf16_to_cp936(""), "");
    EXPECT_EQ(utf16_to_cp936("A"), "");       // half a code unit
    EXPECT_EQ(utf16_to_cp936("A\0B"s), "A");  // the odd last byte is ignored
    EXPECT_EQ(utf16_to_cp936("\x00\x67\xB0\x65"s), "最新");
    EXPECT_EQ(utf16_to_cp936("a\0\0\0b\0"s), "a");
    EXPECT_EQ(utf16_to_cp936("\0\0a\0"s), "");
}

TEST(Utf8ToCp936, ConvertsThePageText) {
    const struct {
        std::string utf8;
        std::string text;
    } cases[] = {
        {"", ""},
        {bytes_of(u8"最新版本=1.0<"), "最新版本=1.0<"},
        {bytes_of(u8"最新版本=1.0<br>\r\n"), "最新版本=1.0<br>\r\n"},
        {bytes_of(u8"ab\0cd"sv), "ab"},  // a zero byte ends the text
        {bytes_of(u8"\0最新"sv), ""},
        {bytes_of(u8"　全角　"), "　全角　"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8_to_cp936(c.utf8), c.text) << c.utf8.size() << " bytes";
    }
}

TEST(Utf8ToCp936, PutsThePlatformsDefaultCharacterForOneCp936CannotHold) {
    // U+0E01 (Thai ko kai) is no character of code page 936; the program
    // passes no default character, so the code page's own stands for it.
    CPINFO info{};
    ASSERT_NE(GetCPInfo(936, &info), 0);
    ASSERT_NE(info.DefaultChar[0], 0);
    const std::string default_char(reinterpret_cast<const char*>(info.DefaultChar),
                                   info.DefaultChar[1] == 0 ? 1 : 2);
    EXPECT_EQ(utf8_to_cp936(bytes_of(u8"a\u0E01b")), "a" + default_char + "b");
    EXPECT_EQ(utf8_to_cp936(bytes_of(u8"版本\u0E01")), "版本" + default_char);
}

}  // namespace
}  // namespace velorin
