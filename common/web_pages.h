#pragma once
#include <string>

// Web pages in the operator's browser.
namespace torv {

// Hands the page to the desktop's browser and returns at once: the windows keep
// running while it loads. When no browser can be started, a message box says so.
// Returns whether the page was handed over.
bool open_web_page(const std::string& url);

// Opens the home page stored for the satellite ([SAT-URL]); without one, shows
// "人工衛星のＵＲＬが登録されていません".
void open_sat_url(const std::string& sat_name);

}  // namespace torv
