// The skin engine DLL as the program uses it: loaded by path, its entry
// found by name and called with the stdcall convention.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using attach_entry = int(__stdcall*)(const void*, int, const char*, int, int, int);

std::string windows_path(const std::string& linux_path) {
    return "Z:" + linux_path;
}

std::vector<char> file_bytes(const std::string& linux_path) {
    std::ifstream in(windows_path(linux_path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SkinEngine : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        library = LoadLibraryA(windows_path(SKIN_ENGINE_DLL).c_str());
        ASSERT_NE(library, nullptr);
        attach = reinterpret_cast<attach_entry>(
            reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachRes")));
        ASSERT_NE(attach, nullptr);
    }
    // The hook the engine sets is the calling thread's: each call runs on a
    // thread of its own, so no window of the test process is ever skinned.
    static int call(const void* data, int size, const char* password = nullptr, int hue = 0,
                    int saturation = 0, int brightness = 0) {
        int result = -1;
        std::thread([&] {
            result = attach(data, size, password, hue, saturation, brightness);
        }).join();
        return result;
    }

    static inline HMODULE library = nullptr;
    static inline attach_entry attach = nullptr;
};

TEST_F(SkinEngine, AcceptsTheProgramsSkinWithAndWithoutShifts) {
    const std::vector<char> skin = file_bytes(PROGRAM_SKIN);
    ASSERT_FALSE(skin.empty());
    const int size = static_cast<int>(skin.size());
    EXPECT_EQ(call(skin.data(), size), 0);
    EXPECT_EQ(call(skin.data(), size, nullptr, 180, -100, 100), 0);
    EXPECT_EQ(call(skin.data(), size, nullptr, -180, 100, -100), 0);
    EXPECT_EQ(call(skin.data(), size, "unused"), 0);
}

TEST_F(SkinEngine, RefusesANullSkin) {
    EXPECT_NE(call(nullptr, 0), 0);
    EXPECT_NE(call(nullptr, 6101), 0);
    const std::vector<char> skin = file_bytes(PROGRAM_SKIN);
    EXPECT_NE(call(skin.data(), 0), 0);
    EXPECT_NE(call(skin.data(), -1), 0);
}

// Each truncation is copied to the end of a committed page followed by an
// inaccessible one: a read past the given size would crash the test.
TEST_F(SkinEngine, RefusesEveryTruncationWithoutReadingPastIt) {
    const std::vector<char> skin = file_bytes(PROGRAM_SKIN);
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const DWORD page = system.dwPageSize;
    ASSERT_LT(skin.size(), page);
    char* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_NE(pages, nullptr);
    ASSERT_NE(VirtualAlloc(pages, page, MEM_COMMIT, PAGE_READWRITE), nullptr);
    for (std::size_t length = 1; length < skin.size(); ++length) {
        char* start = pages + page - length;
        std::copy(skin.begin(), skin.begin() + static_cast<long>(length), start);
        EXPECT_NE(call(start, static_cast<int>(length)), 0) << length;
    }
    char* whole = pages + page - skin.size();
    std::copy(skin.begin(), skin.end(), whole);
    EXPECT_EQ(call(whole, static_cast<int>(skin.size())), 0);
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(SkinEngine, RefusesRandomBytes) {
    std::mt19937 random(6101);
    for (int round = 0; round < 300; ++round) {
        std::vector<char> noise(1 + random() % 400);
        for (char& b : noise) {
            b = static_cast<char>(random());
        }
        if (round % 2 == 0) {
            std::copy_n("VSKN\x01\x00", 6, noise.begin() + 0);
        }
        EXPECT_NE(call(noise.data(), static_cast<int>(noise.size())), 0);
    }
}

TEST_F(SkinEngine, OpensAProtectedSkinOnlyWithItsPassword) {
    const std::vector<char> skin = file_bytes(LOCKED_SKIN);
    ASSERT_FALSE(skin.empty());
    const int size = static_cast<int>(skin.size());
    EXPECT_NE(call(skin.data(), size), 0);
    EXPECT_NE(call(skin.data(), size, ""), 0);
    EXPECT_NE(call(skin.data(), size, "蓝色"), 0);
    EXPECT_NE(call(skin.data(), size, "wrong"), 0);
    EXPECT_EQ(call(skin.data(), size, "蓝色口令"), 0);
}

}  // namespace
