#include "common/web_pages.h"

#include "common/settings_store.h"
#include "platform/browser.h"
#include "platform/msg_box.h"

namespace torv {

bool open_web_page(const std::string& url) {
    if (platform::open_url(QString::fromStdString(url))) return true;
    platform::msg_box("ホームページを表示できません。ブラウザが見つかりません。\n" + url);
    return false;
}

void open_sat_url(const std::string& sat_name) {
    const std::string url = ini_read_or(Section{"SAT-URL"}, Key{sat_name}, "", torv_ini());
    if (url.empty()) platform::msg_box(std::string("人工衛星のＵＲＬが登録されていません"));
    else open_web_page(url);
}

}  // namespace torv
