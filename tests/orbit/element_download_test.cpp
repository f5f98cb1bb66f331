#include "orbit/element_download.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/settings_store.h"
#include "support/element_test_folder.h"
#include "orbit/element_file_io.h"
#include "support/local_http_server.h"

using namespace torv;
using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using Reply = LocalHttpServer::Reply;

namespace {

Lines lines_of(const std::string& text) { return download_lines(text); }

std::string joined_crlf(const Lines& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\r\n";
    return s;
}

TEST(DownloadLines, LineFeedsCarriageReturnsAndLongLines) {
    EXPECT_EQ(download_lines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(download_lines("a\nlast"), (Lines{"a", "last"}));
    EXPECT_EQ(download_lines("a\n\nb\n"), (Lines{"a", "", "b"}));
    const Lines cut = download_lines(std::string(300, 'x') + "\n");
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0].size(), 257u);
    EXPECT_EQ(cut[1].size(), 43u);
    EXPECT_EQ(download_lines("v\r\n", /*keep_carriage_returns=*/true), (Lines{"v\r"}));
}

TEST(TakeBulletinId, FiveCharactersAfterOrb) {
    EXPECT_EQ(take_bulletin_id("SB KEPS @ AMSAT  $ORB25123.N more text"), "25123");
    EXPECT_EQ(take_bulletin_id("xx $ORB251"), "251");
    EXPECT_EQ(take_bulletin_id("SB KEPS @ AMSAT"), "KEPS ");
}

TEST(ParseBulletin, HeaderFoundAtLineTwelveElementsFromLineFourteen) {
    const BulletinParse b = parse_bulletin(lines_of(ElementTestFolder::fixture("nasa.all")), "For more", "20");
    EXPECT_EQ(b.tag, "25123");
    EXPECT_TRUE(b.complete);
    EXPECT_TRUE(b.header_message.empty());
    ASSERT_EQ(b.elements.size(), 9u);
    EXPECT_EQ(b.elements[0], "AO-51");
    EXPECT_EQ(b.listed.front(), "1 SB KEPS @ AMSAT  $ORB25123.N");
    EXPECT_EQ(b.listed[12], "13 DECODE 2-LINE ELSETS WITH THE FOLLOWING KEY:");
    EXPECT_EQ(b.listed.back(), "/EX");
}

TEST(ParseBulletin, HeaderKeyNotFoundCopiesFromLineTwentyThree) {
    Lines body;
    for (int i = 1; i <= 22; ++i) body.push_back("header " + std::to_string(i));
    body.insert(body.end(), {"SAT", "1 x", "2 x", "/EX trailing text"});
    const BulletinParse b = parse_bulletin(body, "For more", "20");
    EXPECT_EQ(b.header_message, "軌道要素のヘッダー部は20 行目が最終行です。");
    EXPECT_EQ(b.elements, (Lines{"SAT", "1 x", "2 x"}));
    EXPECT_TRUE(b.complete);
}

TEST(ParseBulletin, ShortKeyMatchesOnlyTheWholeLineAndDataMustReachTheEnd) {
    const BulletinParse exact = parse_bulletin({"$ORB00001", "KEYS more", "KEYS", "skip", "A", ""}, "KEYS", "20");
    EXPECT_EQ(exact.elements, (Lines{"A"}));
    EXPECT_TRUE(exact.complete);
    const BulletinParse cut = parse_bulletin({"$ORB00001", "KEYS", "skip", "A", "1 x"}, "KEYS", "20");
    EXPECT_FALSE(cut.complete);
}

TEST(HoldsElementSets, WholeWellFormedSetsOnly) {
    const Lines good = lines_of(ElementTestFolder::fixture("norad.txt"));
    EXPECT_TRUE(holds_element_sets(good));
    Lines trailing_blank = good;
    trailing_blank.push_back("");
    EXPECT_TRUE(holds_element_sets(trailing_blank));
    Lines cut_mid_line = good;
    cut_mid_line.back().resize(40);
    EXPECT_FALSE(holds_element_sets(cut_mid_line));
    Lines cut_after_line1(good.begin(), good.end() - 1);
    EXPECT_FALSE(holds_element_sets(cut_after_line1));
    Lines other_satellite = good;
    other_satellite.back().replace(2, 5, "99999");
    EXPECT_FALSE(holds_element_sets(other_satellite));
    EXPECT_FALSE(holds_element_sets({}));
    EXPECT_FALSE(holds_element_sets({"<html>", "<body>Service unavailable</body>", "</html>"}));

    Lines blank_between_sets = good;
    blank_between_sets.insert(blank_between_sets.begin() + 3, {"", "  "});
    EXPECT_TRUE(holds_element_sets(blank_between_sets));
    Lines page_ending_with_a_set{"<html>", "<body>We are moving</body>", "</html>"};
    page_ending_with_a_set.insert(page_ending_with_a_set.end(), good.end() - 3, good.end());
    EXPECT_FALSE(holds_element_sets(page_ending_with_a_set));
    Lines stray_line_between_sets = good;
    stray_line_between_sets.insert(stray_line_between_sets.begin() + 3, "Updated daily");
    EXPECT_FALSE(holds_element_sets(stray_line_between_sets));
    Lines blank_inside_a_set = good;
    blank_inside_a_set.insert(blank_inside_a_set.begin() + 1, "");
    EXPECT_FALSE(holds_element_sets(blank_inside_a_set));
}

// The engine against a local server holding a bulletin, the two lists and a fixed file.
class ElementDownloadRun : public ::testing::Test {
protected:
    ElementDownloadRun() {
        server.route("/nasa.all", Reply::text(ElementTestFolder::fixture("nasa.all")));
        server.route("/norad", Reply::text(ElementTestFolder::fixture("norad.txt")));
        server.route("/new", Reply::text(ElementTestFolder::fixture("norad_new.txt")));
        server.route("/solid", Reply::text(ElementTestFolder::fixture("solid.elm")));
        sources.bulletin_url = server.url("/nasa.all");
        sources.bulletin_hdr = "For more";
        sources.bulletin_line = "20";
        sources.kidou_url3 = server.url("/norad");
        sources.kidou_url1 = server.url("/new");
        sources.kidou_url2 = server.url("/solid");
        sources.kidou_url2_sw = "1";
        state.kidoukousin_yymmdd = "2025/05/01 12:00:00";
        state.kidoukousin_orbit = "25100";
        for (const char* f : kFiles) folder.write(f, crlf({std::string("old ") + f}));
    }

    ElementDownloadOutcome run() {
        ElementDownloadView view;
        view.list_add = [this](const std::string& l) { listed.push_back(l); };
        view.set_status = [this](const std::string& t) { statuses.push_back(t); };
        view.set_header_message = [this](const std::string& t) { header_message = t; };
        view.set_stamp_label = [this](const std::string& caption, bool complete) {
            stamp_label = caption;
            stamp_complete = complete;
        };
        view.message = [this](const std::string& t) { messages.push_back(t); };
        return run_element_download(sources, state, view, {folder.path(""), folder.ini(), {2025, 5, 3, 12, 0, 0}, 300ms});
    }

    bool unchanged(const char* f) const { return folder.read(f) == crlf({std::string("old ") + f}); }
    std::string elements_from(const char* fixture) const {
        return joined_crlf(lines_of(ElementTestFolder::fixture(fixture)));
    }

    static constexpr const char* kFiles[] = {"TORV.ELM", "TORV_NORAD.ELM", "TORV_NORAD_NEW.ELM", "torv_solid.elm"};
    ElementTestFolder folder;
    LocalHttpServer server;
    ElementSources sources;
    ElementUpdateState state;
    Lines listed, statuses, messages;
    std::string header_message, stamp_label;
    bool stamp_complete = false;
};

TEST_F(ElementDownloadRun, EverySourceFetchedReplacesTheFilesAndRenewsTheStamps) {
    const auto outcome = run();

    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(outcome.replaced, (Lines{"TORV.ELM", "TORV_NORAD.ELM", "TORV_NORAD_NEW.ELM", "torv_solid.elm"}));
    const Lines bulletin = lines_of(ElementTestFolder::fixture("nasa.all"));
    EXPECT_EQ(folder.read("TORV.ELM"), joined_crlf(Lines(bulletin.begin() + 13, bulletin.end() - 1)));
    EXPECT_EQ(folder.read("TORV_NORAD.ELM"), elements_from("norad.txt"));
    EXPECT_EQ(folder.read("TORV_NORAD_NEW.ELM"), elements_from("norad_new.txt"));
    EXPECT_EQ(folder.read("torv_solid.elm"), elements_from("solid.elm"));
    EXPECT_FALSE(folder.holds_temporary_files());

    EXPECT_EQ(state.kidoukousin_orbit, "25123");
    EXPECT_EQ(state.kidoukousin_yymmdd, "2025/05/03 12:00:00");
    EXPECT_EQ(ini_read(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, folder.ini()), "2025/05/03 12:00:00");
    EXPECT_EQ(state.elm_updated, 1);
    EXPECT_EQ(stamp_label, "2025/05/03 12:00:00  ORB25123");
    EXPECT_TRUE(stamp_complete);
    EXPECT_EQ(statuses, (Lines{"軌道要素取得中（ＡＭＳＡＴ）", "軌道要素正常取得（ＡＭＳＡＴ）", "軌道要素取得開始（ＮＯＲＡＤ）",
                               "軌道要素正常取得（NORAD）", "軌道要素取得開始（ＮＯＲＡＤ－ＮＥＷ）", "軌道要素取得完了",
                               "軌道要素取得開始（TORV_SOLID-NEW）", "軌道要素取得完了"}));
    EXPECT_EQ(listed.front(), "1 SB KEPS @ AMSAT  $ORB25123.N");
}

TEST_F(ElementDownloadRun, ListsOnlyWhenTheStampIsMoreThanTwoHoursOld) {
    struct Case {
        const char* stamp;
        int list_requests;
    };
    const Case cases[] = {{"2025/05/03 10:30:00", 0}, {"2025/05/03 09:59:00", 1}, {"0000000000", 1}};
    int expected = 0;
    for (const Case& c : cases) {
        state.kidoukousin_yymmdd = c.stamp;
        sources.kidou_url2_sw = "0";
        run();
        expected += c.list_requests;
        EXPECT_EQ(server.requests("/norad"), expected) << c.stamp;
        EXPECT_EQ(server.requests("/new"), expected) << c.stamp;
    }
    EXPECT_EQ(server.requests("/solid"), 0);
}

TEST_F(ElementDownloadRun, EmptyAddressesAreSkipped) {
    sources.kidou_url3.clear();
    sources.kidou_url2.clear();
    const auto outcome = run();

    EXPECT_EQ(server.requests("/norad"), 0);
    EXPECT_TRUE(unchanged("TORV_NORAD.ELM"));
    EXPECT_TRUE(unchanged("torv_solid.elm"));
    EXPECT_EQ(outcome.replaced, (Lines{"TORV.ELM", "TORV_NORAD_NEW.ELM"}));
    EXPECT_TRUE(outcome.failed.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "torv_solid.elm の取得先ＵＲＬが登録されていないため、取得しませんでした。");
    EXPECT_EQ(state.kidoukousin_yymmdd, "2025/05/03 12:00:00");
    EXPECT_TRUE(stamp_complete);
}

// Every way an answer can be unusable.
struct BadAnswer {
    const char* what;
    Reply reply;
};
// good_body with a line of other text after its first set.
std::string with_stray_line(const std::string& good_body) {
    Lines lines = download_lines(good_body);
    const auto first_line2 = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("2 "); });
    lines.insert(first_line2 + 1, "<p>This list moves to a new address soon.</p>");
    return joined_crlf(lines);
}
std::vector<BadAnswer> bad_answers(const std::string& good_body) {
    const Lines good = download_lines(good_body);
    const auto last_line2 = std::find_if(good.rbegin(), good.rend(), [](const std::string& l) { return l.starts_with("2 "); });
    const Lines last_set(last_line2.base() - 3, last_line2.base());
    return {
        {"404", Reply::html("<html><body>Not Found</body></html>", 404)},
        {"500", Reply::text(good_body, 500)},
        {"206", Reply::text(good_body, 206)},
        {"HTML page with 200", Reply::html("<html>\n<body>We are moving</body>\n</html>\n")},
        {"HTML page ending with a set", Reply::html("<html>\n<body>We are moving</body>\n</html>\n" + joined_crlf(last_set))},
        {"stray line among the sets", Reply::text(with_stray_line(good_body))},
        {"empty body", Reply::text("")},
        {"body cut short", Reply::truncated(good_body)},
        {"no answer", Reply::hanging()},
    };
}

TEST_F(ElementDownloadRun, BadBulletinChangesNoFileAndEndsTheRun) {
    for (const BadAnswer& bad : bad_answers(ElementTestFolder::fixture("nasa.all"))) {
        server.route("/nasa.all", bad.reply);
        messages.clear();
        state = ElementUpdateState{"0000000000", "25100", "0", 0, 0};

        const auto outcome = run();

        for (const char* f : kFiles) EXPECT_TRUE(unchanged(f)) << bad.what << " " << f;
        ASSERT_EQ(messages.size(), 1u) << bad.what;
        EXPECT_TRUE(messages[0].starts_with("c1-インターネットと接続されていないか、接続先のＵＲＬ:" + sources.bulletin_url +
                                            " が正常稼動していない可能性があります。確認してください"))
            << bad.what << ": " << messages[0];
        EXPECT_EQ(outcome.failed, (Lines{"TORV.ELM"})) << bad.what;
        EXPECT_EQ(state.kidoukousin_orbit, "25100") << bad.what;
        EXPECT_EQ(state.kidoukousin_yymmdd, "0000000000") << bad.what;
        EXPECT_EQ(state.elm_updated, 0) << bad.what;
        EXPECT_EQ(statuses.back(), "軌道要素取得失敗（ＡＭＳＡＴ）") << bad.what;
    }
    EXPECT_EQ(server.requests("/norad"), 0);
    EXPECT_EQ(ini_read(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, folder.ini()), "ERROR");
}

TEST_F(ElementDownloadRun, BadListKeepsItsFileAndIsReportedAsAPartialFailure) {
    for (const BadAnswer& bad : bad_answers(ElementTestFolder::fixture("norad.txt"))) {
        server.route("/norad", bad.reply);
        messages.clear();
        folder.write("TORV_NORAD.ELM", crlf({"old TORV_NORAD.ELM"}));
        state = ElementUpdateState{"2025/05/01 12:00:00", "25100", "0", 0, 0};

        const auto outcome = run();

        EXPECT_TRUE(unchanged("TORV_NORAD.ELM")) << bad.what;
        EXPECT_EQ(folder.read("TORV_NORAD_NEW.ELM"), elements_from("norad_new.txt")) << bad.what;
        EXPECT_EQ(outcome.failed, (Lines{"TORV_NORAD.ELM"})) << bad.what;
        ASSERT_EQ(messages.size(), 2u) << bad.what;
        EXPECT_TRUE(messages[0].starts_with("インターネットと接続されていないか、接続先のＵＲＬ:" + sources.kidou_url3))
            << bad.what;
        EXPECT_EQ(messages[1],
                  "軌道要素の一部を取得できませんでした。\n更新したファイル：TORV.ELM、TORV_NORAD_NEW.ELM、torv_solid.elm"
                  "\n更新できなかったファイル：TORV_NORAD.ELM")
            << bad.what;
        EXPECT_EQ(state.kidoukousin_yymmdd, "2025/05/01 12:00:00") << bad.what;  // so the lists are tried again
        EXPECT_EQ(state.kidoukousin_orbit, "25123") << bad.what;
        EXPECT_EQ(state.elm_updated, 1) << bad.what;  // the files that arrived need a restart
        EXPECT_FALSE(stamp_complete) << bad.what;
    }
    EXPECT_EQ(ini_read(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, folder.ini()), "ERROR");
}

TEST_F(ElementDownloadRun, FailedAnswerIsNeitherListedNorKept) {
    // Each body starts with a line of its own, so that any of it listed shows.
    const std::string bulletin = crlf({"FAILED ANSWER"}) + ElementTestFolder::fixture("nasa.all");
    const std::string list = crlf({"FAILED ANSWER"}) + ElementTestFolder::fixture("norad.txt");
    const struct {
        const char* what;
        Reply bulletin, list;
    } cases[] = {
        {"500 with a body", Reply::text(bulletin, 500), Reply::text(list, 500)},
        {"body cut short", Reply::truncated(bulletin), Reply::truncated(list)},
    };
    const auto listed_failed_answer = [this] {
        return std::any_of(listed.begin(), listed.end(),
                           [](const std::string& l) { return l.ends_with("FAILED ANSWER"); });
    };
    for (const auto& c : cases) {
        server.route("/nasa.all", c.bulletin);
        listed.clear();
        run();
        EXPECT_TRUE(listed.empty()) << c.what;

        server.route("/nasa.all", Reply::text(ElementTestFolder::fixture("nasa.all")));
        server.route("/norad", c.list);
        listed.clear();
        state.kidoukousin_yymmdd = "2025/05/01 12:00:00";
        const auto outcome = run();
        EXPECT_EQ(outcome.failed, (Lines{"TORV_NORAD.ELM"})) << c.what;
        EXPECT_FALSE(listed_failed_answer()) << c.what;
        EXPECT_TRUE(unchanged("TORV_NORAD.ELM")) << c.what;
    }
}

// ISS's set of the list fixture with the text at a column (counted from 1) replaced.
std::string iss_line(int line, size_t column = 1, const std::string& text = "") {
    std::string l = line == 1 ? "1 25544U 98067A   25120.75000000  .00000123  00000-0  12345-4 0  9997"
                              : "2 25544  51.6400 199.0000 0004001 101.0000 259.0000 15.50000100500085";
    return l.replace(column - 1, text.size(), text);
}

TEST_F(ElementDownloadRun, ListWhoseSetCannotBeComputedKeepsItsFile) {
    const std::string line1 = iss_line(1), line2 = iss_line(2);
    const struct {
        const char* what;
        std::string line1, line2;
        bool accepted;
    } cases[] = {
        {"exponent fields of a real list", iss_line(1, 34, "-.00001234  12345-3 -12345-3"), line2, true},
        {"eccentricity just below 1", line1, iss_line(2, 27, "9999999"), true},
        {"letters in the mean motion", line1, iss_line(2, 53, "FIFTEEN.REV"), false},
        {"eccentricity 1E9", line1, iss_line(2, 27, "1E9    "), false},
        {"epoch on no day of the year", iss_line(1, 19, "25400.75000000"), line2, false},
    };
    sources.kidou_url1.clear();
    for (const auto& c : cases) {
        const std::string body = crlf({"ISS", c.line1, c.line2});
        server.route("/norad", Reply::text(body));
        folder.write("TORV_NORAD.ELM", crlf({"old TORV_NORAD.ELM"}));
        messages.clear();
        state.kidoukousin_yymmdd = "2025/05/01 12:00:00";

        const auto outcome = run();

        if (c.accepted) {
            EXPECT_EQ(folder.read("TORV_NORAD.ELM"), body) << c.what;
            EXPECT_TRUE(messages.empty()) << c.what;
            continue;
        }
        EXPECT_TRUE(unchanged("TORV_NORAD.ELM")) << c.what;
        EXPECT_EQ(outcome.failed, (Lines{"TORV_NORAD.ELM"})) << c.what;
        ASSERT_EQ(messages.size(), 2u) << c.what;
        EXPECT_EQ(messages[0], "インターネットと接続されていないか、接続先のＵＲＬ:" + sources.kidou_url3 +
                                   " が正常稼動していない可能性があります。確認してください"
                                   "\n（受信したデータに軌道要素がないか、途中で終わっています）")
            << c.what;
    }
}

TEST_F(ElementDownloadRun, BulletinWhoseSetCannotBeComputedEndsTheRun) {
    Lines bad = lines_of(ElementTestFolder::fixture("nasa.all"));
    const auto first_line2 =
        std::find_if(bad.begin(), bad.end(), [](const std::string& l) { return l.starts_with("2 "); });
    first_line2->replace(26, 7, "1E9    ");
    server.route("/nasa.all", Reply::text(joined_crlf(bad)));

    const auto outcome = run();

    for (const char* f : kFiles) EXPECT_TRUE(unchanged(f)) << f;
    EXPECT_EQ(outcome.failed, (Lines{"TORV.ELM"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].ends_with("（受信したデータに軌道要素がありません）")) << messages[0];
}

TEST_F(ElementDownloadRun, BadFixedFileIsReportedWithItsPrefix) {
    server.route("/solid", Reply::html("<html>gone</html>", 404));
    const auto outcome = run();

    EXPECT_TRUE(unchanged("torv_solid.elm"));
    EXPECT_EQ(outcome.failed, (Lines{"torv_solid.elm"}));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].starts_with("f4-インターネットと接続されていないか、接続先のＵＲＬ:" + sources.kidou_url2 +
                                        " が正常稼動していない可能性があります。確認してください\n（HTTP 404）"))
        << messages[0];
    // The lists all arrived, so their stamp is renewed; the run as a whole is not complete.
    EXPECT_EQ(ini_read(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, folder.ini()), "2025/05/03 12:00:00");
    EXPECT_FALSE(stamp_complete);
    EXPECT_EQ(statuses.back(), "軌道要素の一部を取得できませんでした");
}

}  // namespace
