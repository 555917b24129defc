#include "tests/e2e/driver.h"

#include <commctrl.h>
#include <png.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <ranges>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

#include "ui/control_id.h"

namespace velorin::e2e {

namespace {

using steady = std::chrono::steady_clock;

constexpr UINT chinese_code_page = 936;
constexpr milliseconds poll_interval{10};
// How long a read of another process's window may take before the program
// counts as hung.
constexpr UINT answer_time_limit_ms = 5000;
// Two captures this far apart that show the same are taken as final:
// Wine puts a window's painting on the screen once the program is idle.
constexpr milliseconds capture_settle_interval{50};
constexpr wchar_t message_box_class[] = L"#32770";
constexpr int message_box_text_id = 0xFFFF;

std::wstring wide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(chinese_code_page, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(chinese_code_page, 0, text.data(), size, result.data(), length);
    return result;
}

std::string narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(chinese_code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(chinese_code_page, 0, text.data(), size, result.data(), length, nullptr,
                        nullptr);
    return result;
}

// For a Win32 call that failed: the message with the call's error number.
[[noreturn]] void fail_win32(std::string_view what) {
    throw std::runtime_error(std::string(what) + " (Win32 error " + std::to_string(GetLastError()) +
                             ")");
}

void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Waits while still handling this thread's messages, which is where the
// answers to asynchronous sends arrive.
void pump_messages_for(milliseconds duration) {
    const auto end = steady::now() + duration;
    for (auto now = steady::now(); now < end; now = steady::now()) {
        const auto left = std::chrono::ceil<milliseconds>(end - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
        pump_messages();
    }
}

LRESULT send_and_wait(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(target, message, wparam, lparam, SMTO_ABORTIFHUNG,
                             answer_time_limit_ms, &result)) {
        fail_win32("window " + std::to_string(reinterpret_cast<std::uintptr_t>(target)) +
                   " did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

// A window's title as the system keeps it: reading it sends no message, so a
// busy program does not hold up a search through its windows.
std::wstring caption(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring class_of(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

struct process_windows {
    DWORD process_id;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_process_window(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<process_windows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process_id) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> top_level_windows(DWORD process_id) {
    process_windows search{process_id, {}};
    EnumWindows(collect_process_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collect_window(HWND window, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// Every window under the parent, however deep.
std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collect_window, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Message boxes exist, hidden, from the moment the program calls
// MessageBox until they show at the start of their own message loop.
std::vector<HWND> message_boxes(DWORD process_id) {
    auto boxes = top_level_windows(process_id);
    std::erase_if(boxes, [](HWND window) { return class_of(window) != message_box_class; });
    return boxes;
}

window wait_for_top_level(DWORD process_id, const std::function<bool(HWND)>& matches,
                          milliseconds timeout) {
    HWND found = nullptr;
    wait_until(
        [&] {
            for (HWND candidate : top_level_windows(process_id)) {
                if (IsWindowVisible(candidate) && matches(candidate)) {
                    found = candidate;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return window(found);
}

GUITHREADINFO input_state_of_thread(DWORD thread_id) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_id, &info);
    return info;
}

HWND focus_of_thread(DWORD thread_id) {
    return input_state_of_thread(thread_id).hwndFocus;
}

HWND active_of_thread(DWORD thread_id) {
    return input_state_of_thread(thread_id).hwndActive;
}

// Deliveries the program may not have finished handling yet. A message box
// holds up the handler that opened it until the box is dismissed.
struct pending_delivery {
    DWORD process_id;
    std::function<bool()> finished;
};

std::vector<pending_delivery>& pending_deliveries() {
    static std::vector<pending_delivery> deliveries;
    return deliveries;
}

std::set<ULONG_PTR>& unanswered_sends() {
    static std::set<ULONG_PTR> sends;
    return sends;
}

void CALLBACK send_answered(HWND, UINT, ULONG_PTR send_id, LRESULT) {
    unanswered_sends().erase(send_id);
}

std::function<bool()> send_async(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
    static ULONG_PTR last_send_id = 0;
    const ULONG_PTR send_id = ++last_send_id;
    unanswered_sends().insert(send_id);
    if (!SendMessageCallbackW(target, message, wparam, lparam, send_answered, send_id)) {
        unanswered_sends().erase(send_id);
        fail_win32("cannot send message " + std::to_string(message));
    }
    return [send_id, target] { return !unanswered_sends().contains(send_id) || !IsWindow(target); };
}

// Asynchronous sends refuse messages that carry pointers, so WM_SETTEXT
// goes from a thread of its own, which blocks while a message box is open.
std::function<bool()> send_text_async(HWND target, std::wstring text) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread([target, text = std::move(text), done] {
        SendMessageW(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        *done = true;
    }).detach();
    return [done] { return done->load(); };
}

// A thread handles posted messages and input before it repaints, so once a
// window invalidated after posting has repainted, what was posted before
// has been handled. The window is the target, or its top-level window when
// the target has nothing to repaint.
std::function<bool()> repainted_after_posting(HWND target) {
    for (HWND candidate : {target, GetAncestor(target, GA_ROOT)}) {
        if (!IsWindowVisible(candidate)) {
            continue;
        }
        InvalidateRect(candidate, nullptr, FALSE);
        if (GetUpdateRect(candidate, nullptr, FALSE)) {
            return [candidate] {
                return !IsWindow(candidate) || !IsWindowVisible(candidate) ||
                       IsIconic(GetAncestor(candidate, GA_ROOT)) ||
                       !GetUpdateRect(candidate, nullptr, FALSE);
            };
        }
    }
    return [] { return true; };
}

// Waits until the program has finished (as the predicate tells), or a
// message box not among those open before has appeared. A box that exists
// but does not show yet means the handler is about to wait in it.
outcome await(DWORD process_id, const std::vector<HWND>& boxes_before,
              const std::function<bool()>& finished, milliseconds timeout) {
    outcome result = outcome::timed_out;
    wait_until(
        [&] {
            bool box_opening = false;
            for (HWND box : message_boxes(process_id)) {
                if (std::ranges::find(boxes_before, box) != boxes_before.end()) {
                    continue;
                }
                if (IsWindowVisible(box)) {
                    result = outcome::message_box;
                    return true;
                }
                box_opening = true;
            }
            if (!box_opening && finished()) {
                result = outcome::handled;
                return true;
            }
            return false;
        },
        timeout);
    return result;
}

outcome deliver(HWND target, const std::function<std::function<bool()>()>& start,
                milliseconds timeout) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(target, &process_id);
    if (process_id == 0) {
        throw std::runtime_error("no window to deliver to");
    }
    const auto boxes_before = message_boxes(process_id);
    auto finished = start();
    std::erase_if(pending_deliveries(), [](const pending_delivery& d) { return d.finished(); });
    pending_deliveries().push_back({process_id, finished});
    return await(process_id, boxes_before, finished, timeout);
}

outcome deliver_async(HWND target, UINT message, WPARAM wparam, LPARAM lparam,
                      milliseconds timeout) {
    return deliver(
        target, [&] { return send_async(target, message, wparam, lparam); }, timeout);
}

bool deliveries_finished(DWORD process_id) {
    return std::ranges::all_of(pending_deliveries(), [process_id](const pending_delivery& d) {
        return d.process_id != process_id || d.finished();
    });
}

LPARAM key_lparam(WORD virtual_key, bool release) {
    const UINT scan_code = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
    LPARAM lparam = 1 | static_cast<LPARAM>(scan_code << 16);
    if (release) {
        lparam |= static_cast<LPARAM>((1u << 30) | (1u << 31));
    }
    return lparam;
}

INPUT key_input(WORD virtual_key, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

struct handle_closer {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using unique_handle = std::unique_ptr<void, handle_closer>;

// A RECT in the memory of the process that owns a window, for messages
// whose answer the system does not copy across processes.
class remote_rect {
  public:
    explicit remote_rect(HWND owner) {
        DWORD process_id = 0;
        GetWindowThreadProcessId(owner, &process_id);
        process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, process_id));
        if (!process_) {
            fail_win32("cannot open the window's process");
        }
        address_ = VirtualAllocEx(process_.get(), nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
        if (address_ == nullptr) {
            fail_win32("cannot allocate memory in the window's process");
        }
    }
    remote_rect(const remote_rect&) = delete;
    remote_rect& operator=(const remote_rect&) = delete;
    ~remote_rect() { VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE); }

    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }

    RECT read() const {
        RECT value{};
        if (!ReadProcessMemory(process_.get(), address_, &value, sizeof value, nullptr)) {
            fail_win32("cannot read the window's process memory");
        }
        return value;
    }

  private:
    unique_handle process_;
    void* address_ = nullptr;
};

RECT tab_item_rect(HWND tab, int index) {
    const remote_rect item(tab);
    if (!send_and_wait(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), item.address())) {
        throw std::runtime_error("the tab control has no item " + std::to_string(index));
    }
    return item.read();
}

rect from_win32(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::string to_text(const rect& area) {
    std::ostringstream text;
    text << area;
    return text.str();
}

bool painted(HWND top_level) {
    auto windows = descendants(top_level);
    windows.push_back(top_level);
    return std::ranges::none_of(windows, [](HWND window) {
        return IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
    });
}

}  // namespace

std::string windows_path(std::string_view path) {
    if (!path.starts_with('/')) {
        return std::string(path);
    }
    std::string converted = "Z:" + std::string(path);
    std::ranges::replace(converted, '/', '\\');
    return converted;
}

std::string calculator_path() {
    return windows_path(VELORIN_EXE);
}

bool wait_until(const std::function<bool()>& condition, milliseconds timeout) {
    const auto deadline = steady::now() + timeout;
    while (!condition()) {
        if (steady::now() >= deadline) {
            return false;
        }
        pump_messages_for(poll_interval);
    }
    return true;
}

std::ostream& operator<<(std::ostream& out, outcome value) {
    switch (value) {
        case outcome::handled:
            return out << "handled";
        case outcome::message_box:
            return out << "message box";
        case outcome::timed_out:
            return out << "timed out";
    }
    return out << "outcome " << static_cast<int>(value);
}

std::ostream& operator<<(std::ostream& out, const rect& value) {
    return out << "(" << value.left << ", " << value.top << ")-(" << value.right << ", "
               << value.bottom << ") " << value.width() << "x" << value.height();
}

bool window::exists() const {
    return IsWindow(handle_) != FALSE;
}

DWORD window::process_id() const {
    DWORD id = 0;
    GetWindowThreadProcessId(handle_, &id);
    return id;
}

window window::parent() const {
    HWND parent = GetAncestor(handle_, GA_PARENT);
    return window(parent == GetDesktopWindow() ? nullptr : parent);
}

window window::top_level() const {
    return window(GetAncestor(handle_, GA_ROOT));
}

window window::control(std::string_view name) const {
    const int id = velorin::control_id(name);
    if (id == 0) {
        throw std::invalid_argument("not a control name: " + std::string(name));
    }
    const window found = control_with_id(id);
    if (!found) {
        throw std::runtime_error("no control " + std::string(name) + " under " +
                                 narrow(class_of(handle_)));
    }
    return found;
}

window window::control_with_id(int id) const {
    for (HWND candidate : descendants(handle_)) {
        if (GetDlgCtrlID(candidate) == id) {
            return window(candidate);
        }
    }
    return {};
}

std::string window::text() const {
    const auto length = static_cast<std::size_t>(send_and_wait(handle_, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied =
        send_and_wait(handle_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return narrow(text);
}

std::string window::class_name() const {
    return narrow(class_of(handle_));
}

outcome window::paste(std::string_view text, milliseconds timeout) const {
    return deliver(
        handle_, [&] { return send_text_async(handle_, wide(text)); }, timeout);
}

outcome window::type(std::string_view text, milliseconds timeout) const {
    for (const wchar_t character : wide(text)) {
        const outcome result = deliver_async(handle_, WM_CHAR, character, 1, timeout);
        if (result != outcome::handled) {
            return result;
        }
    }
    return outcome::handled;
}

outcome window::click(milliseconds timeout) const {
    return deliver_async(handle_, BM_CLICK, 0, 0, timeout);
}

outcome window::press(WORD virtual_key, milliseconds timeout) const {
    return deliver(
        handle_,
        [&] {
            if (!PostMessageW(handle_, WM_KEYDOWN, virtual_key, key_lparam(virtual_key, false)) ||
                !PostMessageW(handle_, WM_KEYUP, virtual_key, key_lparam(virtual_key, true))) {
                fail_win32("cannot post a key press");
            }
            return repainted_after_posting(handle_);
        },
        timeout);
}

outcome window::send_keys(std::initializer_list<WORD> keys, milliseconds timeout) const {
    focus();
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        inputs.push_back(key_input(key, false));
    }
    for (const WORD key : std::views::reverse(keys)) {
        inputs.push_back(key_input(key, true));
    }
    return deliver(
        handle_,
        [&] {
            const auto count = static_cast<UINT>(inputs.size());
            if (SendInput(count, inputs.data(), sizeof(INPUT)) != count) {
                fail_win32("cannot send keyboard input");
            }
            return repainted_after_posting(handle_);
        },
        timeout);
}

void window::focus() const {
    HWND top = GetAncestor(handle_, GA_ROOT);
    const DWORD thread = GetWindowThreadProcessId(handle_, nullptr);
    SetForegroundWindow(top);
    if (!wait_until(
            [&] { return GetForegroundWindow() == top && active_of_thread(thread) == top; })) {
        throw std::runtime_error("the window did not come to the foreground");
    }
    // Only a thread that shares the window's input state may move its focus.
    const DWORD own_thread = GetCurrentThreadId();
    if (!AttachThreadInput(own_thread, thread, TRUE)) {
        fail_win32("cannot share the window's input state");
    }
    SetFocus(handle_);
    AttachThreadInput(own_thread, thread, FALSE);
    if (!wait_until([&] { return focus_of_thread(thread) == handle_; })) {
        throw std::runtime_error("the window did not take the focus");
    }
}

void window::close() const {
    if (!PostMessageW(handle_, WM_CLOSE, 0, 0)) {
        fail_win32("cannot post WM_CLOSE");
    }
}

int window::tab_count() const {
    return static_cast<int>(send_and_wait(handle_, TCM_GETITEMCOUNT, 0, 0));
}

int window::selected_tab() const {
    return static_cast<int>(send_and_wait(handle_, TCM_GETCURSEL, 0, 0));
}

outcome window::select_tab(int index, milliseconds timeout) const {
    const RECT item = tab_item_rect(handle_, index);
    const LPARAM centre = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    const outcome pressed = deliver_async(handle_, WM_LBUTTONDOWN, MK_LBUTTON, centre, timeout);
    if (pressed != outcome::handled) {
        return pressed;
    }
    return deliver_async(handle_, WM_LBUTTONUP, 0, centre, timeout);
}

rect window::outer_rect() const {
    RECT r{};
    if (!GetWindowRect(handle_, &r)) {
        fail_win32("no window rectangle");
    }
    return from_win32(r);
}

rect window::rect_in_parent() const {
    RECT r{};
    if (!GetWindowRect(handle_, &r)) {
        fail_win32("no window rectangle");
    }
    MapWindowPoints(nullptr, GetAncestor(handle_, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return from_win32(r);
}

bool window::visible() const {
    return IsWindowVisible(handle_) != FALSE;
}

bool window::enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}

bool window::iconic() const {
    return IsIconic(handle_) != FALSE;
}

bool window::topmost() const {
    return (extended_style() & WS_EX_TOPMOST) != 0;
}

LONG_PTR window::extended_style() const {
    return GetWindowLongPtrW(handle_, GWL_EXSTYLE);
}

std::ostream& operator<<(std::ostream& out, const window& value) {
    return out << "window " << std::hex << reinterpret_cast<std::uintptr_t>(value.handle())
               << std::dec << " (" << value.class_name() << ")";
}

program program::start(std::string_view path, std::string_view arguments,
                       std::string_view working_directory) {
    const std::wstring application = wide(windows_path(path));
    std::wstring command_line = L"\"" + application + L"\"";
    if (!arguments.empty()) {
        command_line += L" " + wide(arguments);
    }
    const std::wstring directory = wide(windows_path(working_directory));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(application.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, directory.empty() ? nullptr : directory.c_str(), &startup,
                        &started)) {
        fail_win32("cannot start " + std::string(path));
    }
    CloseHandle(started.hThread);
    return program(started.hProcess, started.dwProcessId, started.dwThreadId);
}

program::program(program&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      id_(other.id_),
      thread_id_(other.thread_id_),
      main_window_(other.main_window_) {}

program& program::operator=(program&& other) noexcept {
    if (this != &other) {
        kill();
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
        process_ = std::exchange(other.process_, nullptr);
        id_ = other.id_;
        thread_id_ = other.thread_id_;
        main_window_ = other.main_window_;
    }
    return *this;
}

program::~program() {
    kill();
    if (process_ != nullptr) {
        CloseHandle(process_);
    }
}

bool program::running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> program::wait_for_exit(milliseconds timeout) const {
    DWORD code = 0;
    if (!wait_until([this] { return !running(); }, timeout) ||
        !GetExitCodeProcess(process_, &code)) {
        return std::nullopt;
    }
    return code;
}

void program::kill() {
    if (running()) {
        TerminateProcess(process_, killed_exit_code);
        WaitForSingleObject(process_, answer_time_limit_ms);
    }
}

std::vector<window> program::windows() const {
    std::vector<window> shown;
    for (HWND candidate : top_level_windows(id_)) {
        if (IsWindowVisible(candidate)) {
            shown.emplace_back(candidate);
        }
    }
    return shown;
}

window program::wait_for_window(std::string_view title, milliseconds timeout) const {
    const std::wstring wanted = wide(title);
    return wait_for_top_level(
        id_, [&](HWND candidate) { return caption(candidate) == wanted; }, timeout);
}

window program::wait_for_window_of_class(std::string_view class_name, milliseconds timeout) const {
    const std::wstring wanted = wide(class_name);
    return wait_for_top_level(
        id_, [&](HWND candidate) { return class_of(candidate) == wanted; }, timeout);
}

window program::wait_for_main_window(std::string_view title, milliseconds timeout) {
    main_window_ = wait_for_window(title, timeout);
    // The window shows before the program has activated it and set its
    // focus; input and focus changes before then would be overridden.
    if (main_window_ && WaitForInputIdle(process_, static_cast<DWORD>(timeout.count())) != 0) {
        main_window_ = window();
    }
    return main_window_;
}

window program::control(std::string_view name) const {
    if (!main_window_) {
        throw std::logic_error("control " + std::string(name) +
                               " asked for before the main window was found");
    }
    return main_window_.control(name);
}

window program::focused() const {
    const DWORD thread =
        main_window_ ? GetWindowThreadProcessId(main_window_.handle(), nullptr) : thread_id_;
    return window(focus_of_thread(thread));
}

std::optional<message_box_info> program::message_box() const {
    for (HWND box : message_boxes(id_)) {
        if (!IsWindowVisible(box)) {
            continue;
        }
        message_box_info info{window(box), narrow(caption(box)), {}, {}};
        if (const window text = info.box.control_with_id(message_box_text_id)) {
            info.text = text.text();
        }
        for (HWND child : descendants(box)) {
            if (IsWindowVisible(child) && class_of(child) == L"Button") {
                info.buttons.push_back(narrow(caption(child)));
            }
        }
        return info;
    }
    return std::nullopt;
}

std::optional<message_box_info> program::wait_for_message_box(milliseconds timeout) const {
    std::optional<message_box_info> found;
    wait_until(
        [&] {
            found = message_box();
            return found.has_value();
        },
        timeout);
    return found;
}

bool program::wait_until_no_message_box(milliseconds timeout) const {
    return wait_until([this] { return !message_box(); }, timeout);
}

outcome program::dismiss_message_box(milliseconds timeout) const {
    const auto open = message_box();
    if (!open) {
        throw std::logic_error("no message box to dismiss");
    }
    const window ok = open->box.control_with_id(IDOK);
    if (!ok) {
        throw std::runtime_error("the message box has no OK button");
    }
    const auto boxes_before = message_boxes(id_);
    if (const outcome clicked = ok.click(timeout); clicked != outcome::handled) {
        return clicked;
    }
    HWND box = open->box.handle();
    if (!wait_until([box] { return !IsWindow(box) || !IsWindowVisible(box); }, timeout)) {
        return outcome::timed_out;
    }
    return await(
        id_, boxes_before, [this] { return deliveries_finished(id_); }, timeout);
}

::testing::AssertionResult no_message_box_open(const program& app) {
    const auto box = app.message_box();
    if (!box) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "a message box is open: \"" << box->title << "\", \"" << box->text << "\"";
}

std::ostream& operator<<(std::ostream& out, const color& value) {
    return out << "rgb(" << int{value.red} << ", " << int{value.green} << ", " << int{value.blue}
               << ")";
}

color image::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        throw std::out_of_range("pixel outside the image");
    }
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)) *
                    4;
    return {bgra[at + 2], bgra[at + 1], bgra[at]};
}

image capture_screen(const rect& area) {
    image picture{area.width(), area.height(), {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top,
                        SRCCOPY | CAPTUREBLT) != FALSE;
        GdiFlush();
        const auto* first = static_cast<const std::uint8_t*>(bits);
        picture.bgra.assign(first, first + static_cast<std::size_t>(picture.width) *
                                               static_cast<std::size_t>(picture.height) * 4);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) {
        throw std::runtime_error("cannot copy the screen area " + to_text(area));
    }
    // The screen has no alpha channel: every pixel is opaque.
    for (std::size_t alpha = 3; alpha < picture.bgra.size(); alpha += 4) {
        picture.bgra[alpha] = 255;
    }
    return picture;
}

image capture(const window& top_level, milliseconds timeout) {
    const auto deadline = steady::now() + timeout;
    wait_until([&] { return painted(top_level.handle()); }, timeout);
    image last = capture_screen(top_level.outer_rect());
    for (;;) {
        pump_messages_for(capture_settle_interval);
        image next = capture_screen(top_level.outer_rect());
        if (next.bgra == last.bgra || steady::now() >= deadline) {
            return next;
        }
        last = std::move(next);
    }
}

bool save_png(const image& picture, const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(picture.width);
    png.height = static_cast<png_uint_32>(picture.height);
    png.format = PNG_FORMAT_BGRA;
    return png_image_write_to_file(&png, path.c_str(), 0, picture.bgra.data(),
                                   static_cast<png_int_32>(picture.width * 4), nullptr) != 0;
}

std::string screenshot_path(std::string_view file_name) {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"VELORIN_SCREENSHOTS", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::string(file_name);
    }
    const std::string directory = windows_path(narrow(folder));
    std::filesystem::create_directories(std::filesystem::path(wide(directory)));
    return directory + "\\" + std::string(file_name);
}

}  // namespace velorin::e2e
