// Program entry: the version gate, the main window, and the message loop
// until the program's last window has closed.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "app/program_texts.h"
#include "app/start_up.h"
#include "ui/load_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    std::atexit(velorin::exit_cleanup);
    velorin::start_up();
    velorin::run_message_loop();
    return 0;
}
