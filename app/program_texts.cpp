#include "app/program_texts.h"

namespace velorin {

std::string program_version;
std::string latest_version;

void exit_cleanup() {
    program_version.clear();
    program_version.shrink_to_fit();
    latest_version.clear();
    latest_version.shrink_to_fit();
}

}  // namespace velorin
