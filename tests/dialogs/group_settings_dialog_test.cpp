#include "dialogs/group_settings_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "dialogs/dialog_harness.h"
#include "platform/choosers.h"

using namespace torv;

namespace {

struct Groups : DialogFolder {
    MainSettings settings;
    TimeState time;
    ElementTable elements;
    std::string caption;
    platform::ChooserScript chooser;
    explicit Groups(const std::string& ini_bytes) : DialogFolder(ini_bytes) {
        settings.backcolor = -2147483633;
        for (const char* name : {"ISS", "AO-7", "fo-29", "ISS", "AO-40"}) elements.add_set(name, "1", "2");
    }
    OpenDialog<GroupSettingsDialog> open() {
        return OpenDialog<GroupSettingsDialog>(GroupDialogContext{settings, time, elements, ini(),
                                                    [this](const std::string& c) { caption = c; }, end()});
    }
    std::string stored(const char* section, const char* key) const {
        return ini_read(Section{section}, Key{key}, ini());
    }
};

std::vector<std::string> items(const platform::ListBox& list) {
    std::vector<std::string> v;
    for (int i = 0; i < list.listCount(); ++i) v.push_back(list.list(i).toStdString());
    return v;
}

int row_of(const char* key) {
    for (int r = 0; r < kColorRows; ++r)
        if (std::string(kColorRowTable[r].key) == key) return r;
    return -1;
}

}  // namespace

TEST(GroupSettingsDialog, RegisterWritesEveryKeyAndTheEditsThenCloseRestarts) {
    Groups g(fixture("groups.ini"));
    auto d = g.open();
    EXPECT_EQ(items(d->List2), (std::vector<std::string>{"AO-40", "ISS"}));  // group A
    EXPECT_EQ(d->slot_labels[1][2].caption(), "AO-7");                        // a gap is shown
    EXPECT_EQ(d->settings_changed, 0);                                         // the sliders' set-up is no click

    d->group_options[1].setValue(true);  // group B
    EXPECT_EQ(items(d->List2), (std::vector<std::string>{"FO-29", "AO-7"}));
    d->List1.setListIndex(0);
    d->Command1_Click();  // an edit closes the gap
    g.chooser.colors = {65280};
    d->color_label_click(row_of("EISEI1"));
    d->Slider3.setValue(1);
    d->Text1.setText(" 05 ");
    EXPECT_TRUE(d->Command3_Click());
    EXPECT_EQ(g.ini_text(), fixture("groups_registered.ini"));
    EXPECT_EQ(g.caption, "5分加速処理");
    EXPECT_EQ(g.time.kasoku_ritu, "5");
    EXPECT_FALSE(d.unloaded);

    d->Command4_Click();
    EXPECT_EQ(g.saves, 1);
    EXPECT_EQ(g.boxes_at_end, std::vector<std::string>{kRestartMessage});
}

TEST(GroupSettingsDialog, AGroupListOfMoreThanEightNamesIsToldOnOpening) {
    Groups g("[SATELITE]\r\nGROUP-B=B1,B2,B3,B4,B5,B6,B7,B8,B9\r\n");
    auto d = g.open();
    EXPECT_EQ(g.messages(), std::vector<std::string>{"項目バッファオーバー"});
    EXPECT_EQ(d->slot_labels[1][6].caption(), "B7");
}

TEST(GroupSettingsDialog, WithoutColourKeysTheMainWindowsDefaultsShowAndAreWritten) {
    Groups g("");
    auto d = g.open();
    // The colours the main window draws with when the keys are absent.
    const struct {
        const char *key, *written;
    } cases[] = {{"EISEI6", "16711935"}, {"EISEI7", "4227327"}, {"KASEI_COLOR", "65535"},
                 {"EISEI1", "65280"},    {"BACKCOLOR", "-2147483633"}, {"jikan1_LINE_color", " 12566463"}};
    d->Command3_Click();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(d->color_labels[row_of(c.key)].backColor(), static_cast<platform::ColorValue>(val(c.written)));
        EXPECT_EQ(g.stored("COLOR", c.key), trim(c.written));
    }
    EXPECT_EQ(g.stored("AO40", "AO40_SQA_VALUE"), "30");  // written " 30"
    EXPECT_NE(g.ini_text().find("AO40_SQA_VALUE= 30\r\n"), std::string::npos);
    EXPECT_NE(g.ini_text().find("KISEKI_SIZE= 30\r\n"), std::string::npos);
    EXPECT_NE(g.ini_text().find("TIME_LINE=2\r\n"), std::string::npos);
    EXPECT_EQ(g.stored("SATELITE", "GROUP-C"), ",,,,,,");
    int keys = 0;
    for (size_t at = 0; (at = g.ini_text().find('=', at)) != std::string::npos; ++at) ++keys;
    EXPECT_EQ(keys, 40);
    // Nothing changed: "終了" just closes.
    d->Command4_Click();
    EXPECT_TRUE(d.unloaded);
    EXPECT_EQ(g.ends, 0);
}

TEST(GroupSettingsDialog, GroupEditsKeepSevenNamesAtMost) {
    Groups g("[SATELITE]\r\nGROUP-A=A1,A2,A3,A4,A5,A6,A7\r\nGROUP-B=B1,,B3\r\n");
    auto d = g.open();
    d->List1.setListIndex(1);
    g.clear_messages();
    d->Command1_Click();
    EXPECT_EQ(g.messages(), std::vector<std::string>{"７個以上の選択はできません"});
    EXPECT_EQ(d->slot_labels[0][6].caption(), "A7");
    EXPECT_EQ(d->settings_changed, 0);

    d->group_options[1].setValue(true);
    d->List2.setListIndex(-1);
    g.clear_messages();
    d->Command2_Click();
    EXPECT_EQ(g.messages(), std::vector<std::string>{"削除する衛星を選んでください"});
    // The same satellite twice is kept twice.
    d->List1.setListIndex(0);
    d->Command1_Click();
    d->Command1_Click();
    EXPECT_EQ(items(d->List2), (std::vector<std::string>{"B1", "B3", "ISS", "ISS"}));
    for (int i = 0; i < 4; ++i) {
        d->List2.setListIndex(0);
        d->Command2_Click();
    }
    g.clear_messages();
    d->Command2_Click();
    EXPECT_EQ(g.messages(), std::vector<std::string>{"削除する項目がありません"});
    d->List1.setListIndex(-1);
    g.clear_messages();
    d->Command1_Click();
    EXPECT_EQ(g.messages(), std::vector<std::string>{"衛星を選択してください"});
    d->Command3_Click();
    EXPECT_EQ(g.stored("SATELITE", "GROUP-A"), "A1,A2,A3,A4,A5,A6,A7");
    EXPECT_EQ(g.stored("SATELITE", "GROUP-B"), ",,,,,,");
}

TEST(GroupSettingsDialog, SortingSwitchesTheSatelliteListOnly) {
    Groups g("");
    auto d = g.open();
    EXPECT_EQ(items(d->List1), (std::vector<std::string>{"ISS", "AO-7", "fo-29", "ISS", "AO-40"}));
    d->List1.setListIndex(2);
    d->Check1.setValue(1);
    EXPECT_EQ(items(d->List1), (std::vector<std::string>{"AO-40", "AO-7", "fo-29", "ISS", "ISS"}));
    EXPECT_EQ(d->List1.listIndex(), -1);
    EXPECT_EQ(d->settings_changed, 0);
}

TEST(GroupSettingsDialog, AccelerationOutsideOneToSixtyIsRefusedAndNothingWritten) {
    const struct {
        const char* text;
        std::vector<std::string> messages;
    } cases[] = {{"0", {kAccelerationMessage}},
                 {"61", {kAccelerationMessage}},
                 {"fast", {kAccelerationMessage}},
                 {"", {"入力項目を入力してください", kAccelerationMessage}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Groups g("[KASOKU]\r\nKASOKU_RITU=3\r\n");
        auto d = g.open();
        d->Text1.setText(c.text);
        g.clear_messages();
        EXPECT_FALSE(d->Command3_Click());
        EXPECT_EQ(g.messages(), c.messages);
        EXPECT_EQ(d->Text1.text(), "");
        EXPECT_EQ(g.ini_text(), "[KASOKU]\r\nKASOKU_RITU=3\r\n");
    }
    Groups g("");
    auto d = g.open();
    d->Text1.setText("2.5");
    EXPECT_TRUE(d->Command3_Click());
    EXPECT_EQ(g.stored("KASOKU", "KASOKU_RITU"), "2.5");
}

TEST(GroupSettingsDialog, TheCloseBoxRegistersFirstAndStaysOpenWhenTheCheckFails) {
    Groups g("");
    auto d = g.open();
    d->Command5_Click();  // the default background: a change
    d->Text1.setText("0");
    EXPECT_FALSE(d->Unload());
    EXPECT_FALSE(d.unloaded);
    EXPECT_EQ(g.ends, 0);
    EXPECT_EQ(g.ini_text(), "");
    d->Text1.setText("4");
    d->close();
    EXPECT_EQ(g.stored("COLOR", "BACKCOLOR"), "-2147483633");
    EXPECT_EQ(g.stored("KASOKU", "KASOKU_RITU"), "4");
    EXPECT_EQ(g.ends, 1);
}

TEST(GroupSettingsDialog, ACancelledChooserRewritesTheOldColourSignedAndStillCountsAsAChange) {
    Groups g("[COLOR]\r\nSUN_COLOR=65535\r\n");
    auto d = g.open();
    g.chooser.colors = {std::nullopt, 255};
    d->color_label_click(row_of("SUN_COLOR"));
    d->color_label_click(row_of("MOON_COLOR"));
    EXPECT_EQ(g.chooser.color_starts, (std::deque<platform::ColorValue>{0, 65535}));  // from the last pick
    EXPECT_EQ(d->settings_changed, 1);
    d->Command3_Click();
    EXPECT_NE(g.ini_text().find("SUN_COLOR= 65535\r\n"), std::string::npos);
    EXPECT_NE(g.ini_text().find("MOON_COLOR= 255\r\n"), std::string::npos);
    // A change left unregistered is not written by "終了".
    g.chooser.colors = {16777215};
    d->color_label_click(row_of("SUN_COLOR"));
    d->Command4_Click();
    EXPECT_NE(g.ini_text().find("SUN_COLOR= 65535\r\n"), std::string::npos);
    EXPECT_EQ(g.ends, 1);
}
