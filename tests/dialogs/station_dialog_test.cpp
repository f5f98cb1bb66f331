#include "dialogs/station_dialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <fstream>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "dialogs/dialog_harness.h"
#include "dialogs/grid_locator.h"
#include "platform/choosers.h"

using namespace torv;

namespace {

struct Station : DialogFolder {
    OwnStation station;
    TimeState time;
    MainSettings settings;
    std::vector<std::string> world_maps;
    platform::ChooserScript chooser;
    explicit Station(const std::string& ini_bytes) : DialogFolder(ini_bytes) {
        for (const char* name : {"MAP1.BMP", "MAP2.BMP", "JAPAN.BMP"}) dir.write(name, "BM");
        station.station_lat = 1;  // what the program ran with
    }
    OpenDialog<StationDialog> open() {
        return OpenDialog<StationDialog>(StationDialogContext{station, time, settings, ini(), dir.str(),
                                                              [this](const std::string& f) { world_maps.push_back(f); },
                                                              end()});
    }
    std::string stored(const char* section, const char* key) const {
        return ini_read(Section{section}, Key{key}, ini());
    }
    // The value as written, leading blank included.
    std::string written(const char* key) const {
        const std::string text = ini_text();
        const size_t at = text.find(std::string("\n") + key + "=");
        if (at == std::string::npos) return "ERROR";
        const size_t start = at + std::string(key).size() + 2;
        return text.substr(start, text.find('\r', start) - start);
    }
};

void type_key(QWidget& box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&box, &press);
}

}  // namespace

TEST(StationDialog, RegisteringEditsWritesEveryKeyAndRestarts) {
    Station st(fixture("station.ini"));
    auto d = st.open();
    EXPECT_EQ(d->Text7.text(), "-160");  // stored east of 0, shown west negative
    EXPECT_EQ(d->Check1.value(), 1);
    EXPECT_EQ(d->Text10.text(), " 123");
    EXPECT_EQ(d->change_level, 0);
    d->Text5.setCursorPosition(6);
    type_key(d->Text5, "x");  // the callsign in capitals, the key's own letter as typed
    EXPECT_EQ(d->Text5.text(), "JA1ABCx");
    d->Text5.setText("JA1ABC");
    d->Text3.setText("045.0");
    d->Combo8.setText("COM4");
    d->Check3.setValue(1);
    d->files[1].setListIndex(1);  // the daytime sky
    st.chooser.files = {QString("/music/a,b.MP3")};
    d->Command3_Click();
    // The ports in use, which the transceiver windows read, change at the register only.
    EXPECT_EQ(st.settings.ts2000_cat.port, "");
    EXPECT_TRUE(d->Command1_Click());
    EXPECT_EQ(st.ini_text(), fixture("station_registered.ini"));
    EXPECT_EQ(st.dir.read("torv.csv"), "/music/a,b.MP3\r\n");
    EXPECT_EQ(st.boxes_at_end, std::vector<std::string>{kRestartMessage});
    EXPECT_EQ(st.saves, 1);
    EXPECT_EQ(st.world_maps, std::vector<std::string>{"MAP1.BMP"});
    EXPECT_EQ(st.settings.local.local_map_lon, "200");  // as the main window's maps expect
    EXPECT_EQ(st.settings.ts2000_cat.port, "COM4");
    EXPECT_DOUBLE_EQ(st.station.station_height, 45);
}

TEST(StationDialog, ACallsignTypedInSmallLettersIsStoredInCapitals) {
    Station st(fixture("station.ini"));
    auto d = st.open();
    d->Text5.clear();
    // Each key capitalises what the box holds before its own letter goes in: the last
    // letter stays small in the box.
    for (const QChar c : QString("ja1abc")) type_key(d->Text5, c);
    EXPECT_EQ(d->Text5.text(), "JA1ABc");
    EXPECT_TRUE(d->Command1_Click());
    EXPECT_EQ(st.written("CALL"), "JA1ABC");
}

TEST(StationDialog, AFreshFileRegistersItsDefaultsOnceACallsignIsGiven) {
    Station st("");
    auto d = st.open();
    st.clear_messages();
    EXPECT_FALSE(d->Command1_Click());
    EXPECT_EQ(st.messages(), std::vector<std::string>{"コールサインが入力されていません"});
    d->Text5.setText("JA1ABC");
    // Neither the FT-847 nor the IC-910 is switched on: their common COM1 is no conflict.
    EXPECT_TRUE(d->Command1_Click());
    const struct {
        const char *key, *value;
    } cases[] = {{"KEIDO", " 135.15"}, {"IDO", " 34.5"},  {"TAKASA", " 45"}, {"JISA", " 9"}, {"GURID", ""},
                 {"LOCAL_MAP", "JAPAN.BMP,135,35, 0"}, {"START_TIZU", "1"}, {"NTP_ELM", "SW_NORAS.EXE,0,0"},
                 {"TIZU", "MAP1.BMP"}, {"HIRU", "skya7_18.BMP"}};
    for (const auto& c : cases) EXPECT_EQ(st.written(c.key), c.value) << c.key;
    // Each transceiver's port, in its section.
    EXPECT_EQ(st.stored("FT847", "CAT"), "0:COM1:9600:");
    EXPECT_NE(st.ini_text().find("[FT847]\r\nCAT= 0:COM1:9600:\r\n"), std::string::npos);
    EXPECT_NE(st.ini_text().find("[IC910]\r\nCAT= 0:COM1:9600:60:E0\r\n"), std::string::npos);
    EXPECT_NE(st.ini_text().find("[TS2000]\r\nCAT= 0:COM3:9600:\r\n"), std::string::npos);
    EXPECT_NE(st.ini_text().find("[FT736]\r\nCAT= 0:COM1:4800:\r\n"), std::string::npos);
    EXPECT_EQ(st.ends, 1);
}

TEST(StationDialog, AFailingCheckChangesNothingOfTheProgramOrTheFile) {
    const std::string stored = fixture("station.ini");
    const char* const kBlank = "入力項目を入力してください";
    const struct {
        const char* what;
        std::function<void(StationDialog&)> edit;
        std::vector<std::string> messages;
        std::function<QString(StationDialog&)> field;
        const char* field_after;
    } cases[] = {
        {"blank latitude",
         [](StationDialog& f) { f.Text1.clear(); },
         {kBlank, "緯度を－９０から９０の範囲の値をいれてください"},
         [](StationDialog& f) { return f.Text1.text(); },
         ""},
        {"offset 13",
         [](StationDialog& f) { f.Combo3.setText("13"); },
         {"時間－１２から１２の範囲の値をいれてください"},
         [](StationDialog& f) { return f.Combo3.text(); },
         "9"},
        {"local latitude 37",
         [](StationDialog& f) { f.Text6.setText("37"); },
         {"ＬＯＣＡＬ緯度を－７５度から７５度の範囲で５度単位の値をいれてください"},
         [](StationDialog& f) { return f.Text6.text(); },
         ""},
        {"local longitude 400",
         [](StationDialog& f) { f.Text7.setText("400"); },
         {"ＬＯＣＡＬ経度を－１８０度から１８０度の範囲の値をいれてください"},
         [](StationDialog& f) { return f.Text7.text(); },
         ""},
        {"server port 1000",
         [](StationDialog& f) { f.Text10.setText("1000"); },
         {"ＮＴＰサーバーのポート番号を正しくいれてください"},
         [](StationDialog& f) { return f.Text10.text(); },
         "123"},
        {"receive port text",
         [](StationDialog& f) { f.Text11.setText("x"); },
         {"ＮＴＰサーバーの受信用ポート番号を正しくいれてください"},
         [](StationDialog& f) { return f.Text11.text(); },
         "1024"},
        {"two switched-on radios on one port",
         [](StationDialog& f) { f.Check2.setValue(1); },
         {"同じＣＯＭポートが指定されています。変更してください。"},
         [](StationDialog& f) { return f.Combo4.text(); },
         "COM1"},
        {"no callsign",
         [](StationDialog& f) { f.Text5.clear(); },
         {"コールサインが入力されていません"},
         [](StationDialog& f) { return f.Text5.text(); },
         ""},
        {"a port the readers cannot place",
         [](StationDialog& f) { f.Combo1.setText("COM10"); },
         {"ＣＯＭポートと通信速度を一覧から選んでください"},
         [](StationDialog& f) { return f.Combo1.text(); },
         "COM10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Station st(stored);
        auto d = st.open();
        d->Text2.setText("10");  // passes its check before the failing one
        c.edit(*d);
        st.clear_messages();
        EXPECT_FALSE(d->Command1_Click());
        EXPECT_EQ(st.messages(), c.messages);
        EXPECT_EQ(c.field(*d), c.field_after);
        EXPECT_EQ(st.ini_text(), stored);
        EXPECT_DOUBLE_EQ(st.station.station_lat, 1);
        EXPECT_EQ(st.station.station_lon, 0);
        EXPECT_EQ(st.settings.local.local_map_lat, "35");
        EXPECT_FALSE(d.unloaded);
    }
}

TEST(StationDialog, WhatRestartsAndWhatOnlyCloses) {
    const struct {
        const char* what;
        std::function<void(StationDialog&)> edit;
        bool restarts;
    } cases[] = {
        {"nothing", [](StationDialog&) {}, false},
        {"another world map", [](StationDialog& f) { f.files[1].setListIndex(1); }, false},
        {"the time ports", [](StationDialog& f) { f.Text10.setText("124"); }, false},
        {"the FT-736 port", [](StationDialog& f) { f.Combo9.setText("COM5"); }, false},
        {"a port picked from the list", [](StationDialog& f) { f.Combo1.setListIndex(4); }, false},
        {"an offset picked from the list", [](StationDialog& f) { f.Combo3.setListIndex(0); }, true},
        {"the height", [](StationDialog& f) { f.Text3.setText("50"); }, true},
        {"the start of the world map", [](StationDialog& f) { f.Option2.setValue(true); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Station st(fixture("station.ini"));
        auto d = st.open();
        c.edit(*d);
        EXPECT_TRUE(d->Command1_Click());
        EXPECT_EQ(st.ends, c.restarts ? 1 : 0);
        EXPECT_EQ(d.unloaded, !c.restarts);
    }
}

TEST(StationDialog, OffsetsLocatorAndLocalMapInTheirWrittenForms) {
    Station st("[POSITION]\r\nCALL=JA1ABC\r\n[HAIKEIZU]\r\nLOCAL_MAP=JAPAN.BMP,135,35\r\n");
    auto d = st.open();
    d->Combo3.setText("5.5");
    d->Text4.setText("pm74tr");
    d->Command2_Click();
    EXPECT_EQ(d->Text1.text(), "34.71");
    EXPECT_EQ(d->Text2.text(), "135.58");
    EXPECT_EQ(d->Text4.text(), "PM74TR");
    EXPECT_EQ(d->change_level, 1);
    d->Text7.setText("-125");
    EXPECT_TRUE(d->Command1_Click());
    EXPECT_EQ(st.written("JISA"), " 5.5");
    EXPECT_EQ(st.written("GURID"), "PM74TR");
    EXPECT_EQ(st.written("LOCAL_MAP"), "JAPAN.BMP,-125,35, 0");
    EXPECT_EQ(st.settings.local.local_map_lon, "235");
    EXPECT_EQ(st.time.local_to_utc_text, "-5.5");
    EXPECT_DOUBLE_EQ(st.station.station_lat, 34.71);

    // A key pressed in the latitude box: the position is no longer the locator's.
    Station again("[POSITION]\r\nCALL=JA1ABC\r\nGURID=PM74TR\r\n");
    auto e = again.open();
    e->Text4.setText("zz");
    e->Command2_Click();
    EXPECT_EQ(again.messages().back(), kGridFieldMessage);
    EXPECT_EQ(e->grid_locator, "PM74TR");
    type_key(e->Text1, "1");
    EXPECT_EQ(e->Text4.text(), "");
    e->Command1_Click();
    EXPECT_EQ(again.written("GURID"), "");
}

TEST(StationDialog, PlayListEditsAreWrittenEvenWhenEmptied) {
    Station st("[POSITION]\r\nCALL=JA1ABC\r\n");
    st.dir.write("torv.csv", "/m/one.mp3\r\n\r\n/m/two,three.mp3\r\n");
    auto d = st.open();
    ASSERT_EQ(d->List1.listCount(), 2);
    EXPECT_EQ(d->List1.list(1), "/m/two,three.mp3");
    st.chooser.files = {QString("/m/x.Mp3"), QString("/m/x.mp3"), QString("/m/x.mp3"), std::nullopt};
    for (int i = 0; i < 4; ++i) d->Command3_Click();
    EXPECT_EQ(st.messages(), std::vector<std::string>{"ＭＰ３のデータを選択してください"});
    EXPECT_EQ(d->List1.listCount(), 4);  // the same file twice
    while (d->List1.listCount() > 0) {
        d->List1.setListIndex(0);
        d->Command4_Click();
    }
    EXPECT_EQ(d->change_level, 0);  // the play list is no edit that restarts
    EXPECT_TRUE(d->Command1_Click());
    EXPECT_EQ(st.dir.read("torv.csv"), "");
}

TEST(StationDialog, TheCloseBoxRegistersAndStaysOpenWhileAFieldIsRefused) {
    Station st(fixture("station.ini"));
    auto d = st.open();
    d->files[0].setListIndex(2);  // MAP2.BMP
    d->Text1.setText("91");
    EXPECT_FALSE(d->Unload());
    EXPECT_FALSE(d.unloaded);
    EXPECT_EQ(st.ini_text(), fixture("station.ini"));
    d->Text1.setText("35.69");
    d->change_level = 0;
    d->close();
    EXPECT_TRUE(d.unloaded);
    EXPECT_EQ(st.stored("HAIKEIZU", "TIZU"), "MAP2.BMP");
    EXPECT_EQ(st.world_maps, std::vector<std::string>{"MAP2.BMP"});
}
