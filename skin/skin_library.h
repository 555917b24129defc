// Deploying the skin engine library that the program carries, and attaching
// the carried skin. Every failure is silent: the program then runs with the
// system's look.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

// The folder that holds the library file, normally ending in "\". The
// program entry sets it to temporary_folder(); deploy_skin_library may
// replace it.
extern std::string skin_library_folder;

inline constexpr char skin_library_name[] = "SkinH_EL.dll";

// The user's temporary folder ending in "\", or "" when it is not known.
std::string temporary_folder();

// The library image and the skin carried in the program's resources.
std::string_view embedded_library_image();
std::string_view embedded_skin();

// Makes sure the library file with the carried image is in place, loads it
// and hands it the skin. True when the engine accepted the skin.
bool attach_skin(std::string_view skin_data, const std::string& password, int hue = 0,
                 int saturation = 0, int brightness = 0);

// True when a library file with the carried image's contents is in place.
bool ensure_skin_library();
// Writes the carried image into skin_library_folder (or into the temporary
// folder when that is no folder), hidden. True when the file was written.
bool deploy_skin_library();
// Exactly when PathIsDirectoryA gives FILE_ATTRIBUTE_DIRECTORY.
bool is_directory(const std::string& path);
// Loads the library file and finds its entry. True when both succeed.
bool bind_skin_entry();

}  // namespace velorin
