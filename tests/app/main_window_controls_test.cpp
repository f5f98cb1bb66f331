#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <map>
#include <variant>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/browser.h"
#include "platform/msg_box.h"
#include "platform/process.h"
#include "support/program_fixture.h"

using namespace torv;
using platform::MenuItem;

namespace {

// The whole program on the default data, every transceiver port switched on (so that
// every button can be pressed), a play list of three tracks, no browser and no
// companion program really started.
struct MainWindowControls : ProgramOnDefaultData {
    platform::ProcessRecorder programs;
    std::vector<QUrl> pages;

    void configure(const std::string& ini) override {
        dir.write("torv.csv", "/nowhere/a.mp3\r\n/nowhere/b.mp3\r\n/nowhere/c.mp3\r\n");
        for (const char* rig : {"FT847", "IC910", "TS2000", "FT736"})
            ini_write(Section{rig}, Key{"CAT"}, "1:COM9:9600:", ini);
        platform::set_url_opener([this](const QUrl& url) {
            pages.push_back(url);
            return true;
        });
    }
    void SetUp() override {
        ProgramOnDefaultData::SetUp();
        MainWindow& f = app->main_window();
        for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3}) t->setEnabled(false);  // no tick between rows
    }
    void TearDown() override {
        ProgramOnDefaultData::TearDown();
        platform::set_url_opener(nullptr);
    }
    std::vector<std::string>& messages() { return platform::MsgBoxRecorder::current()->texts; }
    std::string ini(const char* section, const char* key) { return ini_read(Section{section}, Key{key}, torv_ini()); }

    // Whether the program ends while click runs inside its own event loop.
    bool ends_the_program(const std::function<void()>& click) {
        QTimer give_up;
        give_up.setSingleShot(true);
        QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        give_up.start(5000);
        QTimer::singleShot(0, click);
        const int rc = QApplication::exec();
        return rc == 0;
    }
};

using Fixture = MainWindowControls;
using Click = std::function<void()>;
// What a control does: the check clicks it (once or more) and looks at the effect.
using Check = std::function<void(Fixture&, MainWindow&, const Click&)>;
using Control =
    std::variant<MenuItem MainWindow::*, platform::CommandButton MainWindow::*, platform::CheckBox MainWindow::*>;

struct Row {
    const char* name;
    Control control;
    Check check;
    // The control ends the program: its row runs after the others, since an ended
    // program keeps its windows and stops their timers.
    bool ends_program = false;
};

// The items of a window's menus that run a command (no submenu, no separator), in
// menu order.
void command_items(QMenu* menu, std::vector<QAction*>& out) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu()) command_items(a->menu(), out);
        else out.push_back(a);
    }
}

// The item is ticked and every other item of its submenu is not.
void expect_ticked_alone(QAction* item) {
    EXPECT_TRUE(item->isChecked());
    for (QObject* o : item->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(o);
        if (!menu) continue;
        for (QAction* other : menu->actions())
            if (other != item && other->isChecked()) ADD_FAILURE() << "also ticked: " << other->text().toStdString();
    }
}

QAction* clicked_item;  // the menu item of the row being checked

// An option held for the views (and the save at shutdown): its value after the click.
Check option(std::function<std::string(App&)> held, std::string value) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        const std::string before = t.dir.read("torv.ini");
        click();
        expect_ticked_alone(clicked_item);
        EXPECT_EQ(held(*t.app), value);
        EXPECT_EQ(t.dir.read("torv.ini"), before);  // written by the save at shutdown
    };
}
Check number(int16_t MainSettings::*variable, int16_t value) {
    return option([variable](App& a) { return std::to_string(a.state.settings.*variable); }, std::to_string(value));
}
Check text(std::string MainSettings::*variable, const char* value) {
    return option([variable](App& a) { return a.state.settings.*variable; }, value);
}
// An option whose key the click writes at once.
Check written_now(std::string MainSettings::*variable, const char* value, const char* section) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        ini_write(Section{section}, Key{"DISP"}, "x", torv_ini());
        click();
        expect_ticked_alone(clicked_item);
        EXPECT_EQ(t.app->state.settings.*variable, value);
        EXPECT_EQ(t.ini(section, "DISP"), value);
    };
}
// A body display: the option, and its panel shown for every mode but "hidden".
Check body(int16_t MainSettings::*variable, int16_t value, platform::Frame MainWindow::*panel) {
    return [=](Fixture& t, MainWindow& f, const Click& click) {
        number(variable, value)(t, f, click);
        EXPECT_EQ((f.*panel).isVisibleTo(&f), value != 0);
    };
}

template <class W>
Check shows(platform::FormInstance<W> App::*window) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        click();
        ASSERT_TRUE((t.app.get()->*window).exists());
        EXPECT_TRUE((t.app.get()->*window)().isVisible());
        (t.app.get()->*window)().Hide();
    };
}

// A screen layout: the window's outer size (title bar, borders and menu bar included;
// within a pixel) and gamen_no; "1" also shows the enlarged world map and ticks "通常"
// beside its own item.
Check layout(const char* code, int width, int height) {
    return [=](Fixture& t, MainWindow& f, const Click& click) {
        click();
        EXPECT_EQ(t.app->state.settings.gamen_no, code);
        EXPECT_NEAR(f.outer_width(), width, 15);
        EXPECT_NEAR(f.outer_height(), height, 15);
        if (std::string(code) != "1") {
            expect_ticked_alone(clicked_item);
            return;
        }
        EXPECT_TRUE(clicked_item->isChecked());
        EXPECT_TRUE(f.menu_gsiza_max.checked());
        ASSERT_TRUE(t.app->world_zoom_window.exists());
        EXPECT_TRUE(t.app->world_zoom_window().isVisible());
    };
}

// The schedule window, opened with the pass list taking passes and the button yellow;
// closed again, both as they were.
Check opens_schedule() {
    return [](Fixture& t, MainWindow& f, const Click& click) {
        click();
        ASSERT_TRUE(t.app->schedule_window.exists());
        EXPECT_TRUE(t.app->schedule_window().isVisible());
        EXPECT_EQ(t.app->state.schedule.sched_window_open, 1);
        EXPECT_EQ(f.List1.backColor(), 12648447);
        EXPECT_EQ(f.List1.toolTip(), "ダブルクリックするとスケジュールに登録します。");
        EXPECT_EQ(f.Command24.palette().color(QPalette::Button), QColor(255, 255, 0));
        t.app->schedule_window().Command3_Click();
        EXPECT_FALSE(t.app->schedule_window.exists());
        EXPECT_EQ(t.app->state.schedule.sched_window_open, 0);
        EXPECT_EQ(f.List1.backColor(), 12648384);
        EXPECT_EQ(f.List1.toolTip(), "選択されている衛星のスケジュール");
        EXPECT_EQ(f.Command24.palette().color(QPalette::Button), platform::to_qcolor(platform::kButtonFace));
    };
}

Check starts(const char* program, platform::WindowMode mode) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        const size_t before = t.programs.starts.size();
        click();
        ASSERT_EQ(t.programs.starts.size(), before + 1);
        EXPECT_EQ(t.programs.starts.back().file, program);
        EXPECT_EQ(t.programs.starts.back().mode, mode);
    };
}

Check opens_help() {
    return [](Fixture& t, MainWindow&, const Click& click) {
        t.pages.clear();
        click();
        ASSERT_EQ(t.pages.size(), 1u);
        EXPECT_EQ(t.pages[0], QUrl::fromLocalFile(QString::fromStdString(t.dir.file("torv_help.html"))));
    };
}

Check band(int row) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        const int16_t before = t.app->state.view.doppler_band[row];
        click();
        EXPECT_EQ(t.app->state.view.doppler_band[row], before == 5 ? 1 : before + 1);
    };
}

Check track(int step) {
    return [=](Fixture& t, MainWindow& f, const Click& click) {
        f.Check2.setValue(1);
        t.app->state.view.slot_visible[3] = 1;
        const int before = f.play_list().play_pos;
        click();
        EXPECT_EQ(f.play_list().play_pos, (before + step + 3) % 3);
        EXPECT_EQ(f.Label45.caption().toInt(), f.play_list().play_pos + 1);
    };
}

Check sound_box(const char* key) {
    return [=](Fixture& t, MainWindow&, const Click& click) {
        ini_write(Section{"SOUND"}, Key{key}, "x", torv_ini());
        click();
        EXPECT_TRUE(t.ini("SOUND", key) == "0" || t.ini("SOUND", key) == "1");
    };
}

const std::vector<Row>& rows() {
    using F = MainWindow;
    using S = MainSettings;
    static const std::vector<Row> table = {
        // ファイル
        {"manuqth", &F::manuqth, shows(&App::station_dialog)},
        {"menu_tourokukyoku", &F::menu_tourokukyoku, shows(&App::partner_station_dialog)},
        {"menueisei", &F::menueisei, shows(&App::group_settings_dialog)},
        {"menukidou", &F::menukidou, shows(&App::element_update_window)},
        {"menu_e_info", &F::menu_e_info, shows(&App::sat_info_editor)},
        {"menu_schedule", &F::menu_schedule, opens_schedule()},
        {"menu_cw_mes_set", &F::menu_cw_mes_set, shows(&App::cw_message_editor)},
        {"menuend", &F::menuend,
         [](Fixture& t, MainWindow&, const Click& click) {
             const std::string before = t.dir.read("torv.ini");
             EXPECT_TRUE(t.ends_the_program(click));
             EXPECT_EQ(t.dir.read("torv.ini"), before);  // nothing saved
         },
         true},
        // 表示
        {"menyusun_hyouji", &F::menyusun_hyouji, body(&S::sun_disp, 1, &F::Frame4)},
        {"menyusun_grafick", &F::menyusun_grafick, body(&S::sun_disp, 2, &F::Frame4)},
        {"menyusun_borderless", &F::menyusun_borderless, body(&S::sun_disp, 3, &F::Frame4)},
        {"menyusun_hihyouji", &F::menyusun_hihyouji, body(&S::sun_disp, 0, &F::Frame4)},
        {"menumoon_hyouji", &F::menumoon_hyouji, body(&S::moon_disp, 1, &F::Frame5)},
        {"menumoon_grafick", &F::menumoon_grafick, body(&S::moon_disp, 2, &F::Frame5)},
        {"menyumoon_borderless", &F::menyumoon_borderless, body(&S::moon_disp, 3, &F::Frame5)},
        {"menumoon_hihyouji", &F::menumoon_hihyouji, body(&S::moon_disp, 0, &F::Frame5)},
        {"menukasei_hyouji", &F::menukasei_hyouji, body(&S::kasei_disp, 1, &F::Frame8)},
        {"menukasei_grafick", &F::menukasei_grafick, body(&S::kasei_disp, 2, &F::Frame8)},
        {"menyukasei_borderless", &F::menyukasei_borderless, body(&S::kasei_disp, 3, &F::Frame8)},
        {"menukasei_hihyouji", &F::menukasei_hihyouji, body(&S::kasei_disp, 0, &F::Frame8)},
        {"menu_kiseki_hyouji", &F::menu_kiseki_hyouji, number(&S::kiseki_disp, 1)},
        {"menu_kiseki_hihyouji", &F::menu_kiseki_hihyouji, number(&S::kiseki_disp, 0)},
        {"menu_jikan_hyouji", &F::menu_jikan_hyouji, number(&S::jikan_disp, 1)},
        {"menu_jikan_hihyouji", &F::menu_jikan_hihyouji, number(&S::jikan_disp, 0)},
        {"menu_blink_hyouji", &F::menu_blink_hyouji, number(&S::eisei_blink, 1)},
        {"menu_blink_white", &F::menu_blink_white, number(&S::eisei_blink, 2)},
        {"menu_blink_hihyouji", &F::menu_blink_hihyouji, number(&S::eisei_blink, 0)},
        {"menu_alon_hyouji", &F::menu_alon_hyouji, number(&S::alat_alon_disp, 1)},
        {"menu_alon_hihyouji", &F::menu_alon_hihyouji, number(&S::alat_alon_disp, 0)},
        {"menu_local_map_hyouji", &F::menu_local_map_hyouji,
         option([](App& a) { return std::to_string(a.state.settings.local.local_map_show); }, "1")},
        {"menu_local_map_hihyouji", &F::menu_local_map_hihyouji,
         option([](App& a) { return std::to_string(a.state.settings.local.local_map_show); }, "0")},
        {"MENU_TIME_CHECK", &F::MENU_TIME_CHECK,
         [](Fixture& t, MainWindow& f, const Click& click) {
             starts("SW_NORAS.EXE", platform::WindowMode::Hidden)(t, f, click);
             expect_ticked_alone(clicked_item);
             EXPECT_EQ(t.app->state.settings.ntp_auto, "1");
             EXPECT_EQ(f.Label53.caption(), QString::fromUtf8("時間自動更新"));
         }},
        {"MENU_TIME_NOCHECK", &F::MENU_TIME_NOCHECK, text(&S::ntp_auto, "0")},
        {"menu_unyou_oscar", &F::menu_unyou_oscar, text(&S::oscar_amsat_url, "1")},
        {"menu_unyou_amsat", &F::menu_unyou_amsat, text(&S::oscar_amsat_url, "2")},
        {"menu_unyou_oscar_asmat", &F::menu_unyou_oscar_asmat, text(&S::oscar_amsat_url, "3")},
        {"menu_rada_info_on", &F::menu_rada_info_on, written_now(&S::reda_disp_info, "1", "REDA_DISP_INFO")},
        {"menu_rada_info_off", &F::menu_rada_info_off, written_now(&S::reda_disp_info, "0", "REDA_DISP_INFO")},
        {"menu_kasieisei_tuuti", &F::menu_kasieisei_tuuti, written_now(&S::kasi_eisei_disp, "1", "KASI_EISEI")},
        {"menu_kasieisei_hituuti", &F::menu_kasieisei_hituuti, written_now(&S::kasi_eisei_disp, "0", "KASI_EISEI")},
        {"menu_dde", &F::menu_dde, shows(&App::live_values_window)},
        // ヘルプ
        {"menusousa", &F::menusousa, opens_help()},
        {"menuhp", &F::menuhp, opens_help()},
        {"menu_ver_chk_on", &F::menu_ver_chk_on, text(&S::ver_on_off, "1")},
        {"menu_ver_chk_off", &F::menu_ver_chk_off, text(&S::ver_on_off, "0")},
        {"menuver", &F::menuver, shows(&App::version_window)},
        // 画面サイズ
        {"menu_gsiza_max", &F::menu_gsiza_max, layout("0", 9645, 10950)},
        {"menu_gsiza_max_map", &F::menu_gsiza_max_map, layout("1", 9645, 10950)},
        {"menu_gsiza_min_map", &F::menu_gsiza_min_map, layout("2", 6290, 4385)},
        {"menu_gsize_min_rada", &F::menu_gsize_min_rada, layout("3", 6290, 4500)},
        {"menu_gsize_24H", &F::menu_gsize_24H, layout("4", 6230, 4850)},
        {"menu_gsize_24H_rada", &F::menu_gsize_24H_rada, layout("5", 9645, 5200)},
        {"menu_gsiza_min_map_rada", &F::menu_gsiza_min_map_rada, layout("6", 9645, 4550)},
        // リグコントロール
        {"menu_rigu_ft847", &F::menu_rigu_ft847, shows(&App::ft847)},
        {"menu_rigu_ic910", &F::menu_rigu_ic910, shows(&App::ic910)},
        {"menu_rigu_ts2000", &F::menu_rigu_ts2000, shows(&App::ts2000)},
        {"menu_rigu_ft736", &F::menu_rigu_ft736, shows(&App::ft736)},

        // Buttons and boxes.
        {"Command1", &F::Command1,
         [](Fixture& t, MainWindow&, const Click& click) {
             const int before = t.app->state.view.future_orbits;
             click();
             EXPECT_EQ(t.app->state.view.future_orbits, before + 1);
         }},
        {"Command2", &F::Command2,
         [](Fixture& t, MainWindow&, const Click& click) {
             t.dir.write("torv.ini", "");
             EXPECT_TRUE(t.ends_the_program(click));
             // The save writes the states the menus left.
             const MainSettings& s = t.app->state.settings;
             EXPECT_EQ(t.ini("SUN", "DISP"), std::to_string(s.sun_disp));
             EXPECT_EQ(t.ini("KISEKI", "DISP"), std::to_string(s.kiseki_disp));
             EXPECT_EQ(t.ini("BLINK", "EISEI_BLINK"), std::to_string(s.eisei_blink));
             EXPECT_EQ(t.ini("ALAT/ALON", "DISP"), std::to_string(s.alat_alon_disp));
             EXPECT_EQ(t.ini("HAIKEIZU", "LOCAL_MAP"), "JAPAN.BMP,135,35, " + std::to_string(s.local.local_map_show));
             EXPECT_EQ(t.ini("NTP_TIME", "NTP_AUTO"), s.ntp_auto);
             EXPECT_EQ(t.ini("UNYOU", "OSCAR_AMSAT_URL"), s.oscar_amsat_url);
             EXPECT_EQ(t.ini("VERSION", "VER_ON_OFF"), s.ver_on_off);
             EXPECT_EQ(t.ini("SATELITE", "SELECT"),
                       std::to_string(t.app->state.groups.group_current) + ":" + t.app->state.groups.selected_sat);
         },
         true},
        {"Command3", &F::Command3,
         [](Fixture& t, MainWindow&, const Click& click) {
             const int before = t.app->state.groups.group_current;
             click();
             EXPECT_EQ(t.app->state.groups.group_current, (before + 4) % 5);
         }},
        {"Command4", &F::Command4,
         [](Fixture& t, MainWindow& f, const Click& click) {
             t.app->state.time.time_day_offset = 2;
             click();
             EXPECT_EQ(t.app->state.time.time_day_offset, 0);
             EXPECT_EQ(f.Command4.palette().color(QPalette::Button), QColor(255, 255, 0));
         }},
        {"Command5", &F::Command5,
         [](Fixture& t, MainWindow&, const Click& click) {
             const int before = t.app->state.groups.group_current;
             click();
             EXPECT_EQ(t.app->state.groups.group_current, (before + 1) % 5);
         }},
        {"Command6", &F::Command6, starts("DORREK.exe", platform::WindowMode::Normal)},
        {"Command7", &F::Command7, band(0)},
        {"Command8", &F::Command8, band(1)},
        {"Command9", &F::Command9, band(2)},
        {"Command10", &F::Command10,
         [](Fixture& t, MainWindow&, const Click& click) {
             const int before = t.app->state.time.time_day_offset;
             click();
             EXPECT_EQ(t.app->state.time.time_day_offset, before + 1);
         }},
        {"Command11", &F::Command11, shows(&App::week_table_window)},
        {"Command12", &F::Command12, shows(&App::ft847)},
        {"Command13", &F::Command13,
         [](Fixture& t, MainWindow& f, const Click& click) {
             const int before = t.app->state.time.time_accel_steps;
             click();
             EXPECT_EQ(t.app->state.time.time_accel_steps, before + 1);
             EXPECT_EQ(f.Timer2.interval(), 3000);
         }},
        {"Command14", &F::Command14,
         [](Fixture& t, MainWindow&, const Click& click) {
             const int before = t.app->state.chart.chart_shift;
             click();
             EXPECT_EQ(t.app->state.chart.chart_shift, 1 - before);
         }},
        {"Command15", &F::Command15, track(-1)},
        {"Command16", &F::Command16, track(+1)},
        {"Command17", &F::Command17,
         [](Fixture& t, MainWindow&, const Click& click) {
             t.pages.clear();
             t.app->state.settings.oscar_amsat_url = "3";
             click();
             EXPECT_EQ(t.pages.size(), 2u);
             EXPECT_FALSE(t.app->progress_window.exists());
         }},
        {"Command18", &F::Command18, shows(&App::partner_week_table_window)},
        {"Command19", &F::Command19, shows(&App::ic910)},
        {"Command20", &F::Command20,
         [](Fixture& t, MainWindow&, const Click& click) {
             t.app->state.time.time_day_offset = 3;
             click();
             EXPECT_EQ(t.app->state.time.time_day_offset, 2);
         }},
        {"Command21", &F::Command21, shows(&App::ts2000)},
        {"Command22", &F::Command22, starts("Vantle.exe", platform::WindowMode::Normal)},
        {"Command23", &F::Command23, shows(&App::ft736)},
        {"Command24", &F::Command24, opens_schedule()},
        {"Check1", &F::Check1, sound_box("KOUKAON_CK1")},
        {"Check2", &F::Check2, sound_box("MUSIC_CK2")},
        {"Check3", &F::Check3, sound_box("KOUKA5_CK3")},
    };
    return table;
}

// The control of a row in the window, and how the operator uses it.
struct Found {
    const Row* row = nullptr;
    Click click;
};

}  // namespace

// Every command item of the menus, every button and every box of the main window has a
// row here (a control added without one fails), and each does what its row says.
TEST_F(MainWindowControls, EveryMenuItemButtonAndBoxDoesWhatItsRowSays) {
    MainWindow& f = app->main_window();
    std::map<const QObject*, Found> by_control;
    for (const Row& r : rows()) {
        std::visit(
            [&](auto member) {
                auto& control = f.*member;
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(control)>, MenuItem>)
                    by_control[control.action()] = {&r, [a = control.action()] { a->trigger(); }};
                else
                    by_control[&control] = {&r, [c = &control] { c->click(); }};
            },
            r.control);
    }

    std::vector<const QObject*> controls;
    std::vector<QAction*> items;
    for (QAction* menu : f.menuBar()->actions()) command_items(menu->menu(), items);
    controls.insert(controls.end(), items.begin(), items.end());
    for (auto* b : f.findChildren<platform::CommandButton*>()) controls.push_back(b);
    for (auto* c : f.findChildren<platform::CheckBox*>()) controls.push_back(c);
    std::stable_partition(controls.begin(), controls.end(), [&](const QObject* c) {
        const auto it = by_control.find(c);
        return it == by_control.end() || !it->second.row->ends_program;
    });

    size_t checked = 0;
    for (const QObject* c : controls) {
        const auto it = by_control.find(c);
        if (it == by_control.end()) {
            const auto* a = qobject_cast<const QAction*>(c);
            const auto* b = qobject_cast<const QAbstractButton*>(c);
            ADD_FAILURE() << "no row for the control " << (a ? a->text() : b->text()).toStdString();
            continue;
        }
        SCOPED_TRACE(it->second.row->name);
        if (auto* widget = qobject_cast<const QWidget*>(c)) {
            EXPECT_TRUE(widget->isEnabled());
        }
        clicked_item = qobject_cast<QAction*>(const_cast<QObject*>(c));
        it->second.row->check(*this, f, it->second.click);
        ++checked;
    }
    EXPECT_EQ(checked, rows().size());  // and no row for a control the window lacks
}
