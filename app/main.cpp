// Program entry: builds the main window and runs until the program's last
// window has closed.
#include <windows.h>

#include <commctrl.h>

#include "ui/load_window.h"
#include "ui/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    velorin::load_window(velorin::main_window);
    velorin::run_message_loop();
    return 0;
}
