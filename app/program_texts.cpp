#include "app/program_texts.h"

#include "skin/skin_library.h"
#include "ui/supporter_list.h"

namespace velorin {

std::string program_version;
std::string latest_version;

namespace {

void release(std::string& text) {
    text.clear();
    text.shrink_to_fit();
}

}  // namespace

void exit_cleanup() {
    release(program_version);
    release(latest_version);
    release(skin_library_folder);
    release_supporter_text();
}

}  // namespace velorin
