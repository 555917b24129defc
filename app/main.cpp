// Program entry: the version gate, the main window, and the message loop
// until the program's last window has closed.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "app/program_texts.h"
#include "app/start_up.h"
#include "skin/skin_library.h"
#include "ui/load_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // No library planted beside the .exe is loaded in place of a system one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    std::atexit(velorin::exit_cleanup);
    velorin::skin_library_folder = velorin::temporary_folder();
    velorin::start_up();
    velorin::run_message_loop();
    return 0;
}
