// How long one scroll step of the supporter list takes, painting included,
// for a short and a long caption. It reports and never judges: a step
// should cost the same whatever the caption's length.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ui/control_records.h"
#include "ui/load_window.h"
#include "ui/supporter_list.h"

namespace velorin {
namespace {

using namespace records;

constexpr int steps = 500;
constexpr char bench_title[] = "滚动测速";

control_access* bench_controls = nullptr;

void keep_controls(control_access& window) {
    bench_controls = &window;
}

// The support page's frame of the list, as the main window has it.
constexpr control_record controls[] = {
    group_box("分组框7", "", {25, 36, 192, 112}, "", button_face),
    label("标签20", "分组框7", {0, 7, 192, 296}, "", true),
};

constexpr window_record bench_window = {
    .title = bench_title,
    .outer_width = 260,
    .outer_height = 200,
    .on_created = keep_controls,
    .controls = controls,
};

// Names on lines, as a supporter page has them, up to the size in bytes.
std::string caption_of_size(std::size_t size) {
    std::string caption;
    for (int n = 0; caption.size() < size; ++n) {
        caption += "支持者" + std::to_string(n) + " 感谢\r\n";
    }
    caption.resize(size);
    return caption;
}

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count;
}

void paint_now(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void measure(HWND window, const char* name, std::size_t size) {
    const std::string caption = caption_of_size(size);
    const LARGE_INTEGER set_at = now();
    bench_controls->set_caption(supporter_label, caption);
    paint_now(window);
    const LARGE_INTEGER shown_at = now();
    int counter = 0;
    for (int i = 0; i < steps; ++i) {
        scroll_step(*bench_controls, counter);
        paint_now(window);
    }
    const LARGE_INTEGER done_at = now();
    std::printf("%-5s caption (%zu bytes): first paint %.3f ms, %.4f ms per scroll step\n", name,
                size, 1000 * seconds(set_at, shown_at), 1000 * seconds(shown_at, done_at) / steps);
}

}  // namespace
}  // namespace velorin

int main() {
    const INITCOMMONCONTROLSEX common = {sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    if (!velorin::load_window(velorin::bench_window) || !velorin::bench_controls) {
        std::puts("the window could not be built");
        return 1;
    }
    HWND window = GetForegroundWindow();
    // Two rounds: the first also pays for warming up the window system.
    for (int round = 0; round < 2; ++round) {
        velorin::measure(window, "1 KB", 1024);
        velorin::measure(window, "1 MB", 1024 * 1024);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    velorin::run_message_loop();
    std::fflush(stdout);
    return 0;
}
