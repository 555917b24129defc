// The program-wide texts of start-up, released by exit_cleanup.
#pragma once

#include <string>

namespace velorin {

extern std::string program_version;  // "1.0" once start_up has begun
extern std::string latest_version;   // what the version page names

// Releases the program-wide texts; registered first thing at start, so it
// also runs after a refused start. Deletes no file.
void exit_cleanup();

}  // namespace velorin
