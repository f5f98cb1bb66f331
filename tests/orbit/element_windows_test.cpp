#include <gtest/gtest.h>

#include <QTimer>

#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "support/element_test_folder.h"
#include "orbit/element_source_window.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "platform/msg_box.h"
#include "support/local_http_server.h"

using namespace torv;
using namespace std::chrono_literals;
using Reply = LocalHttpServer::Reply;
using Lines = std::vector<std::string>;

namespace {

constexpr platform::ColorValue kRed = 255;
constexpr platform::ColorValue kBlue = 16711680;

// The element windows with their shared state, a main window that records what it is
// asked to do, and a local server with every source.
class ElementWindows : public ::testing::Test {
protected:
    ElementWindows() {
        platform::MsgBoxRecorder::current()->clear();
        server.route("/nasa.all", Reply::text(ElementTestFolder::fixture("nasa.all")));
        server.route("/norad", Reply::text(ElementTestFolder::fixture("norad.txt")));
        server.route("/new", Reply::text(ElementTestFolder::fixture("norad_new.txt")));
        ini_write(Section{"KIDOU_URL"}, Key{"URL3"}, server.url("/norad"), folder.ini());
        ini_write(Section{"KIDOU_URL"}, Key{"URL1"}, server.url("/new"), folder.ini());
        sources.bulletin_url = server.url("/nasa.all");
        sources.bulletin_hdr = "For more";
        sources.bulletin_line = "20";
        seam.set_element_date_caption = [this](const std::string& c) { caption = c; };
        seam.set_element_date_tooltip = [this](const std::string& t) { tooltip = t; };
        seam.progress_text = [this](const std::string& t) { progress = t; };
        seam.tray_icon_remove = [this] { calls.push_back("tray_icon_remove"); };
        seam.end_program = [this] { calls.push_back("end_program"); };
    }

    std::string ini(const char* section, const char* key) const {
        return ini_read(Section{section}, Key{key}, folder.ini());
    }
    static const Lines& boxes() { return platform::MsgBoxRecorder::current()->texts; }

    ElementTestFolder folder;
    LocalHttpServer server;
    ElementUpdateState state;
    ElementSources sources;
    ElementTable table;
    ElementUpdateSeam seam;
    TimeState time;  // the default time difference, 9 hours
    ElementUpdateContext ctx{state, sources, table, seam, time, 300ms};
    platform::FormInstance<ElementUpdateWindow> element_update_window{
        [this] { return std::make_unique<ElementUpdateWindow>(ctx); }};
    platform::FormInstance<ElementSourceWindow> element_source_window{
        [this] { return std::make_unique<ElementSourceWindow>(ctx); }};
    std::string caption, tooltip, progress;
    Lines calls;
};

TEST_F(ElementWindows, ElementUpdateWindowModesAreStoredOnlyByFinishing) {
    ini_write(Section{"KIDOUKOUSIN"}, Key{"ELM_AUTO_SW"}, "1", folder.ini());
    ElementUpdateWindow& f = element_update_window();
    EXPECT_EQ(f.Label2.caption(), "0000000000  ORB04008");
    EXPECT_EQ(f.Label2.foreColor(), kRed);
    EXPECT_TRUE(f.F4_MENU_AUTO_SET->isChecked());
    EXPECT_FALSE(f.F4_MENU_AUTO_RESET->isChecked());
    EXPECT_EQ(tooltip, "クリックすると軌道要素更新へ移動");

    f.F4_MENU_FILE_Click();
    EXPECT_TRUE(f.F4_MENU_FILE->isChecked());
    EXPECT_FALSE(f.F4_MENU_AUTO_SET->isChecked());
    EXPECT_EQ(tooltip, "torv_solid.elmの軌道要素ファイルを参照中");
    EXPECT_EQ(ini("KIDOUKOUSIN", "ELM_AUTO_SW"), "1");

    f.Command2_Click();
    EXPECT_EQ(ini("KIDOUKOUSIN", "ELM_AUTO_SW"), "2");
    EXPECT_EQ(ini("KIDOUKOUSIN", "YYMMDD"), "ERROR");
    EXPECT_EQ(ini("KIDOUKOUSIN", "ORBIT"), "ERROR");
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(element_update_window.exists());
}

TEST_F(ElementWindows, AStampFarAheadIsToldAndTheListsAreFetchedAgain) {
    // Written by a clock set years ahead: kept, it would hold the lists back until then.
    ini_write(Section{"KIDOUKOUSIN"}, Key{"YYMMDD"}, "2099/01/01 00:00:00", folder.ini());
    std::vector<std::string> told;
    set_unusable_setting_report([&](const std::string& name) { told.push_back(name); });
    ElementUpdateWindow& f = element_update_window();
    EXPECT_EQ(f.Label2.caption(), "0000000000  ORB04008");
    f.Command1_Click();
    set_unusable_setting_report(nullptr);
    EXPECT_EQ(told, Lines{"[KIDOUKOUSIN] YYMMDD"});
    EXPECT_TRUE(folder.exists("TORV_NORAD.ELM"));
    EXPECT_TRUE(folder.exists("TORV_NORAD_NEW.ELM"));
}

TEST_F(ElementWindows, ElementUpdateWindowUpdateThenCloseBoxAsksForARestartAndEnds) {
    ElementUpdateWindow& f = element_update_window();
    f.Command1_Click();
    EXPECT_EQ(f.Label2.caption(), "2025/05/03 12:00:00  ORB25123");
    EXPECT_EQ(f.Label2.foreColor(), kBlue);
    EXPECT_EQ(f.Label3.caption(), "軌道要素取得完了");
    EXPECT_EQ(progress, "軌道要素の取得開始（インターネット接続中）軌道要素取得完了");
    EXPECT_EQ(f.List1.item(0)->text(), "1 SB KEPS @ AMSAT  $ORB25123.N");
    EXPECT_TRUE(boxes().empty());

    f.close();  // the close box
    EXPECT_EQ(boxes(), (Lines{"軌道要素が更新されました。プログラムを再起動してください。"}));
    EXPECT_EQ(ini("KIDOUKOUSIN", "YYMMDD"), "2025/05/03 12:00:00");
    EXPECT_EQ(ini("KIDOUKOUSIN", "ORBIT"), "25123");
    EXPECT_EQ(ini("KIDOUKOUSIN", "ELM_AUTO_SW"), "0");
    EXPECT_EQ(calls, (Lines{"tray_icon_remove", "end_program"}));
}

TEST_F(ElementWindows, ClosingDuringADownloadCancelsItAndKeepsTheWindow) {
    server.route("/nasa.all", Reply::hanging());
    ctx.http_timeout = 10s;
    ElementUpdateWindow& f = element_update_window();
    bool closed = true;
    // Closed once the server holds the request, however busy the machine is.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (server.requests("/nasa.all") == 0) return;
        poll.stop();
        f.Command1_Click();  // a second click meanwhile does nothing
        closed = f.Unload();
    });
    poll.start(10);
    f.Command1_Click();

    EXPECT_FALSE(closed);
    EXPECT_TRUE(element_update_window.exists());
    EXPECT_FALSE(f.running());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].starts_with("c1-")) << boxes()[0];
    EXPECT_EQ(server.requests("/nasa.all"), 1);
    EXPECT_EQ(state.elm_updated, 0);
}

TEST_F(ElementWindows, StartUpUpdateLoadsCopiesAndNeedsNoRestart) {
    ini_write(Section{"KIDOUKOUSIN"}, Key{"ELM_AUTO_SW"}, "1", folder.ini());
    sources.degital_sat_list = {"AO-51"};
    ElementStartup startup(ctx, element_update_window);
    ElementLoadHooks hooks;
    startup.fill_hooks(hooks);
    ElementLoadReport report;

    load_element_table(table, "1", "", folder.path(""), hooks, report);

    Lines names;
    for (int i = 1; i <= table.element_line_count(); i += 3) names.push_back(table.element_lines(i));
    EXPECT_EQ(Lines(names.begin(), names.begin() + 5), (Lines{"AO-51", "AO-51DG", "AO-51TR", "ISS", "FO-29"}));
    EXPECT_EQ(ini("KIDOUKOUSIN", "YYMMDD"), "2025/05/03 12:00:00");
    EXPECT_EQ(ini("KIDOUKOUSIN", "ORBIT"), "25123");
    EXPECT_EQ(caption, "2025/05/03 12:00:00  ORB25123");
    EXPECT_EQ(state.elements_stale, 0);
    EXPECT_EQ(state.elm_updated, 0);
    EXPECT_FALSE(element_update_window().isVisible());

    element_update_window().Command2_Click();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(calls.empty());
}

TEST_F(ElementWindows, FixedFileModeTakesTheStampFromTheSelectedSatellitesLastSet) {
    const Lines solid = {"AO-51", "1 28375U 04025K   25110.50000000", "2 28375",
                         "AO-51", "1 28375U 04025K   25101.50000000", "2 28375"};
    folder.write("torv_solid.elm", crlf({solid[0], solid[1], solid[2], solid[3], solid[4], solid[5]}));
    ElementStartup startup(ctx, element_update_window);
    ElementLoadHooks hooks;
    startup.fill_hooks(hooks);
    ElementLoadReport report;

    load_element_table(table, "2", "ISS", folder.path(""), hooks, report);
    EXPECT_EQ(ini("KIDOUKOUSIN", "ORBIT"), "ERROR");  // the selected satellite has no set there
    load_element_table(table, "2", "AO-51", folder.path(""), hooks, report);
    EXPECT_EQ(ini("KIDOUKOUSIN", "ORBIT"), "25101");
    EXPECT_EQ(ini("KIDOUKOUSIN", "YYMMDD"), "2025/05/03 12:00:00");
    EXPECT_EQ(caption, "2025/05/03 12:00:00  ORB25101");
}

TEST_F(ElementWindows, SettingsLoadOfTheElementUpdate) {
    ini_write(Section{"ORBIT"}, Key{"DEGITAL_SAT"}, "FO-29,VO-52", folder.ini());
    ini_write(Section{"KIDOUKOUSIN"}, Key{"ELM_AUTO_SW"}, "3", folder.ini());
    ElementStartup startup(ctx, element_update_window);
    startup.element_settings_load();

    EXPECT_EQ(caption, "000000000000  ORB04008");
    EXPECT_EQ(state.elements_stale, 1);
    EXPECT_FALSE(element_update_window.exists());  // an unknown mode leaves the window unloaded
    EXPECT_EQ(tooltip, "");
    EXPECT_EQ(sources.degital_sat_list, (Lines{"FO-29", "VO-52"}));
    EXPECT_EQ(ini("TORVELM", "URL"), "https://www.amsat.org/tle/current/nasa.all");
    EXPECT_EQ(ini("TORVELM", "HDR"), "For more");
    EXPECT_EQ(ini("TORVELM", "LINE"), "20");

    ini_write(Section{"KIDOUKOUSIN"}, Key{"ELM_AUTO_SW"}, "2", folder.ini());
    startup.element_settings_load();
    EXPECT_TRUE(element_update_window().F4_MENU_FILE->isChecked());
    EXPECT_EQ(tooltip, "torv_solid.elmの軌道要素ファイルを参照中");
}

TEST_F(ElementWindows, ElementSourceWindowStoresTheAddressesWhenClosed) {
    ini_write(Section{"KIDOU_URL"}, Key{"URL2_SW"}, "5", folder.ini());
    ElementSourceWindow& f = element_source_window();
    EXPECT_TRUE(f.Check1.isChecked());
    EXPECT_EQ(sources.kidou_url2_sw, "1");
    EXPECT_EQ(f.Text6.text().toStdString(), server.url("/norad"));
    EXPECT_EQ(f.Text2.text(), "");
    EXPECT_EQ(f.Text3.text().toStdString(), sources.bulletin_url);

    f.Text6.setText("");
    f.close();
    EXPECT_EQ(ini("KIDOU_URL", "URL2_SW"), "1");
    EXPECT_EQ(ini("KIDOU_URL", "URL3"), "");
    EXPECT_EQ(ini("KIDOU_URL", "URL1"), server.url("/new"));
    EXPECT_EQ(sources.kidou_url3, "");
}

TEST_F(ElementWindows, ElementSourceWindowChecksTheBulletinSettings) {
    ElementSourceWindow& f = element_source_window();
    struct Case {
        const char* hdr;
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"For more!", "20", "ヘッダー識別ワードが8文字を超えています"},
        {"For more", "2O", "ヘッダーの行数が数字ではありません"},
        {"For more", "", "ヘッダーの行数が数字ではありません"},
        {"For more", "20", nullptr},
    };
    for (const Case& c : cases) {
        platform::MsgBoxRecorder::current()->clear();
        f.Text3.setText("http://example.invalid/keps");
        f.Text4.setText(c.hdr);
        f.Text5.setText(c.line);
        f.Command5_Click();
        if (c.message) {
            EXPECT_EQ(boxes(), (Lines{c.message})) << c.hdr << "/" << c.line;
            EXPECT_EQ(ini("TORVELM", "URL"), "ERROR");
        } else {
            EXPECT_TRUE(boxes().empty());
            EXPECT_EQ(ini("TORVELM", "URL"), "http://example.invalid/keps");
            EXPECT_EQ(ini("TORVELM", "LINE"), "20");
            EXPECT_EQ(sources.bulletin_hdr, "For more");
        }
    }
    EXPECT_TRUE(element_source_window.exists());
}

TEST_F(ElementWindows, ElementSourceWindowEditsTheDuplicateList) {
    table.add_set("AO-51", "", "");
    table.add_set("FO-29 ", "", "");
    ini_write(Section{"ORBIT"}, Key{"DEGITAL_SAT"}, "VO-52", folder.ini());
    ElementSourceWindow& f = element_source_window();
    ASSERT_EQ(f.List1.count(), 2);
    ASSERT_EQ(f.List2.count(), 1);

    f.Command2_Click();
    f.Command3_Click();
    EXPECT_EQ(boxes(), (Lines{"衛星を選択してください", "削除する衛星を選んでください"}));

    f.List1.setCurrentRow(1);
    f.Command2_Click();
    f.List2.setCurrentRow(0);
    f.Command3_Click();
    f.Command4_Click();
    EXPECT_EQ(sources.degital_sat, "FO-29 ");  // kept as listed, trailing blank included

    f.List2.setCurrentRow(0);
    f.Command3_Click();
    f.Command3_Click();
    EXPECT_EQ(boxes().back(), "削除する項目がありません");
    f.Command4_Click();
    EXPECT_EQ(ini("ORBIT", "DEGITAL_SAT"), "");
}

}  // namespace
