#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <map>
#include <set>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "app/app.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/choosers.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "sim/ft736_sim.h"
#include "sim/ft847_sim.h"
#include "sim/ts2000_sim.h"
#include "support/child_process.h"
#include "support/item_client.h"
#include "support/program_fixture.h"
#include "support/pump_until.h"

using namespace torv;

namespace {

// The whole program started as main() starts it, in a program folder of its own with
// the default data, the clock a day after the default element sets' epochs and the
// FT-847 port leading to a simulated radio; each test starts the program itself.
struct Program : ProgramNotStarted {
    sim::Ft847Sim radio;

    void SetUp() override {
        ASSERT_TRUE(radio.ok());
        ProgramNotStarted::SetUp();
    }
    void configure(const std::string& ini) override {
        ini_write(Section{"SERIAL"}, Key{"COM1"}, radio.port_path(), ini);
        ini_write(Section{"FT847"}, Key{"CAT"}, "1:COM1:9600:", ini);
    }
    static void settle_ms(int ms) {
        pump_until([] { return false; }, ms);
    }
};

}  // namespace

TEST_F(Program, SatelliteWithoutInformationRecordOpensTheEditorAtStartUp) {
    // A satellite the operator added to a group, without a record yet.
    ini_write(Section{"SATELITE"}, Key{"GROUP-A"}, "FO-29,AO-7,MY-SAT", torv_ini());
    ini_write(Section{"SATELITE"}, Key{"SELECT"}, " 0:MY-SAT", torv_ini());
    start();
    EXPECT_TRUE(app->main_window().isVisible());
    EXPECT_EQ(app->state.groups.selected_sat, "MY-SAT");
    ASSERT_TRUE(app->ft847.exists());            // loaded hidden from start-up on
    EXPECT_FALSE(app->ft847().isVisible());
    ASSERT_TRUE(app->sat_info_editor.exists());            // asks for MY-SAT's record
    EXPECT_TRUE(app->sat_info_editor().isVisible());
    EXPECT_TRUE(app->main_window().Command12.isEnabled());
}

TEST_F(Program, WeekTablesOpenFromTheMainWindowAndLeaveItsValuesAlone) {
    start();
    MainWindow& main = app->main_window();
    main.Command14_Click();  // the 24-hour chart from 12:00: its day and night table starts at noon
    main.Timer1_Timer();
    const DaylightTable chart_daylight = app->state.view.daylight_table;
    const auto live = [this] {
        std::vector<QString> values;
        for (const char* item : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
            values.push_back(app->live_values_window().item_text(item));
        for (platform::Label* l : {&app->main_window().Label3, &app->main_window().Label4, &app->main_window().Label5})
            values.push_back(l->caption());
        return values;
    };
    const std::vector<QString> before = live();
    const double selected_el = app->state.orbit.selected_el;

    main.Command11.click();
    ASSERT_TRUE(app->week_table_window.exists());
    WeekTableWindow& week = app->week_table_window();
    EXPECT_TRUE(week.isVisible());
    ASSERT_TRUE(pump_until([&] { return week.week_day_offset == 7 && !week.computing(); }, 10000));
    EXPECT_EQ(week.Label10.caption().toStdString(), app->state.groups.selected_sat);
    EXPECT_GT(week.List1.listCount(), 7);
    // A week of future minutes wrote no live value and left the chart's table as it was.
    EXPECT_EQ(live(), before);
    EXPECT_EQ(app->state.orbit.selected_el, selected_el);
    EXPECT_EQ(app->state.view.daylight_table, chart_daylight);
    EXPECT_NE(week.daylight_table(), chart_daylight);  // the week's own, from midnight

    main.Command18.click();
    ASSERT_TRUE(app->partner_week_table_window.exists());
    EXPECT_TRUE(app->partner_week_table_window().isVisible());
    EXPECT_EQ(app->partner_week_table_window().focusWidget(), &app->partner_week_table_window().Command1);
    ASSERT_TRUE(pump_until(
        [&] {
            return app->partner_week_table_window().week_day_offset == 7 &&
                   !app->partner_week_table_window().computing();
        },
        10000));
    EXPECT_EQ(app->state.view.daylight_table, chart_daylight);
}

TEST_F(Program, Ft847FollowsTheMainLoopsDopplerFactorAndEndingStopsTheLinkFirst) {
    // FO-29 of the default settings: inverting transponder, receive side fixed at 435.85 MHz.
    start();
    EXPECT_FALSE(app->sat_info_editor.exists());
    app->main_window().Command12_Click();
    Ft847Window& rig = app->ft847();
    EXPECT_TRUE(rig.isVisible());
    rig.Command2_Click();  // start the link
    ASSERT_TRUE(pump_until([&] { return radio.state.sat_tx_freq > 0 && radio.state.sat_rx_freq > 0; }, 5000));
    // Let a few main-loop ticks refresh the factor, then compare with what the radio holds.
    const size_t mark = radio.mark();
    ASSERT_TRUE(pump_until([&] { return radio.frames_since(mark).size() > 4; }, 5000));
    const double k = app->state.doppler.doppler_factor;
    EXPECT_NE(k, 1.0);
    EXPECT_NEAR(radio.state.sat_rx_freq, 435.85, 1e-5);
    EXPECT_NEAR(radio.state.sat_tx_freq, (581.8 - 435.85 / k) / k, 2e-4);
    EXPECT_EQ(radio.state.sat_rx_mode, 0x01);  // USB
    EXPECT_EQ(radio.state.sat_tx_mode, 0x00);  // LSB
    EXPECT_TRUE(radio.state.cat_on);

    // "終了" while the link runs: the link is stopped before the program ends.
    app->main_window().Command2_Click();
    ASSERT_TRUE(pump_until([&] { return !radio.state.cat_on; }, 5000));
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_FALSE(radio.state.ptt);
    EXPECT_EQ(app->rig_context.mirror.ft847_running, 0);
    // The corrections went back into the record.
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "435.795:145.95:2:435.85:1::1:,: 0, 0: 0:");
}

TEST_F(Program, ClosingTheMainWindowDuringAReplyWaitStopsTheLinkBeforeTheProgramEnds) {
    start();
    app->main_window().Command12_Click();
    Ft847Window& rig = app->ft847();
    rig.Command2_Click();
    ASSERT_TRUE(pump_until([&] { return radio.state.sat_mode; }, 5000));
    rig.Command16_Click();  // transmitting
    rig.Hide();             // the link runs on behind the hidden window
    ASSERT_TRUE(pump_until([&] { return radio.state.ptt; }, 5000));

    // The program's own event loop, as main() runs it; the main window's close box is
    // clicked while a request waits for its reply, so the stop has to wait too.
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    give_up.start(10000);
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(50, [&] { app->main_window().close(); });
        wait_sec(0.3f);
    });
    const int rc = QApplication::exec();
    give_up.stop();
    EXPECT_EQ(rc, 0);
    // The loop ended only after the link was stopped: the radio is not left transmitting.
    EXPECT_EQ(app->rig_context.mirror.ft847_running, 0);
    ASSERT_TRUE(pump_until([&] { return !radio.state.cat_on; }, 2000));
    EXPECT_FALSE(radio.state.ptt);
}

// The FT-736 port switched on and leading to a simulated radio as well.
struct ProgramWithFt736 : Program {
    sim::Ft736Sim ft736;
    void SetUp() override {
        Program::SetUp();
        ASSERT_TRUE(ft736.ok());
        ini_write(Section{"SERIAL"}, Key{"COM2"}, ft736.port_path(), torv_ini());
        ini_write(Section{"FT736"}, Key{"CAT"}, "1:COM2:4800:", torv_ini());
    }
};

TEST_F(ProgramWithFt736, Ft736FollowsTheMainLoopsDopplerFactorAndEndingStopsTheLinkFirst) {
    // The clock stands still: the main loop computes the same factor at every tick.
    start();
    EXPECT_TRUE(app->main_window().Command23.isEnabled());
    app->main_window().Command23_Click();
    Ft736Window& rig = app->ft736();
    EXPECT_TRUE(rig.isVisible());
    rig.Command2_Click();
    ASSERT_TRUE(pump_until([&] { return ft736.state.tx_freqs.size() >= 3; }, 5000));
    const double k = app->state.doppler.doppler_factor;
    EXPECT_NE(k, 1.0);
    // FO-29: inverting, receive side fixed at 435.85 MHz, K = 581.8.
    EXPECT_NEAR(ft736.state.rx_freq, 435.85, 1e-5);
    EXPECT_NEAR(ft736.state.tx_freq, (581.8 - 435.85 / k) / k, 2e-4);
    const std::vector<double>& sent = ft736.state.tx_freqs;
    EXPECT_EQ(sent[sent.size() - 1], sent[sent.size() - 2]);  // the factor stands still
    EXPECT_EQ(ft736.state.rx_mode, 0x01);  // USB
    EXPECT_EQ(ft736.state.tx_mode, 0x00);  // LSB
    rig.Command16_Click();  // transmitting
    ASSERT_TRUE(pump_until([&] { return ft736.state.ptt; }, 2000));

    // "終了" while the link runs: the link is stopped before the program ends.
    app->main_window().Command2_Click();
    ASSERT_TRUE(pump_until([&] { return !ft736.state.cat_on; }, 5000));
    EXPECT_FALSE(ft736.state.sat_mode || ft736.state.ptt);
    EXPECT_EQ(app->rig_context.mirror.ft736_running, 0);
    EXPECT_EQ(ft736.state.unknown_frames, 0);
}

// The TS-2000 port leads to a simulated TS-2000 whose first satellite memory holds
// FO-29's bands.
struct ProgramWithTs2000 : Program {
    sim::Ts2000Sim ts2000;
    void SetUp() override {
        Program::SetUp();
        ASSERT_TRUE(ts2000.ok());
        ini_write(Section{"SERIAL"}, Key{"COM3"}, ts2000.port_path(), torv_ini());
        ini_write(Section{"TS2000"}, Key{"CAT"}, "1:COM3:9600:", torv_ini());
        ts2000.load_memories({{435.85, 145.95}});
    }
};

TEST_F(ProgramWithTs2000, Ts2000FollowsTheMainLoopsDopplerFactorAndEndingStopsTheLinkFirst) {
    start();
    app->main_window().Command21_Click();  // "TS2000リモート"
    Ts2000Window& rig = app->ts2000();
    EXPECT_TRUE(rig.isVisible());
    rig.Command2_Click();
    ASSERT_EQ(app->rig_context.mirror.ts2000_running, 1);
    // The window's own tick tracks the pass with the main loop's factor.
    const size_t mark = ts2000.mark();
    const auto ticks = [&] {
        const std::vector<std::string> f = ts2000.frames_since(mark);
        return std::count(f.begin(), f.end(), "SM0;");
    };
    ASSERT_TRUE(pump_until([&] { return ticks() >= 2; }, 6000));
    settle_ms(100);
    const double k = app->state.doppler.doppler_factor;
    EXPECT_NE(k, 1.0);
    const sim::Ts2000State& s = ts2000.state;
    EXPECT_NEAR(s.vfo_a, 435.85, 1e-6);
    EXPECT_NEAR(s.vfo_b, (581.8 - 435.85 / k) / k, 2e-4);
    EXPECT_EQ(s.mode_a, 2);  // USB
    EXPECT_EQ(s.mode_b, 1);  // LSB
    EXPECT_TRUE(s.sat_mode);

    // "終了" while the link runs: the link is stopped before the program ends.
    app->main_window().Command2_Click();
    ASSERT_TRUE(pump_until([&] { return !s.sat_mode; }, 5000));
    EXPECT_FALSE(s.ptt);
    EXPECT_FALSE(s.tone_on);
    EXPECT_EQ(app->rig_context.mirror.ts2000_running, 0);
    EXPECT_FALSE(rig.MSComm1.PortOpen());
}

TEST_F(Program, TheRigMenuOpensTheTs2000WindowWithItsStartButtonOffWhileItsPortIsOff) {
    start();
    EXPECT_FALSE(app->main_window().Command21.isEnabled());  // the default "0:COM3:9600:"
    app->main_window().menu_rigu_ts2000.Click();
    EXPECT_TRUE(app->ts2000().isVisible());
    EXPECT_FALSE(app->ts2000().Command2.isEnabled());
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
}

TEST_F(Program, ElementUpdateWindowOpensFromTheDateLabelAndTheMenuExceptInFixedFileMode) {
    start();
    app->main_window().Label33_Click();
    EXPECT_TRUE(app->element_update_window().isVisible());
    app->element_update_window().Hide();
    app->main_window().menukidou.Click();
    EXPECT_TRUE(app->element_update_window().isVisible());
    app->element_update_window().Hide();
    app->main_window().menuver.Click();
    EXPECT_TRUE(app->version_window().isVisible());
    app->state.element_update.elm_auto_sw = "2";
    app->main_window().Label33_Click();
    EXPECT_FALSE(app->element_update_window().isVisible());
}

TEST_F(Program, StartsOnDamagedFilesWithDefaultsAndChangesNoElementFile) {
    std::string garbage;
    for (int i = 0; i < 3000; ++i) garbage += static_cast<char>((i * 151 + 7) % 256);
    dir.write("torv.ini", garbage + "\r\n[DDE]\r\nPORT=" + std::to_string(31000 + ::getpid() % 20000) + "\r\n");
    const std::string elements = "\r\nISS\r\n1 25544U 98067A   18020.89808844\r\n2 25544  51.64\r\n\r\nnot a set\n" +
                                 garbage.substr(0, 200) + "\nFO-29\n1 24278U\n";
    dir.write("TORV.ELM", elements);
    dir.write("TORV_NORAD.ELM", "");
    start();
    EXPECT_TRUE(app->main_window().isVisible());
    EXPECT_EQ(app->state.groups.selected_sat, "");  // no group: the settings' own defaults
    EXPECT_EQ(dir.read("TORV.ELM"), elements);
    EXPECT_EQ(dir.read("TORV_NORAD.ELM"), "");
    const auto& texts = platform::MsgBoxRecorder::current()->texts;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.find("TORV.ELM") != std::string::npos; }));
    // Whatever the start-up adds to the settings file, its own bytes stay in front.
    EXPECT_TRUE(dir.read("torv.ini").starts_with(garbage));
    // The damaged ISS set (element lines cut short) is not computed, and the operator is told.
    std::string iss = "ISS";
    OrbitContext ctx = app->main_window().orbit_context();
    EXPECT_FALSE(sat_position_disp(ctx, iss));
    EXPECT_EQ(texts.back(), unusable_elements_message("ISS"));
}

TEST_F(Program, StartRemovesTheTemporaryFilesOfSavesCutShortAndKeepsThoseOfRunningPrograms) {
    const WaitingChild other_program;
    ASSERT_GT(other_program.pid(), 0);
    const std::string cut_short = "TORV_NORAD.tmp." + std::to_string(ended_process_id()) + ".0";
    const std::string being_written = "torv.ini.tmp." + std::to_string(other_program.pid()) + ".4";
    dir.write(cut_short, "ISS\r\n1 25544U");
    dir.write(being_written, "[POSITION]\r\nKEI");

    start();

    const std::set<std::string> names = dir.names();
    EXPECT_FALSE(names.contains(cut_short));
    EXPECT_TRUE(names.contains(being_written));
}

// The program takes the true instant from the clock and forms the station's local time by
// its own time difference, so the machine's time zone changes nothing it shows.
TEST_F(Program, ShowsTheSameSkyAndTimesWhateverTheMachinesTimeZone) {
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";
    std::vector<std::vector<std::string>> shown;
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/New_York"}) {
        setenv("TZ", zone, 1);
        tzset();
        start();
        app->main_window().Timer1_Timer();
        MainWindow& f = app->main_window();
        LiveValuesWindow& items = app->live_values_window();
        std::vector<std::string> texts;
        for (platform::Label* l : {&f.Label21, &f.Label4, &f.Label5, &f.Label6, &f.Label23})
            texts.push_back(l->caption().toStdString());
        for (const char* item : {"Text2", "Text3", "Text4", "Text8", "Text9", "Text10", "Text11", "Text14"})
            texts.push_back(items.item_text(item).toStdString());
        shown.push_back(texts);
        app.reset();
    }
    if (before) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();

    // 03:00 UTC is noon at the default station (135.15 E, 34.5 N, 9 hours east of UTC).
    EXPECT_EQ(shown[0][0], "2018/01/21 12:00:00");
    // The Sun stands near its noon height there: 35.51 degrees by an independent almanac
    // computation (PyEphem, no refraction). The program's own theory is good to a few
    // hundredths of a degree.
    EXPECT_NEAR(std::stod(shown[0][9]), 35.51, 0.05);
    EXPECT_NEAR(std::stod(shown[0][8]), 176.94, 0.1);
    EXPECT_EQ(shown[1], shown[0]);
    EXPECT_EQ(shown[2], shown[0]);
}

TEST_F(Program, SettingsThatCannotBeWrittenAreToldOnceAndTheFileIsKept) {
    start();
    const std::string before = dir.read("torv.ini");
    ::chmod(torv_ini().c_str(), 0444);  // made read-only by the operator
    platform::MsgBoxRecorder::current()->clear();
    app->main_window().Command2_Click();  // "終了" saves the display settings, key by key
    ::chmod(torv_ini().c_str(), 0644);

    const auto& texts = platform::MsgBoxRecorder::current()->texts;
    EXPECT_EQ(std::count(texts.begin(), texts.end(),
                         "設定ファイルに書き込めません。設定の変更は保存されません。\n" + torv_ini()),
              1);
    EXPECT_EQ(dir.read("torv.ini"), before);
}

// A program following the live values (an antenna rotator) sees the current instant's
// values only: the ground tracks, the coming revolutions and the Doppler step's range
// 3 s ahead compute the selected satellite too, but never publish what they compute.
TEST_F(Program, SubscribersSeeOnlyTheCurrentInstantsValuesOncePerTick) {
    start();
    MainWindow& f = app->main_window();
    for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3}) t->setEnabled(false);  // ticks driven here
    f.Command1_Click();  // two coming revolutions besides the next one
    f.Command1_Click();
    ItemClient client;
    ASSERT_TRUE(client.connect(static_cast<quint16>(std::stoi(ini_read(Section{"DDE"}, Key{"PORT"}, torv_ini())))));
    const std::vector<std::string> items = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                            "Text7", "Text14", "Label21", "Label23", "Label24", "Label26"};
    const std::string application = platform::ItemServer::executable_application_name().toStdString();
    for (const std::string& item : items) client.send("ADVISE " + application + "|extrn!" + item);
    auto drain = [&] {
        std::map<std::string, std::vector<std::string>> changes;  // item: values in arrival order
        for (ItemClient::Frame fr = client.next(300); !fr.header.empty(); fr = client.next(150)) {
            if (!fr.header.starts_with("CHANGE ")) continue;
            const std::string name = fr.header.substr(7, fr.header.rfind(' ') - 7);
            changes[name.substr(name.find('!') + 1)].push_back(fr.value);
        }
        return changes;
    };
    drain();  // the values at subscription

    for (int second = 1; second <= 10; ++second) {
        SCOPED_TRACE(second);
        platform::clock_fix({2018, 1, 21, 3, 0, second});
        f.Timer1_Timer();
        const auto changes = drain();
        for (const auto& [item, values] : changes) EXPECT_LE(values.size(), 1u) << item;
        ASSERT_EQ(changes.count("Text2"), 1u);  // the satellite moves every second

        // The current instant's azimuth and elevation, computed apart from the program.
        TimeState at_instant = app->state.time;
        OrbitState orbit;
        OrbitContext ctx{app->state.elements, app->state.corrections,
                         app->state.station,  app->state.groups.selected_sat,
                         at_instant,          orbit};
        at_instant.realtime_flag = 0;
        at_instant.calc_time = make_datetime({2018, 1, 21, 3, 0, second});
        std::string name = app->state.groups.selected_sat;
        ASSERT_TRUE(sat_position_disp(ctx, name));
        EXPECT_EQ(changes.at("Text2").back(), format_number(orbit.calc.calc_az * 180 / kPi, "###0.00000"));
        if (changes.count("Text3")) {
            EXPECT_EQ(changes.at("Text3").back(), format_number(orbit.calc.calc_el * 180 / kPi, "##0.00000"));
        }
        EXPECT_EQ(app->live_values_window().item_text("Text3").toStdString(),
                  format_number(orbit.calc.calc_el * 180 / kPi, "##0.00000"));
    }
}

// Every default satellite has its transponder record, so an operator stepping through
// the groups on a fresh install is never sent to the information editor.
TEST_F(Program, EveryDefaultSatelliteCanBeSelectedWithoutTheEditor) {
    start();
    MainWindow& f = app->main_window();
    platform::MsgBoxRecorder::current()->clear();
    void (MainWindow::*const clicks[])() = {
        &MainWindow::Label12_Click, &MainWindow::Label13_Click, &MainWindow::Label14_Click, &MainWindow::Label15_Click,
        &MainWindow::Label16_Click, &MainWindow::Label60_Click, &MainWindow::Label61_Click};
    std::vector<std::string> selected;
    for (int group = 0; group < 5; ++group) {
        for (auto click : clicks) {
            (f.*click)();
            selected.push_back(app->state.groups.selected_sat);
            EXPECT_FALSE(app->sat_info_editor.exists() && app->sat_info_editor().isVisible()) << selected.back();
            EXPECT_EQ(app->ft847().Label4.caption().toStdString(), selected.back());  // set up for it
        }
        f.Command5_Click();  // the next group
    }
    EXPECT_EQ(std::set<std::string>(selected.begin(), selected.end()).size(), 35u);
    EXPECT_TRUE(platform::MsgBoxRecorder::current()->texts.empty());
}

TEST_F(Program, PartnerStationsRegisteredFromTheMenuRestartTheProgramWithTheLinkStopped) {
    start();
    app->main_window().Command12_Click();
    app->ft847().Command2_Click();
    ASSERT_TRUE(pump_until([&] { return radio.state.sat_mode; }, 5000));

    app->main_window().menu_tourokukyoku.Click();
    PartnerStationDialog& dialog = app->partner_station_dialog();
    EXPECT_TRUE(dialog.isVisible());
    PartnerRow& row = dialog.row(1);
    row.call.setText("w1aw");
    row.lon.setText("-72.72");
    row.lat.setText("41.71");
    row.height.setText("20");
    row.utc.setText("-5");
    row.has_map.setValue(0);
    app->state.settings.sun_disp = 2;  // a display option chosen while the program ran
    platform::MsgBoxRecorder::current()->clear();
    // Registered from the program's own event loop, as the operator would.
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    give_up.start(10000);
    QTimer::singleShot(0, [&] { dialog.Command6_Click(); });
    EXPECT_EQ(QApplication::exec(), 0);
    give_up.stop();
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts, std::vector<std::string>{"プログラムを再起動してください"});
    EXPECT_EQ(app->rig_context.mirror.ft847_running, 0);
    ASSERT_TRUE(pump_until([&] { return !radio.state.cat_on; }, 2000));
    // The main window's settings were saved on the way.
    EXPECT_EQ(ini_read(Section{"SUN"}, Key{"DISP"}, torv_ini()), "2");

    // Started again, the program knows the new station.
    app.reset();
    start();
    EXPECT_EQ(app->state.partners.partner_name[1], "W1AW");
    EXPECT_DOUBLE_EQ(app->state.partners.partner_lon[1], -72.72);
    EXPECT_DOUBLE_EQ(app->state.partners.partner_time_diff[1], -5);
}

TEST_F(Program, GroupsAndColoursRegisteredFromTheMenuAreThoseOfTheNextStart) {
    start();
    app->main_window().menueisei.Click();
    GroupSettingsDialog& dialog = app->group_settings_dialog();
    EXPECT_TRUE(dialog.isVisible());
    dialog.group_options[4].setValue(true);  // group E
    dialog.Check1.setValue(1);
    dialog.List1.setListIndex(0);
    dialog.List2.setListIndex(0);
    dialog.Command2_Click();  // the group's first satellite out, the first of the list in
    dialog.Command1_Click();
    std::array<std::string, 7> group_e;
    for (int k = 0; k < 7; ++k) group_e[k] = dialog.slot_labels[4][k].caption().toStdString();
    EXPECT_EQ(group_e[std::count_if(group_e.begin(), group_e.end(), [](auto& n) { return !n.empty(); }) - 1],
              dialog.List1.list(0).toStdString());
    platform::ChooserScript chooser;
    chooser.colors = {8421504};
    dialog.color_labels[0].Click();  // "衛星１"
    dialog.Text1.setText("7");
    EXPECT_TRUE(dialog.Command3_Click());
    EXPECT_EQ(app->main_window().Command13.caption(), "7分加速処理");
    platform::MsgBoxRecorder::current()->clear();
    QTimer::singleShot(0, [&] { dialog.Command4_Click(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts, std::vector<std::string>{"プログラムを再起動してください"});

    app.reset();
    start();
    EXPECT_EQ(app->state.groups.group_sat_names[4], group_e);
    EXPECT_DOUBLE_EQ(app->state.settings.color_eisei1, 8421504);
    EXPECT_EQ(app->main_window().Command13.caption(), "7分加速処理");
}

TEST_F(Program, TheStationRegisteredFromTheMenuIsThatOfTheNextStart) {
    start();
    app->main_window().manuqth.Click();
    StationDialog& dialog = app->station_dialog();
    EXPECT_TRUE(dialog.isVisible());
    dialog.Text5.setText("W1AW");
    dialog.Text4.setText("FN31PR");
    dialog.Command2_Click();
    dialog.Text3.setText("20");
    dialog.Combo3.setText("-5");
    dialog.Combo1.setText("COM2");  // the FT-847 link of this test is on COM1 and switched on
    platform::MsgBoxRecorder::current()->clear();
    QTimer::singleShot(0, [&] { dialog.Command1_Click(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts, std::vector<std::string>{"プログラムを再起動してください"});

    app.reset();
    start();
    EXPECT_EQ(app->state.station.call_sign, "W1AW");
    EXPECT_DOUBLE_EQ(app->state.station.station_lat, 41.71);
    EXPECT_DOUBLE_EQ(app->state.station.station_lon, -72.75);
    EXPECT_DOUBLE_EQ(app->state.time.time_diff, -5);
    EXPECT_EQ(app->state.settings.ft847_cat.port, "COM2");
}

TEST_F(Program, APortTheStationDialogRegistersIsTheOneTheTransceiverWindowOpensNext) {
    ini_write(Section{"POSITION"}, Key{"CALL"}, "JA1ABC", torv_ini());
    start();
    // Stored after the start: the dialog shows it, and registers it without a restart, as
    // nothing was edited. The FT-847 window, loaded since the start, opens it next.
    ini_write(Section{"FT847"}, Key{"CAT"}, "1:COM5:9600:", torv_ini());
    ini_write(Section{"SERIAL"}, Key{"COM5"}, "/nonexistent/ttyS4", torv_ini());
    app->main_window().manuqth.Click();
    platform::MsgBoxRecorder::current()->clear();
    EXPECT_TRUE(app->station_dialog().Command1_Click());
    app->ft847().Command2_Click();
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"ＣＯＭポート　COM5 のオープンができませんでした。"});
}
