#include "app/start_up.h"

#include "app/maker.h"
#include "app/program_texts.h"
#include "net/fetch_page.h"
#include "net/text_between.h"
#include "skin/skin_library.h"
#include "ui/load_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace velorin {

namespace {

constexpr std::string_view version_page = MAKER_SITE "/version.html";
constexpr std::string_view version_start_marker = "最新版本=";
constexpr std::string_view version_end_marker = "<";
constexpr std::string_view update_message = "当前版本已更新，下载地址QQ群：" MAKER_CHAT_GROUP "！";

}  // namespace

void read_latest_version(std::string_view address) {
    const std::string page = fetch_page_text(address);
    latest_version = text_between(page, version_start_marker, version_end_marker);
}

void start_up() {
    program_version = "1.0";
    read_latest_version(version_page);
    // Byte for byte: any difference, newer or older, asks for the update.
    if (program_version != latest_version) {
        show_message_box(update_message);
        return;
    }
    // The program works the same without its skin: the result is not needed.
    attach_skin(embedded_skin(), "");
    load_window(main_window);
}

}  // namespace velorin
