#include <gtest/gtest.h>

#include <QUrl>

#include "common/cp932.h"
#include "common/settings_store.h"
#include "support/main_harness.h"
#include "platform/browser.h"
#include "platform/process.h"

using torv::MainWindow;
using platform::MenuItem;

namespace {

QString qs(const char* s) { return QString::fromUtf8(s); }

// Opens no browser: records each page handed over and answers as told.
struct PageRecorder {
    std::vector<QUrl> pages;
    bool handler = true;
    std::function<void()> on_open;
    PageRecorder() {
        platform::set_url_opener([this](const QUrl& url) {
            pages.push_back(url);
            if (on_open) on_open();
            return handler;
        });
    }
    ~PageRecorder() { platform::set_url_opener(nullptr); }
};

std::string ini(const MainHarness& h, const char* section, const char* key) {
    return torv::ini_read(torv::Section{section}, torv::Key{key}, h.dir.file("torv.ini"));
}

}  // namespace

TEST(MainWindowMenus, OptionItemsSetTheirValueTickOnlyTheirItemAndShowTheBodyPanels) {
    MainHarness h;
    MainWindow& f = h.main_window();
    torv::MainSettings& s = h.settings;
    const std::string before = h.ini_text();
    const struct {
        MenuItem& item;
        int16_t& variable;
        int16_t value;
        std::vector<MenuItem*> group;
        platform::Frame* panel;
    } cases[] = {
        {f.menyusun_grafick, s.sun_disp, 2,
         {&f.menyusun_hyouji, &f.menyusun_grafick, &f.menyusun_borderless, &f.menyusun_hihyouji}, &f.Frame4},
        {f.menyusun_hihyouji, s.sun_disp, 0,
         {&f.menyusun_hyouji, &f.menyusun_grafick, &f.menyusun_borderless, &f.menyusun_hihyouji}, &f.Frame4},
        {f.menumoon_hyouji, s.moon_disp, 1,
         {&f.menumoon_hyouji, &f.menumoon_grafick, &f.menyumoon_borderless, &f.menumoon_hihyouji}, &f.Frame5},
        {f.menyukasei_borderless, s.kasei_disp, 3,
         {&f.menukasei_hyouji, &f.menukasei_grafick, &f.menyukasei_borderless, &f.menukasei_hihyouji}, &f.Frame8},
        {f.menukasei_hihyouji, s.kasei_disp, 0,
         {&f.menukasei_hyouji, &f.menukasei_grafick, &f.menyukasei_borderless, &f.menukasei_hihyouji}, &f.Frame8},
        {f.menu_kiseki_hihyouji, s.kiseki_disp, 0, {&f.menu_kiseki_hyouji, &f.menu_kiseki_hihyouji}, nullptr},
        {f.menu_jikan_hyouji, s.jikan_disp, 1, {&f.menu_jikan_hyouji, &f.menu_jikan_hihyouji}, nullptr},
        {f.menu_blink_white, s.eisei_blink, 2,
         {&f.menu_blink_hyouji, &f.menu_blink_white, &f.menu_blink_hihyouji}, nullptr},
        {f.menu_blink_hihyouji, s.eisei_blink, 0,
         {&f.menu_blink_hyouji, &f.menu_blink_white, &f.menu_blink_hihyouji}, nullptr},
        {f.menu_alon_hihyouji, s.alat_alon_disp, 0, {&f.menu_alon_hyouji, &f.menu_alon_hihyouji}, nullptr},
        {f.menu_local_map_hyouji, s.local.local_map_show, 1,
         {&f.menu_local_map_hyouji, &f.menu_local_map_hihyouji}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item.caption().toStdString() + " " + std::to_string(c.value));
        c.item.action()->trigger();  // as the operator chooses it
        EXPECT_EQ(c.variable, c.value);
        for (MenuItem* m : c.group) EXPECT_EQ(m->checked(), m == &c.item);
        if (c.panel) {
            EXPECT_EQ(c.panel->isVisibleTo(&f), c.value != 0);
        }
        c.item.Click();  // chosen again: the same state
        EXPECT_EQ(c.variable, c.value);
        EXPECT_TRUE(c.item.checked());
    }
    EXPECT_EQ(h.ini_text(), before);  // written by the save at shutdown only
}

TEST(MainWindowMenus, RadarTextsAndVisibilityNoticesAreWrittenAtEveryClick) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const struct {
        MenuItem& item;
        MenuItem& other;
        const char* section;
        const std::string& variable;
        const char* value;
    } cases[] = {
        {f.menu_rada_info_on, f.menu_rada_info_off, "REDA_DISP_INFO", h.settings.reda_disp_info, "1"},
        {f.menu_rada_info_off, f.menu_rada_info_on, "REDA_DISP_INFO", h.settings.reda_disp_info, "0"},
        {f.menu_kasieisei_hituuti, f.menu_kasieisei_tuuti, "KASI_EISEI", h.settings.kasi_eisei_disp, "0"},
        {f.menu_kasieisei_tuuti, f.menu_kasieisei_hituuti, "KASI_EISEI", h.settings.kasi_eisei_disp, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item.caption().toStdString());
        c.item.Click();
        EXPECT_TRUE(c.item.checked());
        EXPECT_FALSE(c.other.checked());
        EXPECT_EQ(c.variable, c.value);
        EXPECT_EQ(ini(h, c.section, "DISP"), c.value);
        torv::ini_write(torv::Section{c.section}, torv::Key{"DISP"}, "x", h.dir.file("torv.ini"));
        c.item.Click();  // the item already ticked writes its key again
        EXPECT_EQ(ini(h, c.section, "DISP"), c.value);
    }
}

TEST(MainWindowMenus, StatusPageAndVersionNoticeChoicesAreHeldForTheSave) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const std::vector<MenuItem*> pages = {&f.menu_unyou_oscar, &f.menu_unyou_amsat, &f.menu_unyou_oscar_asmat};
    const char* values[] = {"1", "2", "3"};
    for (int i : {2, 0, 1}) {
        pages[i]->Click();
        EXPECT_EQ(h.settings.oscar_amsat_url, values[i]);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(pages[j]->checked(), i == j);
    }
    f.menu_ver_chk_on.Click();  // the check itself contacts nothing
    EXPECT_EQ(h.settings.ver_on_off, "1");
    EXPECT_TRUE(f.menu_ver_chk_on.checked());
    EXPECT_FALSE(f.menu_ver_chk_off.checked());
    f.menu_ver_chk_off.Click();
    EXPECT_EQ(h.settings.ver_on_off, "0");
    EXPECT_TRUE(h.messages().empty());
    EXPECT_EQ(ini(h, "UNYOU", "OSCAR_AMSAT_URL"), "ERROR");
}

TEST(MainWindowMenus, ExitSavesTheChosenOptionsAndCloseKeepsOnlyThoseWrittenAtTheClick) {
    platform::ProcessRecorder programs;
    auto choose = [](MainWindow& f) {
        for (MenuItem* m : {&f.menyusun_grafick, &f.menyumoon_borderless, &f.menukasei_hyouji, &f.menu_kiseki_hihyouji,
                            &f.menu_jikan_hyouji, &f.menu_blink_white, &f.menu_alon_hihyouji,
                            &f.menu_local_map_hyouji, &f.MENU_TIME_CHECK, &f.menu_unyou_amsat, &f.menu_ver_chk_on,
                            &f.menu_rada_info_on, &f.menu_kasieisei_hituuti})
            m->Click();
        f.Check2.setValue(1);
    };
    const std::pair<const char*, const char*> saved[] = {
        {"SUN", "2"}, {"MOON", "3"}, {"KASEI", "1"}, {"KISEKI", "0"}, {"JIKAN", "1"}, {"ALAT/ALON", "0"}};
    {
        MainHarness h;
        choose(h.main_window());
        h.main_window().Command2_Click();
        for (const auto& [section, value] : saved) EXPECT_EQ(ini(h, section, "DISP"), value) << section;
        EXPECT_NE(h.ini_text().find("EISEI_BLINK= 2"), std::string::npos);  // the leading-blank form
        EXPECT_EQ(ini(h, "HAIKEIZU", "LOCAL_MAP"), "JAPAN.BMP,135,35, 1");
        EXPECT_EQ(ini(h, "NTP_TIME", "NTP_AUTO"), "1");
        EXPECT_EQ(ini(h, "UNYOU", "OSCAR_AMSAT_URL"), "2");
        EXPECT_EQ(ini(h, "VERSION", "VER_ON_OFF"), "1");

        // The next start shows them again.
        torv::OwnStation station;
        torv::TimeState time;
        torv::SettingsProblems problems;
        const torv::MainSettings next = torv::read_main_settings(h.dir.file("torv.ini"), station, time, problems);
        EXPECT_EQ(next.sun_disp, 2);
        EXPECT_EQ(next.eisei_blink, 2);
        EXPECT_EQ(next.local.local_map_show, 1);
    }
    {
        MainHarness h;
        choose(h.main_window());
        h.main_window().menuend_Click();
        EXPECT_EQ(h.ended, 1);
        for (const auto& [section, value] : saved) EXPECT_EQ(ini(h, section, "DISP"), "ERROR") << section;
        EXPECT_EQ(ini(h, "NTP_TIME", "NTP_AUTO"), "ERROR");
        EXPECT_EQ(ini(h, "REDA_DISP_INFO", "DISP"), "1");
        EXPECT_EQ(ini(h, "KASI_EISEI", "DISP"), "0");
        EXPECT_EQ(ini(h, "SOUND", "MUSIC_CK2"), "1");
    }
}

TEST(MainWindowMenus, BandSelectorsStepThroughTheFiveBandsAndTheDisplayFollows) {
    MainHarness h;
    MainWindow& f = h.main_window();
    const struct {
        platform::CommandButton& button;
        int row;
        std::vector<int16_t> bands;
    } cases[] = {{f.Command7, 0, {2, 3, 4, 5, 1}}, {f.Command8, 1, {3, 4, 5, 1, 2}}, {f.Command9, 2, {5, 1, 2, 3, 4}}};
    for (const auto& c : cases)
        for (int16_t band : c.bands) {
            c.button.click();
            EXPECT_EQ(h.view.doppler_band[c.row], band) << c.row;
        }
    f.Command9.click();  // row 3: 2.4G -> 29M
    f.Timer1_Timer();
    EXPECT_EQ(f.Label26.caption(), "146M");
    EXPECT_EQ(f.Label28.caption(), "436M");
    EXPECT_EQ(f.Label30.caption(), "29M");
}

TEST(MainWindowMenus, TimeCorrectionRunsTheProgramHiddenWithoutItsPorts) {
    MainHarness h({{"NTP_TIME", "NTP_ELM", "sync_clock.sh,123,1024"}});
    MainWindow& f = h.main_window();
    platform::ProcessRecorder programs;
    EXPECT_FALSE(f.Label52.isVisibleTo(&f));
    f.MENU_TIME_CHECK.Click();
    EXPECT_EQ(h.settings.ntp_auto, "1");
    EXPECT_TRUE(f.MENU_TIME_CHECK.checked());
    EXPECT_FALSE(f.MENU_TIME_NOCHECK.checked());
    ASSERT_EQ(programs.starts.size(), 1u);
    EXPECT_EQ(programs.starts[0].file, "sync_clock.sh");
    EXPECT_TRUE(programs.starts[0].arguments.isEmpty());
    EXPECT_EQ(programs.starts[0].mode, platform::WindowMode::Hidden);
    EXPECT_TRUE(f.Label52.isVisibleTo(&f));
    EXPECT_TRUE(f.Label52.isEnabled());
    EXPECT_EQ(f.Label52.caption(), "2018/01/21 12:00:00");  // the station's local time
    EXPECT_EQ(f.Label53.caption(), qs("時間自動更新"));

    f.MENU_TIME_NOCHECK.Click();  // starts nothing, the labels stay as they are
    EXPECT_EQ(h.settings.ntp_auto, "0");
    EXPECT_TRUE(f.MENU_TIME_NOCHECK.checked());
    EXPECT_FALSE(f.MENU_TIME_CHECK.checked());
    EXPECT_EQ(programs.starts.size(), 1u);
    EXPECT_TRUE(f.Label52.isVisibleTo(&f));
    EXPECT_EQ(f.Label53.caption(), qs("時間自動更新"));
    EXPECT_EQ(ini(h, "NTP_TIME", "NTP_ELM"), "sync_clock.sh,123,1024");
}

TEST(MainWindowMenus, TimeCorrectionThatCannotStartItsProgramResetsTheSettingButTriesItAgain) {
    MainHarness h({{"NTP_TIME", "NTP_ELM", "sync_clock.sh,123,1024"}});
    MainWindow& f = h.main_window();
    platform::ProcessRecorder programs;
    programs.missing = {"sync_clock.sh"};
    f.MENU_TIME_CHECK.Click();
    EXPECT_EQ(f.Label52.caption(), qs("ＮＴＰ設定項目確認"));
    EXPECT_EQ(f.Label53.caption(), qs("時間自動更新失敗"));
    EXPECT_EQ(ini(h, "NTP_TIME", "NTP_ELM"), "SW_NORAS.EXE,,");
    EXPECT_TRUE(h.messages().empty());
    f.MENU_TIME_CHECK.Click();  // this run keeps the program it read
    ASSERT_EQ(programs.starts.size(), 2u);
    EXPECT_EQ(programs.starts[1].file, "sync_clock.sh");
}

TEST(MainWindowMenus, StatusPagesOpenInOrderWithTheProgressWindowBetweenThem) {
    MainHarness h;
    MainWindow& f = h.main_window();
    PageRecorder browser;
    std::vector<int> progress;
    std::vector<QString> label;
    browser.on_open = [&] {
        progress.push_back(h.progress_window().ProgressBar1.value());
        label.push_back(h.progress_window().Label1.caption());
        EXPECT_TRUE(h.progress_window().isVisible());
        EXPECT_EQ(h.progress_window().windowTitle(), qs("運用情報取得"));
    };
    const struct {
        const char* choice;
        std::vector<std::string> pages;
    } cases[] = {{"1", {"https://www.amsat.org/status/"}},
                 {"2", {"https://www.amsat.org/two-way-satellites/"}},
                 {"3", {"https://www.amsat.org/status/", "https://www.amsat.org/two-way-satellites/"}},
                 {"9", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        browser.pages.clear();
        progress.clear();
        label.clear();
        h.settings.oscar_amsat_url = c.choice;
        f.Command17.click();
        std::vector<std::string> opened;
        for (const QUrl& u : browser.pages) opened.push_back(u.toString().toStdString());
        EXPECT_EQ(opened, c.pages);
        for (size_t i = 0; i < label.size(); ++i)
            EXPECT_EQ(label[i], qs("インターネット接続中　") + QString::fromStdString(c.pages[i]));
        EXPECT_FALSE(h.progress_window.exists());  // closed when done, also with nothing to open
        if (c.pages.size() == 2) {
            ASSERT_EQ(progress.size(), 2u);
            EXPECT_EQ(progress[1], 50);  // half of the bar between the two pages
            EXPECT_LT(progress[0], progress[1]);
        }
    }
}

TEST(MainWindowMenus, CompanionProgramsStartByNameOrSayTheyAreMissing) {
    MainHarness h;
    MainWindow& f = h.main_window();
    platform::ProcessRecorder programs;
    f.Command22.click();
    f.Command6.click();
    ASSERT_EQ(programs.starts.size(), 2u);
    EXPECT_EQ(programs.starts[0].file, "Vantle.exe");
    EXPECT_EQ(programs.starts[1].file, "DORREK.exe");
    for (const auto& s : programs.starts) EXPECT_EQ(s.mode, platform::WindowMode::Normal);
    EXPECT_TRUE(h.messages().empty());

    programs.missing = {"Vantle.exe", "DORREK.exe"};
    const QString name = f.Label3.caption();
    f.Command22.click();
    f.Command6.click();
    EXPECT_EQ(h.messages(), (std::vector<std::string>{
                                "ＶＡＮＴＬＥがインストールされていません。 ＶＡＮＴＬＥをダウンロードし同じホルダーにイ"
                                "ンストールしてください｡ ",
                                "ＤＯＲＲＥＫがインストールされていません。 ＤＯＲＲＥＫをダウンロードし同じホルダーにイ"
                                "ンストールしてください｡ "}));
    EXPECT_EQ(f.Label3.caption(), name);
}

TEST(MainWindowMenus, HelpOpensThePageBesideTheProgramOrSaysWhatIsWrong) {
    MainHarness h;  // the default data, with its help page
    MainWindow& f = h.main_window();
    PageRecorder browser;
    f.menusousa.Click();
    f.menuhp.Click();
    ASSERT_EQ(browser.pages.size(), 2u);
    EXPECT_EQ(browser.pages[0], QUrl::fromLocalFile(QString::fromStdString(h.dir.file("torv_help.html"))));
    EXPECT_EQ(browser.pages[1], browser.pages[0]);
    EXPECT_TRUE(h.messages().empty());

    browser.handler = false;  // no program on this desktop opens it
    f.menusousa.Click();
    ASSERT_EQ(h.messages().size(), 1u);
    EXPECT_EQ(h.messages()[0],
              "操作説明を表示できません。ファイルを開くプログラムが見つかりません。\n" + h.dir.file("torv_help.html"));

    std::filesystem::remove(h.dir.file("torv_help.html"));
    f.menusousa.Click();
    EXPECT_EQ(h.messages().back(), "操作説明のファイルがありません。\n" + h.dir.file("torv_help.html"));
    EXPECT_EQ(browser.pages.size(), 3u);
}

TEST(MainWindowMenus, ControlsOfWindowsAskTheProgramToOpenThemAndSayNothing) {
    // Every window these controls open is the program's to open (the App answers each
    // request, or the build fails): the control asks for it and shows no box of its own.
    struct Opened : MainHarness::Seam {
        using MainHarness::Seam::Seam;
        std::vector<std::string> windows;
        void ic910_show() override { windows.push_back("ic910"); }
        void ts2000_show() override { windows.push_back("ts2000"); }
        void schedule_window_show() override { windows.push_back("schedule_window"); }
    };
    MainHarness h;
    const Opened& opened = h.answer_with<Opened>();
    MainWindow& f = h.main_window();
    f.Command19.Click();
    f.menu_rigu_ts2000.Click();
    f.menu_schedule.Click();
    EXPECT_EQ(opened.windows, (std::vector<std::string>{"ic910", "ts2000", "schedule_window"}));
    EXPECT_TRUE(h.messages().empty());
}

TEST(MainWindowMusic, PlayListOfTheProgramFolderAndTrackButtons) {
    std::string sixty;
    for (int i = 1; i <= 60; ++i) sixty += "/nowhere/track" + std::to_string(i) + ".mp3\r\n";
    MainHarness h;
    h.dir.write("torv.csv", sixty);
    MainWindow& f = h.main_window();
    EXPECT_EQ(f.play_list().play_count, 50);
    EXPECT_EQ(f.Label45.toolTip(), qs("現在の演奏の順"));

    f.Command16.click();  // music off: nothing but the focus
    EXPECT_EQ(f.play_list().play_pos, 0);
    f.Check2.setValue(1);
    h.view.slot_visible = {0, 0, 1, 0, 0, 0, 0};
    f.Command15.click();  // from the first back to the fiftieth
    EXPECT_EQ(f.play_list().play_pos, 49);
    EXPECT_EQ(h.view.music_file, "/nowhere/track50.mp3");
    EXPECT_EQ(f.Label45.caption(), "50");
    EXPECT_EQ(f.Label45.toolTip(), "/nowhere/track50.mp3");
    EXPECT_EQ(f.Command16.toolTip(), "/nowhere/track1.mp3");
    EXPECT_EQ(f.Command15.toolTip(), "/nowhere/track49.mp3");
    f.Command16.click();
    EXPECT_EQ(f.Label45.caption(), "1");
}
