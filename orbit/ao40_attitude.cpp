#include "orbit/ao40_attitude.h"

#include <vector>

#include "common/number_text.h"
#include "orbit/element_download.h"
#include "platform/http.h"

namespace torv {

namespace {

constexpr int kLinesExamined = 301;
constexpr std::string_view kKey = "ALON/ALAT";

void not_found(std::string& alat, std::string& alon, int16_t& error) {
    alat = "0";
    alon = "0";
    error = -1;
}

std::string leading_number(const std::string& t) {
    const size_t end = t.find_first_not_of("0123456789.-");
    return t.substr(0, end);
}

}  // namespace

void parse_ao40_attitude(const std::string& page, std::string& ao40_alat, std::string& ao40_alon,
                         int16_t& ao40_attitude_error) {
    const std::vector<std::string> lines = download_lines(page, /*keep_carriage_returns=*/true);
    for (int n = 1; n <= kLinesExamined; ++n) {
        static const std::string empty;
        const std::string& line = static_cast<size_t>(n) <= lines.size() ? lines[n - 1] : empty;
        const size_t p = line.find(kKey);
        if (p == std::string::npos) continue;
        // Past the key and the one character after it (a colon).
        const std::string r = line.substr(std::min(line.size(), p + kKey.size() + 1));
        const size_t k = r.find('/');
        std::string t = trim(r);
        if (k != std::string::npos) {
            ao40_alon = trim(r.substr(0, k));
            t = trim(r.substr(k + 1));
        }
        ao40_alat = leading_number(t);
        ao40_attitude_error = 0;
        return;
    }
    not_found(ao40_alat, ao40_alon, ao40_attitude_error);
}

void ao40_attitude_fetch(int16_t& ao40_attitude_fetched, std::string& ao40_alat, std::string& ao40_alon,
                         int16_t& ao40_attitude_error, const std::string& url, std::chrono::milliseconds timeout) {
    if (ao40_attitude_fetched == 1) return;
    // A view asking while an element download runs gets no attitude this time, but
    // keeps its one fetch for later.
    if (platform::http_busy()) {
        not_found(ao40_alat, ao40_alon, ao40_attitude_error);
        return;
    }
    ao40_attitude_fetched = 1;
    const platform::HttpResult r = platform::http_get(url, platform::HttpOptions{timeout});
    if (!r.ok) {
        not_found(ao40_alat, ao40_alon, ao40_attitude_error);
        return;
    }
    parse_ao40_attitude(r.body, ao40_alat, ao40_alon, ao40_attitude_error);
}

}  // namespace torv
