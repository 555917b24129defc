// Deploying and attaching the skin on the real file system of the Wine
// prefix: each case lays out a folder as a user's machine may have it, then
// attaches the carried skin the way the program does at start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "skin/skin_library.h"
#include "tests/e2e/driver.h"

namespace velorin::e2e {
namespace {

constexpr char child_variable[] = "VELORIN_SKIN_DEPLOYMENT_CHILD";
constexpr int child_refused = 42;

std::string read_file(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "(cannot open)";
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

void write_file(const std::string& path, std::string_view bytes, DWORD attributes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    // A time well in the past, so that a rewrite would show.
    FILETIME long_ago{};
    SYSTEMTIME when = {2020, 3, 0, 14, 9, 30, 0, 0};
    SystemTimeToFileTime(&when, &long_ago);
    SetFileTime(file, &long_ago, nullptr, &long_ago);
    CloseHandle(file);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
}

struct file_state {
    std::string bytes;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    FILETIME written{};
    FILETIME created{};
};

file_state state_of(const std::string& path) {
    file_state state;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        state.attributes = data.dwFileAttributes;
        state.written = data.ftLastWriteTime;
        state.created = data.ftCreationTime;
    }
    state.bytes = read_file(path);
    return state;
}

// Wine reports every file as to be archived, whatever its attributes were set to.
DWORD without_archive(DWORD attributes) {
    return attributes & ~DWORD{FILE_ATTRIBUTE_ARCHIVE};
}

bool same_time(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

// The engine hooks the calling thread: attaching on a thread of its own
// keeps the test process's windows unskinned.
bool attach_on_own_thread() {
    bool attached = false;
    std::thread([&] { attached = attach_skin(embedded_skin(), ""); }).join();
    return attached;
}

class SkinDeployment : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = temporary_folder() + "velorin-skin-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        remove_folder();
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        library = folder + skin_library_name;
        skin_library_folder = folder;
        image = std::string(embedded_library_image());
        ASSERT_FALSE(image.empty());
        ASSERT_FALSE(embedded_skin().empty());
    }
    void TearDown() override {
        skin_library_folder = temporary_folder();
        remove_folder();
    }
    // A loaded library keeps its file: each further case of a test gets a
    // folder of its own.
    void next_case() {
        folder = folder.substr(0, folder.size() - 1) + "+\\";
        remove_folder();
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        library = folder + skin_library_name;
        skin_library_folder = folder;
    }
    void remove_folder() {
        const std::string path = folder + skin_library_name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string folder;
    std::string library;
    std::string image;
};

TEST_F(SkinDeployment, APresentIdenticalFileIsLeftUntouched) {
    for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_NORMAL}, DWORD{FILE_ATTRIBUTE_HIDDEN},
                                   DWORD{FILE_ATTRIBUTE_ARCHIVE}}) {
        write_file(library, image, attributes);
        const file_state before = state_of(library);
        EXPECT_TRUE(attach_on_own_thread()) << attributes;
        const file_state after = state_of(library);
        EXPECT_TRUE(after.bytes == image) << attributes;
        EXPECT_EQ(after.attributes, before.attributes);
        EXPECT_TRUE(same_time(after.written, before.written)) << attributes;
        EXPECT_TRUE(same_time(after.created, before.created)) << attributes;
        EXPECT_EQ(skin_library_folder, folder);
        next_case();
    }
}

TEST_F(SkinDeployment, APresentDifferentFileIsReplacedAndHidden) {
    std::string older = image;
    older[older.size() / 2] ^= 0x55;
    const struct {
        const char* what;
        std::string bytes;
        DWORD attributes;
    } cases[] = {
        {"an older library", older, FILE_ATTRIBUTE_NORMAL},
        {"a truncated file", image.substr(0, image.size() - 1), FILE_ATTRIBUTE_NORMAL},
        {"an empty file", "", FILE_ATTRIBUTE_NORMAL},
        {"a hidden older library", older, FILE_ATTRIBUTE_HIDDEN},
        {"a longer file", image + "x", FILE_ATTRIBUTE_ARCHIVE},
    };
    for (const auto& c : cases) {
        write_file(library, c.bytes, c.attributes);
        EXPECT_TRUE(attach_on_own_thread()) << c.what;
        const file_state after = state_of(library);
        EXPECT_TRUE(after.bytes == image) << c.what;
        EXPECT_EQ(without_archive(after.attributes), DWORD{FILE_ATTRIBUTE_HIDDEN}) << c.what;
        next_case();
    }
}

TEST_F(SkinDeployment, AMissingFileIsWrittenHidden) {
    EXPECT_TRUE(attach_on_own_thread());
    const file_state after = state_of(library);
    EXPECT_TRUE(after.bytes == image);
    EXPECT_EQ(without_archive(after.attributes), DWORD{FILE_ATTRIBUTE_HIDDEN});
}

TEST_F(SkinDeployment, AFolderOfTheLibrarysNameMakesTheAttachFail) {
    ASSERT_TRUE(CreateDirectoryA(library.c_str(), nullptr));
    EXPECT_FALSE(attach_on_own_thread());
    EXPECT_TRUE(GetFileAttributesA(library.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(SkinDeployment, AReadOnlyDifferentFileMakesTheAttachFailAndStaysAsItWas) {
    write_file(library, "an old library", FILE_ATTRIBUTE_READONLY);
    const file_state before = state_of(library);
    EXPECT_FALSE(attach_on_own_thread());
    const file_state after = state_of(library);
    EXPECT_EQ(after.bytes, "an old library");
    EXPECT_EQ(after.attributes, before.attributes);
    EXPECT_TRUE(same_time(after.written, before.written));
}

TEST_F(SkinDeployment, AFolderThatDoesNotExistGivesWayToTheTemporaryFolder) {
    skin_library_folder = folder + "missing\\";
    EXPECT_TRUE(attach_on_own_thread());
    EXPECT_EQ(skin_library_folder, temporary_folder());
    EXPECT_TRUE(read_file(temporary_folder() + skin_library_name) == image);
}

TEST_F(SkinDeployment, AFolderWithoutItsBackslashIsUsedWithOne) {
    skin_library_folder = folder.substr(0, folder.size() - 1);
    EXPECT_TRUE(attach_on_own_thread());
    EXPECT_EQ(skin_library_folder, folder);
    EXPECT_TRUE(read_file(library) == image);
}

// Between the check and the load nobody may swap the file: it stays open
// against writers and deleters until the library is loaded.
TEST_F(SkinDeployment, TheCheckedFileCannotBeReplacedBeforeItIsLoaded) {
    for (const bool present : {true, false}) {
        if (present) {
            write_file(library, image, FILE_ATTRIBUTE_NORMAL);
        }
        ASSERT_TRUE(ensure_skin_library()) << present;
        HANDLE writer = CreateFileA(library.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << present;
        if (writer != INVALID_HANDLE_VALUE) {
            CloseHandle(writer);
        }
        EXPECT_FALSE(DeleteFileA(library.c_str())) << present;
        EXPECT_TRUE(bind_skin_entry()) << present;
        EXPECT_TRUE(read_file(library) == image);
        if (!present) {
            break;
        }
        next_case();
    }
}

// Run by the next test as a child process whose temporary folder does not
// exist; it reports its result through its exit code.
TEST(SkinDeploymentChild, AttachWithoutATemporaryFolder) {
    if (!std::getenv(child_variable)) {
        GTEST_SKIP() << "runs only as the child of the next test";
    }
    skin_library_folder = "Z:\\no\\such\\folder\\";
    std::exit(attach_on_own_thread() ? 1 : child_refused);
}

TEST(SkinDeploymentWithoutTemporaryFolder, AttachFails) {
    char own_path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, own_path, MAX_PATH), 0u);
    std::string environment;
    for (const char* setting :
         {"TMP=Z:\\no\\such\\temp", "TEMP=Z:\\no\\such\\temp", "VELORIN_SKIN_DEPLOYMENT_CHILD=1"}) {
        environment += setting;
        environment += '\0';
    }
    environment += '\0';
    std::string command = std::string("\"") + own_path +
                          "\" --gtest_filter=SkinDeploymentChild.AttachWithoutATemporaryFolder";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                               environment.data(), nullptr, &startup, &child));
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(code, DWORD{child_refused});
}

}  // namespace
}  // namespace velorin::e2e
