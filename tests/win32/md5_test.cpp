// The platform's MD5 against the test suite of RFC 1321, and on inputs
// longer than one piece fed to the provider.
#include "skin/md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace velorin {
namespace {

std::string hex(const md5_digest& digest) {
    std::string text;
    for (std::uint8_t b : digest) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", b);
        text += pair;
    }
    return text;
}

TEST(Md5, MatchesTheRfc1321TestSuite) {
    const struct {
        std::string input;
        const char* digest;
    } suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : suite) {
        const auto digest = md5_of(c.input);
        ASSERT_TRUE(digest) << c.input;
        EXPECT_EQ(hex(*digest), c.digest) << c.input;
    }
}

TEST(Md5, HashesZeroBytesAndInputsLongerThanOnePiece) {
    EXPECT_EQ(hex(*md5_of(std::string(3, '\0'))), "693e9af84d3dfcc71e640e005bdc5e2e");
    EXPECT_EQ(hex(*md5_of(std::string(1000000, 'a'))), "7707d6ae4e027c70eea2a935c2296f21");
    // Three 1 MiB pieces and a few bytes more.
    EXPECT_EQ(hex(*md5_of(std::string((3 << 20) + 5, 'x'))), "290d47fd0d1114329f4020a0962b370a");
}

}  // namespace
}  // namespace velorin
