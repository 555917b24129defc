#include "skin/skin_library.h"

#include <windows.h>

#include <shlwapi.h>

#include <optional>
#include <vector>

#include "resources/resource_ids.h"
#include "skin/md5.h"
#include "skin/skin_rules.h"

namespace velorin {

std::string skin_library_folder;

namespace {

using attach_entry = int(__stdcall*)(const void* skin_data, int skin_size, const char* password,
                                     int hue, int saturation, int brightness);

attach_entry skin_entry = nullptr;

// The library file stays open from the moment its contents are checked or
// written until it has been loaded, refusing every other writer and
// deleter, so the file loaded is the very file checked.
class held_file {
  public:
    ~held_file() { release(); }
    void hold(HANDLE file) {
        release();
        file_ = file;
    }
    void release() {
        if (file_ != INVALID_HANDLE_VALUE) {
            CloseHandle(file_);
            file_ = INVALID_HANDLE_VALUE;
        }
    }

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

held_file library_hold;

struct loaded_library {
    std::string full_path;
    HMODULE module;
};

// Libraries loaded by bind_skin_entry; they stay loaded until the process ends.
std::vector<loaded_library> loaded_libraries;

std::string library_path() {
    return skin_library_folder + skin_library_name;
}

std::string_view resource_bytes(int id) {
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RCDATA
    HGLOBAL data = found ? LoadResource(program, found) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) {
        return {};
    }
    return {static_cast<const char*>(bytes), SizeofResource(program, found)};
}

bool name_exists(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

bool read_all(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t at = 0;
    while (at < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &got,
                      nullptr) ||
            got == 0) {
            return false;
        }
        at += got;
    }
    return true;
}

// The file's bytes, read through a handle that is then kept; a file that
// cannot be opened or read gives no bytes.
std::string read_and_hold(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    library_hold.hold(file);
    std::string bytes;
    return read_all(file, bytes) ? bytes : std::string();
}

bool write_all(HANDLE file, std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written,
                       nullptr) ||
            written == 0) {
            return false;
        }
        at += written;
    }
    return true;
}

void mark_hidden(HANDLE file, const std::string& path) {
    FILE_BASIC_INFO info{};  // zero times leave the file's times as they are
    info.FileAttributes = FILE_ATTRIBUTE_HIDDEN;
    if (!SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
}

bool same_path(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                          b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

HMODULE already_loaded(const std::string& full_path) {
    for (const loaded_library& library : loaded_libraries) {
        if (same_path(library.full_path, full_path)) {
            return library.module;
        }
    }
    return nullptr;
}

}  // namespace

std::string temporary_folder() {
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return with_trailing_backslash(std::string(buffer, length));
}

std::string_view embedded_library_image() {
    return resource_bytes(VELORIN_SKIN_LIBRARY);
}

std::string_view embedded_skin() {
    return resource_bytes(VELORIN_SKIN_DATA);
}

bool is_directory(const std::string& path) {
    return PathIsDirectoryA(path.c_str()) == FILE_ATTRIBUTE_DIRECTORY;
}

bool deploy_skin_library() {
    library_hold.release();
    const std::string temp = temporary_folder();
    std::string folder = with_trailing_backslash(skin_library_folder);
    if (!is_directory(folder)) {
        folder = temp;
    }
    skin_library_folder = folder;
    const std::string path = library_path();
    // A read-only file is never replaced. Windows refuses it by itself, but
    // a file system that grants the user every write (Wine run as root)
    // would not, so the attribute is honoured here.
    const DWORD present = GetFileAttributesA(path.c_str());
    if (present != INVALID_FILE_ATTRIBUTES && (present & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    DeleteFileA(path.c_str());  // there may be nothing to delete
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = write_all(file, embedded_library_image());
    if (written) {
        mark_hidden(file, path);
    }
    CloseHandle(file);
    // The loader cannot open a file that is open for writing: the file is
    // opened again for reading, held, and checked through that handle.
    return written && same_digest(md5_of(read_and_hold(path)), md5_of(embedded_library_image()));
}

bool ensure_skin_library() {
    const std::string path = library_path();
    if (!name_exists(path)) {
        return deploy_skin_library();
    }
    const std::string present = read_and_hold(path);
    if (same_digest(md5_of(present), md5_of(embedded_library_image()))) {
        return true;
    }
    return deploy_skin_library();
}

bool bind_skin_entry() {
    char full_path[MAX_PATH];
    const DWORD length = GetFullPathNameA(library_path().c_str(), MAX_PATH, full_path, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        library_hold.release();
        return false;
    }
    HMODULE library = already_loaded(full_path);
    const bool loaded_now = library == nullptr;
    if (loaded_now) {
        library = LoadLibraryA(full_path);
    }
    library_hold.release();
    if (!library) {
        return false;
    }
    const auto entry = reinterpret_cast<attach_entry>(
        reinterpret_cast<void*>(GetProcAddress(library, "SkinH_AttachRes")));
    if (!entry) {
        if (loaded_now) {
            FreeLibrary(library);
        }
        return false;
    }
    if (loaded_now) {
        loaded_libraries.push_back({full_path, library});
    }
    skin_entry = entry;
    return true;
}

bool attach_skin(std::string_view skin_data, const std::string& password, int hue, int saturation,
                 int brightness) {
    if (!ensure_skin_library() || !bind_skin_entry()) {
        return false;
    }
    clamp_skin_adjustments(hue, saturation, brightness);
    return skin_entry(
               skin_data.empty() ? nullptr : skin_data.data(), static_cast<int>(skin_data.size()),
               password.empty() ? nullptr : password.c_str(), hue, saturation, brightness) == 0;
}

}  // namespace velorin
