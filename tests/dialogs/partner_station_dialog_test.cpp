#include "dialogs/partner_station_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/settings_store.h"

#include "dialogs/dialog_harness.h"
#include "dialogs/grid_locator.h"

using namespace torv;

namespace {

const char* const kLatMessage = "緯度を－９０から９０の範囲の値をいれてください";
const char* const kBlankMessage = "入力項目を入力してください";

struct Partners : DialogFolder {
    PartnerStationTable table;
    explicit Partners(const std::string& ini_bytes) : DialogFolder(ini_bytes) {
        dir.write("japan95.bmp", "BM");
        dir.write("asia.BMP", "BM");
    }
    OpenDialog<PartnerStationDialog> open() {
        return OpenDialog<PartnerStationDialog>(PartnerDialogContext{table, ini(), dir.str(), end()});
    }
};

}  // namespace

TEST(PartnerStationDialog, RegisteringEditedRowsWritesTheRecordsAndRestarts) {
    Partners p(fixture("partners.ini"));
    auto d = p.open();
    // A record short of fields loads what it has.
    EXPECT_EQ(d->row(2).call.text(), "VK2ABC");
    EXPECT_EQ(d->row(2).lon.text(), "151.2");
    EXPECT_EQ(d->row(0).map_file.caption(), "japan95.bmp");
    EXPECT_EQ(d->partner_changed, 0);

    PartnerRow& r2 = d->row(1);
    r2.call.setText("w1aw");
    r2.grid.setText("fn31pr");
    r2.lon.setText("-72.72");
    r2.lat.setText("041.71");
    r2.height.setText("20");
    r2.utc.setText("-5");
    // Row 3 has no latitude yet: nothing is written.
    p.clear_messages();
    d->Command6_Click();
    EXPECT_EQ(p.messages(), (std::vector<std::string>{kBlankMessage, kLatMessage, "エラーが発生しました CHK_ERR= 2"}));
    EXPECT_EQ(p.ini_text(), fixture("partners.ini"));
    EXPECT_FALSE(d.unloaded);

    d->row(2).lat.setText("-33.87");
    d->row(2).height.setText("50");
    d->row(2).utc.setText("10");
    d->row(2).local.setValue(true);
    p.clear_messages();
    d->Command6_Click();
    EXPECT_EQ(p.ini_text(), fixture("partners_registered.ini"));
    EXPECT_EQ(p.saves, 1);
    EXPECT_EQ(p.ends, 1);
    EXPECT_EQ(p.boxes_at_end, std::vector<std::string>{kRestartMessage});
    EXPECT_EQ(r2.call.text(), "w1aw");  // the box keeps what was typed
}

TEST(PartnerStationDialog, EachFailingFieldGivesItsMessagesAndCodeAndWritesNothing) {
    const std::string stored = "[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,PM74,20,9,0, 1,japan95.bmp,135,35\r\n";
    const struct {
        const char* what;
        std::function<void(PartnerStationDialog&)> edit;
        std::vector<std::string> messages;
        bool emptied;  // the field's text after the check
    } cases[] = {
        {"blank latitude",
         [](PartnerStationDialog& f) { f.row(0).lat.clear(); },
         {kBlankMessage, kLatMessage, "エラーが発生しました CHK_ERR= 2"},
         true},
        {"latitude 91",
         [](PartnerStationDialog& f) { f.row(0).lat.setText("91"); },
         {kLatMessage, "エラーが発生しました CHK_ERR= 2"},
         true},
        {"longitude text",
         [](PartnerStationDialog& f) { f.row(0).lon.setText("east"); },
         {"経度を－１８０から１８０の範囲の値をいれてください", "エラーが発生しました CHK_ERR= 3"},
         true},
        {"height 3001",
         [](PartnerStationDialog& f) { f.row(0).height.setText("3001"); },
         {"海抜を０から３０００の範囲の値をいれてください", "エラーが発生しました CHK_ERR= 4"},
         true},
        {"offset 13",
         [](PartnerStationDialog& f) { f.row(0).utc.setText("13"); },
         {"時間－１２から１２の範囲の値をいれてください", "エラーが発生しました CHK_ERR= 5"},
         true},
        {"comma in callsign",
         [](PartnerStationDialog& f) { f.row(0).call.setText("JA3,X"); },
         {"コールサインに「,」は使えません", "エラーが発生しました CHK_ERR= 1"},
         false},
        {"comma in locator",
         [](PartnerStationDialog& f) { f.row(0).grid.setText("PM74,TR"); },
         {"グリッドロケータに「,」は使えません", "エラーが発生しました CHK_ERR= 6"},
         false},
        {"no map file",
         [](PartnerStationDialog& f) { f.row(0).map_file.setCaption(""); },
         {"使用するローカル地図を選択してください", "エラーが発生しました CHK_ERR= 20"},
         false},
        {"centre longitude 137",
         [](PartnerStationDialog& f) { f.row(0).centre_lon.setText("137"); },
         {"経度を－１８０から１８０の範囲で５の整数倍の値をいれてください", "エラーが発生しました CHK_ERR= 22"},
         true},
        {"centre longitude 135.4",
         [](PartnerStationDialog& f) { f.row(0).centre_lon.setText("135.4"); },
         {"経度を－１８０から１８０の範囲で５の整数倍の値をいれてください", "エラーが発生しました CHK_ERR= 22"},
         true},
        {"centre latitude 80",
         [](PartnerStationDialog& f) { f.row(0).centre_lat.setText("80"); },
         {"緯度を－７５から７５の範囲で５の整数倍の値をいれてください", "エラーが発生しました CHK_ERR= 21"},
         true},
        // Every row's station check comes before any row's map check.
        {"row 5 before row 1's map",
         [](PartnerStationDialog& f) {
             f.row(0).map_file.setCaption("");
             f.row(4).lat.clear();
         },
         {kBlankMessage, kLatMessage, "エラーが発生しました CHK_ERR= 2"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Partners p(stored);
        auto d = p.open();
        c.edit(*d);
        p.clear_messages();
        d->Command6_Click();
        EXPECT_EQ(p.messages(), c.messages);
        EXPECT_EQ(p.ini_text(), stored);
        EXPECT_FALSE(d.unloaded);
        EXPECT_EQ(p.ends, 0);
    }
}

TEST(PartnerStationDialog, ChecksRewriteNumbersInTheirShortestForm) {
    Partners p("[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35\r\n");
    auto d = p.open();
    PartnerRow& r = d->row(0);
    r.lat.setText("034.70");
    r.lon.setText("0.5");
    r.centre_lon.setText("135.0");
    r.centre_lat.setText("-5");
    d->Command6_Click();
    EXPECT_EQ(ini_read(Section{"KYOKU-INFO"}, Key{"KYOKU1"}, p.ini()), "JA3XYZ,.5,34.7,,20,9,0, 1,japan95.bmp,135,-5");
    EXPECT_EQ(p.ends, 1);
}

TEST(PartnerStationDialog, RegisteringWithoutEditsClosesWithoutRestart) {
    // Stations unedited: every record is written again.
    {
        Partners p("[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35\r\n");
        auto d = p.open();
        d->Command6_Click();
        EXPECT_TRUE(d.unloaded);
        EXPECT_EQ(p.ends, 0);
        EXPECT_EQ(ini_read(Section{"KYOKU-INFO"}, Key{"KYOKU1"}, p.ini()),
                  "JA3XYZ,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35");
        EXPECT_EQ(ini_read(Section{"KYOKU-INFO"}, Key{"KYOKU2"}, p.ini()),
                  kDefaultPartnerRecord);  // a missing key's station
    }
    // No station at all: nothing is written.
    const std::string empty = "[KYOKU-INFO]\r\nKYOKU1=,,,,,,0, 0,,,\r\nKYOKU2=,,,,,,0, 0,,,\r\nKYOKU3=,,,,,,0, 0,,,\r\n"
                              "KYOKU4=,,,,,,0, 0,,,\r\nKYOKU5=,,,,,,0, 0,,,\r\n";
    Partners p(empty);
    auto d = p.open();
    d->Command6_Click();
    EXPECT_TRUE(d.unloaded);
    EXPECT_EQ(p.ini_text(), empty);
}

TEST(PartnerStationDialog, DeletingTheOnlyStationStoresEmptyRowsAndRestarts) {
    Partners p("[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35\r\nKYOKU2=,,,,,,0, 0,,,\r\n"
               "KYOKU3=,,,,,,0, 0,,,\r\nKYOKU4=,,,,,,0, 0,,,\r\nKYOKU5=,,,,,,0, 0,,,\r\n");
    auto d = p.open();
    d->row(0).call.clear();
    d->Command6_Click();
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(ini_read(Section{"KYOKU-INFO"}, Key{"KYOKU" + std::to_string(n)}, p.ini()), ",,,,,,0, 0,,,");
    EXPECT_EQ(p.saves, 1);
    EXPECT_EQ(p.boxes_at_end, std::vector<std::string>{kRestartMessage});
}

TEST(PartnerStationDialog, LocatorConversionFillsTheRowOrLeavesItAsItWas) {
    Partners p("[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,,20,9,0, 1,japan95.bmp,135,35\r\n");
    auto d = p.open();
    PartnerRow& r = d->row(0);
    r.grid.setText("sm74tr");
    d->convert_click(0);
    EXPECT_EQ(p.messages().back(), kGridFieldMessage);
    EXPECT_EQ(r.grid.text(), "SM74TR");
    EXPECT_EQ(r.lon.text(), "135.05");
    EXPECT_EQ(d->partner_changed, 0);  // typing a locator raises nothing either
    r.grid.setText("pm74qr");
    d->convert_click(0);
    EXPECT_EQ(r.lon.text(), "135.33");
    EXPECT_EQ(r.lat.text(), "34.71");
    EXPECT_EQ(d->partner_changed, 1);
}

TEST(PartnerStationDialog, MapChoicesEnableTheRowsMapControls) {
    Partners p("[KYOKU-INFO]\r\nKYOKU1=JA3XYZ,135.05,34.7,,20,9,1, 1,japan95.bmp,135,35\r\n"
               "KYOKU2=JA4,133,34,,0,9,0, 0,,,\r\n");
    auto d = p.open();
    PartnerRow& local = d->row(0);
    EXPECT_TRUE(local.local.value());
    EXPECT_FALSE(local.has_map.isEnabled());
    EXPECT_FALSE(local.files.isEnabled());
    PartnerRow& world = d->row(1);
    EXPECT_TRUE(world.has_map.isEnabled());
    EXPECT_FALSE(world.centre_lon.isEnabled());
    EXPECT_EQ(world.files.listCount(), 2);  // the bitmaps of the folder, any letter case
    world.has_map.setValue(1);
    EXPECT_TRUE(world.centre_lon.isEnabled());
    world.files.setListIndex(1);
    EXPECT_EQ(world.map_file.caption(), "japan95.bmp");
    // Local with the box still ticked: no map check, the file label emptied.
    world.local.setValue(true);
    EXPECT_EQ(world.map_file.caption(), "");
    d->Command6_Click();
    EXPECT_EQ(ini_read(Section{"KYOKU-INFO"}, Key{"KYOKU2"}, p.ini()), "JA4,133,34,,0,9,1, 1,,,");
    // Picking an offset from the list is no edit; typing one is.
    OpenDialog<PartnerStationDialog> again(PartnerDialogContext{p.table, p.ini(), p.dir.str(), p.end()});
    again->row(1).utc.setListIndex(0);
    EXPECT_EQ(again->partner_changed, 0);
}
