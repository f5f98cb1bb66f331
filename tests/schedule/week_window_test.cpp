#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPrinterInfo>
#include <QProcess>

#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/twips.h"
#include "schedule/partner_week_table_window.h"
#include "schedule/week_table_window.h"
#include "support/temp_dir.h"
#include "support/week_fixture.h"

using namespace torv;

namespace {

// The week windows over the default element sets, the clock at 21 January 2018 12:00 local,
// each colour of the graph a different one.
struct WeekWindows : ::testing::Test {
    WeekFixture fx;
    PartnerStationTable partners;
    int16_t partner_index = 0;
    std::string selected = "ISS";
    WeekLook look;
    platform::FormInstance<WeekTableWindow> week_table_window{
        [this] { return std::make_unique<WeekTableWindow>(links()); }};
    platform::FormInstance<PartnerWeekTableWindow> partner_week_table_window{
        [this] { return std::make_unique<PartnerWeekTableWindow>(links()); }};

    WeekLinks links() {
        return {fx.elements, fx.corrections, fx.station, fx.time, selected, partners, partner_index, [this] { return look; }};
    }
    void SetUp() override {
        platform::clock_fix({2018, 1, 21, 3, 0, 0});  // noon at the station (UTC+9)
        platform::MsgBoxRecorder::current()->clear();
        look.grp_for_color = 255;          // red
        look.grp_bk_color = 65280;         // green
        look.ao40_sqa_color = 16711935;    // magenta
        look.ao40_ma_color = 16776960;     // cyan
        look.hiru_color = 8421504;         // grey
        look.yoru_color = 8388608;         // dark blue
    }
    void TearDown() override {
        week_table_window.Unload();
        partner_week_table_window.Unload();
        QCoreApplication::processEvents();
        platform::clock_release();
    }

    static void run_week(WeekWindow& w) {
        while (w.computing()) QCoreApplication::processEvents();
    }
    static std::vector<std::string> list(const WeekWindow& w) {
        std::vector<std::string> lines;
        for (int i = 0; i < w.List1.listCount(); ++i) lines.push_back(w.List1.list(i).toStdString());
        return lines;
    }
    // The list the computation gives for days first..first+count-1 after 21 January.
    std::vector<std::string> expected_list(const std::string& name, int first, int count) {
        std::vector<std::string> lines;
        const WeekSubject s = fx.subject(name);
        for (int d = first; d < first + count; ++d) {
            const DateTime local = WeekFixture::day(2018, 1, 21 + d);
            WeekDayRow row;
            WeekDayCells cells;
            compute_week_day(s, fx.utc(local), row, cells);
            for (const std::string& l : week_day_lines(name, local, row)) lines.push_back(l);
            lines.push_back(std::string(99, '-'));
        }
        return lines;
    }
    static std::vector<std::string> date_labels(WeekWindow& w) {
        std::vector<std::string> dates;
        for (platform::Label* l : w.date_labels()) dates.push_back(l->caption().toStdString());
        return dates;
    }
};

int separators(const std::vector<std::string>& lines, size_t length) {
    int n = 0;
    for (const std::string& l : lines) n += l == std::string(length, '-') ? 1 : 0;
    return n;
}

std::string run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return p.readAllStandardOutput().toStdString();
}

int occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(WeekWindows, FirstTickComputesTheWeekFromTodayDayByDay) {
    WeekTableWindow& w = week_table_window();
    EXPECT_EQ(w.caption().toStdString(), "週間スケジュール");
    EXPECT_EQ(w.Timer1.interval(), 500);
    w.Timer1_Timer();
    EXPECT_TRUE(w.computing());
    EXPECT_EQ(w.List1.listCount(), 0);  // the days come after the handler returned
    EXPECT_FALSE(w.Command2.isEnabled());
    w.Command2_Click();  // refused while the week is computed
    w.Timer1_Timer();
    std::vector<int> progress;  // one day at a time, the program's events handled between them
    while (w.computing()) {
        QCoreApplication::processEvents();
        progress.push_back(w.week_progress.value());
    }
    EXPECT_GT(progress.size(), 1u);
    EXPECT_EQ(progress.back(), 7);

    EXPECT_EQ(list(w), expected_list("ISS", 0, 7));
    EXPECT_EQ(date_labels(w),
              (std::vector<std::string>{"18/01/21", "18/01/22", "18/01/23", "18/01/24", "18/01/25", "18/01/26", "18/01/27"}));
    EXPECT_EQ(w.Label10.caption().toStdString(), "ISS");
    EXPECT_EQ(w.Timer1.interval(), 2000);
    EXPECT_TRUE(w.Command2.isEnabled());
    EXPECT_FALSE(w.week_progress.isVisible());
    EXPECT_EQ(w.week_day_offset, 7);
}

TEST_F(WeekWindows, PlusOneWeekTwiceGivesTwentyOneDays) {
    WeekTableWindow& w = week_table_window();
    w.Timer1_Timer();
    run_week(w);
    for (int i = 0; i < 2; ++i) {
        w.Command2_Click();
        run_week(w);
    }
    const std::vector<std::string> lines = list(w);
    EXPECT_EQ(separators(lines, 99), 21);
    EXPECT_EQ(lines, expected_list("ISS", 0, 21));
    EXPECT_EQ(date_labels(w).front(), "18/02/04");
    EXPECT_EQ(date_labels(w).back(), "18/02/10");
}

TEST_F(WeekWindows, FollowsTheSelectedSatellite) {
    selected.clear();
    WeekTableWindow& w = week_table_window();
    w.Timer1_Timer();  // nothing selected: nothing to compute
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(w.List1.listCount(), 0);
    EXPECT_EQ(w.Timer1.interval(), 500);

    selected = "ISS";
    w.Timer1_Timer();
    run_week(w);
    w.Command2_Click();
    run_week(w);
    w.Timer1_Timer();  // the same satellite: the list stays
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(separators(list(w), 99), 14);

    selected = "FO-29";
    w.Timer1_Timer();
    run_week(w);
    EXPECT_EQ(list(w), expected_list("FO-29", 0, 7));
    EXPECT_EQ(w.date_labels()[0]->caption().toStdString(), "18/01/21");
}

TEST_F(WeekWindows, GraphCellsOverTodaysDayAndNight) {
    WeekTableWindow& w = week_table_window();
    w.Timer1_Timer();
    run_week(w);
    platform::PictureBox& g = w.Picture1;
    const double W = platform::px_to_twips(g.QWidget::width()), H = platform::px_to_twips(g.QWidget::height());
    const double minute = (W - 960) / 1440;
    const auto x_of = [&](double f) { return 960 + (f - 0.5) * minute; };

    for (int d : {0, 6}) {
        const WeekDayRow& row = w.tables[d];
        const double top = d * H / 7;
        // The middle of the day's longest pass, and a minute an hour away from any pass.
        const std::vector<std::pair<int, int>> passes = runs_of([&](int f) { return row.week_visible[f] == 1.0; });
        ASSERT_FALSE(passes.empty());
        auto longest = passes.front();
        for (auto p : passes)
            if (p.second - p.first > longest.second - longest.first) longest = p;
        ASSERT_GE(longest.second - longest.first, 4);
        EXPECT_EQ(g.Point(x_of((longest.first + longest.second) / 2.0), top + 260), look.grp_for_color) << d;
        int quiet = 61;
        const auto near_pass = [&](int f) {
            for (auto p : passes)
                if (f > p.first - 60 && f < p.second + 60) return true;
            return false;
        };
        while (near_pass(quiet)) ++quiet;
        ASSERT_LE(quiet, 1380);
        EXPECT_EQ(g.Point(x_of(quiet), top + 260), look.grp_bk_color) << d;
        // Above and below the strip the background: today's daylight on every row.
        for (int m : {120, 720}) {
            const platform::ColorValue sky = w.daylight_table()[m] == 1.0f ? look.hiru_color : look.yoru_color;
            EXPECT_EQ(g.Point(960 + (m + 0.5) * minute + 20, top + 100), sky) << d << " " << m;
            EXPECT_EQ(g.Point(960 + (m + 0.5) * minute + 20, top + 380), sky) << d << " " << m;
        }
    }
    EXPECT_EQ(w.daylight_table()[720], 1.0f);  // noon in Japan
    EXPECT_EQ(w.daylight_table()[120], 0.0f);  // two in the morning
    // White frame and hour lines.
    EXPECT_EQ(g.Point(1, H / 2), platform::kWhite);
    EXPECT_EQ(g.Point(960 + 6 * (W - 960) / 24, 100), platform::kWhite);
    EXPECT_EQ(g.Point(500, 3 * H / 7), platform::kWhite);
    EXPECT_FALSE(w.Label14.isVisible());
    EXPECT_FALSE(w.Label15.isVisibleTo(&w));
}

TEST_F(WeekWindows, Ao40SquintColoursAndTransponderMarks) {
    selected = "AO-40";
    look.ao40_attitude_fetched = 1;
    look.ao40_attitude_error = 0;
    look.ao40_sqa_value = "180";  // every visible minute within the limit
    look.ao40_ma_start = 0;
    look.ao40_ma_end = 256;       // and in the transponder window
    WeekTableWindow& w = week_table_window();
    w.Timer1_Timer();
    run_week(w);
    EXPECT_TRUE(w.Label14.isVisibleTo(&w));
    EXPECT_TRUE(w.Label15.isVisibleTo(&w));
    const WeekDayRow& row = w.tables[1];
    int f = 1;
    while (row.week_visible[f] != 1.0 || row.week_visible[f + 5] != 1.0) ++f;
    const double W = platform::px_to_twips(w.Picture1.QWidget::width()), H = platform::px_to_twips(w.Picture1.QWidget::height());
    const double x = 960 + (f + 2) * (W - 960) / 1440, top = H / 7;
    EXPECT_EQ(w.Picture1.Point(x, top + 220), look.ao40_sqa_color);  // upper half of the cell
    EXPECT_EQ(w.Picture1.Point(x, top + 300), look.ao40_ma_color);   // the mark in the lower half
}

TEST_F(WeekWindows, PrintsFiftyEightLinesAPageWithTheHeadingOnEach) {
    TempDir dir;
    WeekTableWindow& w = week_table_window();
    for (int count : {58, 59}) {
        w.List1.Clear();
        for (int i = 1; i <= count; ++i) w.List1.AddItem(QString("LINE%1").arg(i, 3, 10, QChar('0')));
        const QString pdf = QString::fromStdString(dir.file("week.pdf"));
        platform::Printer printer;
        ASSERT_TRUE(printer.begin_pdf(pdf));
        w.print_pass_list(printer);
        ASSERT_TRUE(printer.end_document());

        const std::string info = run("pdfinfo", {pdf});
        const int pages = count == 58 ? 1 : 2;
        EXPECT_NE(info.find("Pages:           " + std::to_string(pages)), std::string::npos) << info;
        const std::string text = run("pdftotext", {"-layout", pdf, "-"});
        EXPECT_EQ(occurrences(text, "週間スケジュール一覧表"), pages);
        EXPECT_EQ(occurrences(text, "2018/01/21"), pages);
        EXPECT_EQ(occurrences(text, "衛星名"), pages);
        const std::string last = run("pdftotext", {"-f", QString::number(pages), "-l", QString::number(pages), pdf, "-"});
        EXPECT_NE(last.find(count == 58 ? "LINE058" : "LINE059"), std::string::npos);
        EXPECT_NE(last.find("週間スケジュール一覧表"), std::string::npos);
        if (count == 59) {
            EXPECT_EQ(last.find("LINE058"), std::string::npos);
        }
    }
}

TEST_F(WeekWindows, PrintingWithoutPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    WeekTableWindow& w = week_table_window();
    w.Command3_Click();  // an empty list prints nothing
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
    w.List1.AddItem("ISS    2018/01/21");
    w.Command3_Click();
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"プリンタが見つかりません。プリンタを設定してください。"});
}

TEST_F(WeekWindows, ClosingWhileComputingStopsAndReopeningStartsFromToday) {
    week_table_window().Timer1_Timer();
    QCoreApplication::processEvents();
    ASSERT_TRUE(week_table_window().computing());
    week_table_window().Command1_Click();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_FALSE(week_table_window.exists());

    WeekTableWindow& again = week_table_window();
    EXPECT_EQ(again.List1.listCount(), 0);
    again.Timer1_Timer();
    run_week(again);
    EXPECT_EQ(list(again), expected_list("ISS", 0, 7));
}

TEST_F(WeekWindows, TwoStationTableFollowsThePartner) {
    const auto put = [&](int slot, const char* name, double lon, double lat) {
        partners.partner_name[slot] = name;
        partners.partner_lon[slot] = lon;
        partners.partner_lat[slot] = lat;
        partners.partner_height[slot] = fx.station.station_height;
    };
    put(0, "JA3SAME", fx.station.station_lon, fx.station.station_lat);
    put(1, "ANTIPODE", fx.station.station_lon - 180, -fx.station.station_lat);
    PartnerWeekTableWindow& w = partner_week_table_window();
    EXPECT_EQ(w.caption().toStdString(), "２局間の週間可視情報");
    EXPECT_EQ(w.Label16.caption().toStdString(), "JA3SAME");
    w.Timer1_Timer();
    run_week(w);
    // At the own station's place the partner sees what we see: the same lines.
    std::vector<std::string> expected = expected_list("ISS", 0, 7);
    for (std::string& l : expected)
        if (l == std::string(99, '-')) l = std::string(79, '-');
    EXPECT_EQ(list(w), expected);
    EXPECT_EQ(w.week_partner_name, "JA3SAME");

    partner_index = 1;  // picked on a map
    w.Timer1_Timer();
    run_week(w);
    EXPECT_EQ(w.Label16.caption().toStdString(), "ANTIPODE");
    EXPECT_EQ(list(w), std::vector<std::string>(7, std::string(79, '-')));

    partners.partner_name[1] = "RENAMED";  // the same slot under another name
    w.Timer1_Timer();
    EXPECT_TRUE(w.computing());
    run_week(w);
    EXPECT_EQ(w.Label16.caption().toStdString(), "RENAMED");
}

// Saves a picture of the week table for ISS when TORV_WEEK_SCREENSHOT names the file
// (tools/screenshot.sh runs this under a virtual X server).
TEST_F(WeekWindows, ScreenshotWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_WEEK_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_WEEK_SCREENSHOT not set";
    look = WeekLook{};  // the default colours
    WeekTableWindow& w = week_table_window();
    w.Show();
    w.Timer1_Timer();
    run_week(w);
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(w.grab().save(file));
}
