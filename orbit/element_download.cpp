#include "orbit/element_download.h"

#include "common/cp932.h"
#include "common/datetime.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "orbit/call_if_set.h"
#include "orbit/element_file_io.h"
#include "orbit/element_stamps.h"
#include "platform/http.h"

namespace torv {

namespace {

constexpr double kListPeriodHours = 2;

const std::string kFailureTail = " が正常稼動していない可能性があります。確認してください";
const std::string kFailureHead = "インターネットと接続されていないか、接続先のＵＲＬ:";

// One of the three file downloads.
struct FileSource {
    const std::string& url;
    const char* tmp;
    const char* element;
    const char* status_start;
    const char* status_end;
    const char* status_failed;
    const char* message_prefix;
};

enum class Fetch { Skipped, Replaced, Failed };

std::string display(const std::string& bytes) { return cp932_to_utf8(bytes); }


DateTime now_datetime(const platform::ClockReading& c) {
    return make_datetime({c.year, c.month, c.day, c.hour, c.minute, c.second});
}

std::string failure_message(const std::string& prefix, const std::string& url, const std::string& reason) {
    return prefix + kFailureHead + url + kFailureTail + "\n（" + reason + "）";
}

// Fetches url; on success the lines of the body, else the reason and no line: a failed
// answer is neither listed nor kept.
bool fetch_lines(const std::string& url, const ElementDownloadOptions& options, std::vector<std::string>& lines,
                 std::string& reason) {
    const platform::HttpResult r = platform::http_get(url, platform::HttpOptions{options.timeout});
    if (!r.ok) {
        reason = r.error;
        return false;
    }
    lines = download_lines(r.body);
    return true;
}

class Run {
public:
    Run(const ElementSources& sources, ElementUpdateState& state, const ElementDownloadView& view,
        const ElementDownloadOptions& options)
        : sources_(sources), state_(state), view_(view), options_(options), now_(options.now) {}

    ElementDownloadOutcome go() {
        if (!bulletin()) return outcome_;
        if (lists_due()) lists();
        if (sources_.kidou_url2_sw == "1") fixed();
        finish();
        return outcome_;
    }

private:
    std::string path(const char* name) const { return options_.folder + "/" + name; }

    void status(const std::string& text) { call_if_set(view_.set_status, text); }

    bool replace(const char* tmp, const char* element, const std::vector<std::string>& lines) {
        if (!replace_file_lines(path(tmp), path(element), lines)) return false;
        outcome_.replaced.push_back(element);
        return true;
    }

    // The bulletin; false ends the run.
    bool bulletin() {
        if (sources_.bulletin_url.empty()) {
            call_if_set(view_.message, "TORV.ELM の取得先ＵＲＬが登録されていないため、取得しませんでした。");
            return true;
        }
        status("軌道要素取得中（ＡＭＳＡＴ）");
        std::vector<std::string> lines;
        std::string reason;
        const bool fetched = fetch_lines(sources_.bulletin_url, options_, lines, reason);
        BulletinParse parse = parse_bulletin(lines, sources_.bulletin_hdr, sources_.bulletin_line);
        for (const std::string& l : parse.listed) call_if_set(view_.list_add, display(l));
        if (!parse.header_message.empty()) call_if_set(view_.set_header_message, parse.header_message);
        if (fetched && !parse.complete) reason = "受信したデータが終了行の前で終わっています";
        else if (fetched && !holds_element_sets(parse.elements)) reason = "受信したデータに軌道要素がありません";
        if (reason.empty() && !replace("TORV.tmp", "TORV.ELM", parse.elements)) reason = "TORV.ELM を書き換えられません";
        if (!reason.empty()) {
            outcome_.failed.push_back("TORV.ELM");
            status("軌道要素取得失敗（ＡＭＳＡＴ）");
            call_if_set(view_.message, failure_message("c1-", sources_.bulletin_url, reason));
            return false;
        }
        state_.kidoukousin_orbit = parse.tag;
        status("軌道要素正常取得（ＡＭＳＡＴ）");
        return true;
    }

    bool lists_due() const {
        const auto stamp = parse_stamp(state_.kidoukousin_yymmdd);
        return !stamp || add_hours(*stamp, kListPeriodHours) < now_datetime(now_);
    }

    void lists() {
        const Fetch norad = file({sources_.kidou_url3, "TORV_NORAD.tmp", "TORV_NORAD.ELM", "軌道要素取得開始（ＮＯＲＡＤ）",
                                  "軌道要素正常取得（NORAD）", "軌道要素取得失敗（NORAD）", ""});
        const Fetch fresh = file({sources_.kidou_url1, "TORV_NORAD_NEW.tmp", "TORV_NORAD_NEW.ELM",
                                  "軌道要素取得開始（ＮＯＲＡＤ－ＮＥＷ）", "軌道要素取得完了", "軌道要素取得失敗（NORAD-NEW）", ""});
        // The lists are fetched at most every two hours; the stamp says when they all arrived.
        const bool any = norad == Fetch::Replaced || fresh == Fetch::Replaced;
        if (any && norad != Fetch::Failed && fresh != Fetch::Failed) {
            state_.kidoukousin_yymmdd = stamp_text(now_);
            ini_write(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, state_.kidoukousin_yymmdd, options_.ini);
        }
    }

    void fixed() {
        if (sources_.kidou_url2.empty()) {
            call_if_set(view_.message, "torv_solid.elm の取得先ＵＲＬが登録されていないため、取得しませんでした。");
            return;
        }
        file({sources_.kidou_url2, "torv_solid_new.tmp", "torv_solid.elm", "軌道要素取得開始（TORV_SOLID-NEW）",
              "軌道要素取得完了", "軌道要素取得失敗（TORV_SOLID-NEW）", "f4-"});
    }

    // One file download; an empty address is skipped.
    Fetch file(const FileSource& s) {
        if (s.url.empty()) return Fetch::Skipped;
        status(s.status_start);
        std::vector<std::string> lines;
        std::string reason;
        const bool fetched = fetch_lines(s.url, options_, lines, reason);
        for (const std::string& l : lines) call_if_set(view_.list_add, display(l));
        if (fetched && !holds_element_sets(lines)) reason = "受信したデータに軌道要素がないか、途中で終わっています";
        if (reason.empty() && !replace(s.tmp, s.element, lines)) reason = std::string(s.element) + " を書き換えられません";
        if (!reason.empty()) {
            outcome_.failed.push_back(s.element);
            status(s.status_failed);
            call_if_set(view_.message, failure_message(s.message_prefix, s.url, reason));
            return Fetch::Failed;
        }
        status(s.status_end);
        return Fetch::Replaced;
    }

    void finish() {
        if (outcome_.replaced.empty()) return;
        state_.elm_updated = 1;
        const bool complete = outcome_.failed.empty();
        if (complete) state_.kidoukousin_yymmdd = stamp_text(now_);
        call_if_set(view_.set_stamp_label, element_date_caption(state_), complete);
        if (complete) return;
        status("軌道要素の一部を取得できませんでした");
        call_if_set(view_.message, "軌道要素の一部を取得できませんでした。\n更新したファイル：" + joined(outcome_.replaced) +
                      "\n更新できなかったファイル：" + joined(outcome_.failed));
    }

    static std::string joined(const std::vector<std::string>& names) {
        std::string s;
        for (const std::string& n : names) s += (s.empty() ? "" : "、") + n;
        return s;
    }

    const ElementSources& sources_;
    ElementUpdateState& state_;
    const ElementDownloadView& view_;
    const ElementDownloadOptions& options_;
    const platform::ClockReading now_;
    ElementDownloadOutcome outcome_;
};

}  // namespace

ElementDownloadOutcome run_element_download(const ElementSources& sources, ElementUpdateState& state,
                                            const ElementDownloadView& view, const ElementDownloadOptions& options) {
    return Run(sources, state, view, options).go();
}

}  // namespace torv
