#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>

#include "common/settings_store.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "rig/ic910_channel_names_dialog.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

const char* const kKey = "ＣＨ";

// The channel-name dialog over a settings file of its own, filling the table the
// IC-910 window reads.
struct ChannelNamesFixture : ::testing::Test {
    TempDir dir;
    ic910::ChannelNames names;
    std::unique_ptr<Ic910ChannelNamesDialog> dialog;
    int unloads = 0;

    void SetUp() override {
        platform::set_program_folder(dir.str());
        platform::MsgBoxRecorder::current()->clear();
    }
    Ic910ChannelNamesDialog& opened() {
        dialog = std::make_unique<Ic910ChannelNamesDialog>(names);
        dialog->on_unloaded = [this] { ++unloads; };
        dialog->Show();
        return *dialog;
    }
    static std::vector<std::string>& boxes() { return platform::MsgBoxRecorder::current()->texts; }
    std::string stored() const { return ini_read(Section{"IC910"}, Key{kKey}, torv_ini()); }
};

}  // namespace

TEST_F(ChannelNamesFixture, WithoutStoredNamesTheBoxesAreEmptyAndSavingWritesTwentyEmptyNames) {
    names.fill("old");
    Ic910ChannelNamesDialog& d = opened();
    EXPECT_EQ(d.caption(), "ＩＣ９１０チャネル番号設定");
    EXPECT_EQ(d.Frame1.caption(), "チャネルの名称設定");
    EXPECT_EQ(d.Command1.caption(), "設定完了");
    EXPECT_EQ(d.Label1[19].caption(), "19");
    for (int i = 0; i < ic910::kChannels; ++i) {
        EXPECT_TRUE(d.Text1[i].text().isEmpty()) << i;
        EXPECT_EQ(names[i], "") << i;
    }
    d.Command1_Click();
    EXPECT_EQ(stored(), "::::::::::::::::::::");
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(ChannelNamesFixture, TwentyNamesGoThroughTheSettingsTrimmed) {
    // Twenty-one fields stored by hand: the first twenty are loaded.
    ini_write(Section{"IC910"}, Key{kKey}, "a:b:c:d:e:f:g:h:i:j:k:l:m:n:o:p:q:r:s:t:u:", torv_ini());
    Ic910ChannelNamesDialog& d = opened();
    EXPECT_EQ(d.Text1[19].text(), "t");
    EXPECT_EQ(names[0], "a");
    for (int i = 0; i < ic910::kChannels; ++i) d.Text1[i].setText(QString("  ＦＯ－%1 ").arg(i));
    d.Command1_Click();
    EXPECT_EQ(names[7], "ＦＯ－7");
    const std::string list = stored();
    EXPECT_EQ(std::count(list.begin(), list.end(), ':'), 20);

    names = {};
    Ic910ChannelNamesDialog& again = opened();
    for (int i = 0; i < ic910::kChannels; ++i) {
        EXPECT_EQ(again.Text1[i].text(), QString("ＦＯ－%1").arg(i));
        EXPECT_EQ(names[i], again.Text1[i].text().toStdString());
    }
    EXPECT_TRUE(boxes().empty());
}

// Names that would not read back as typed are refused before anything is stored: a ":"
// would move every later name up a channel, and a value longer than a setting can be
// read back would lose the last names. The dialog stays open with the edits.
TEST_F(ChannelNamesFixture, NamesThatWouldNotReadBackAreRefused) {
    const std::string roomy(234, 'A');  // with the twenty ":", as long as a setting can be read back
    const struct {
        int channel;
        std::string name;
        const char* refusal;  // nullptr: stored
    } cases[] = {
        {3, "AO-7 12:00", "チャネル03の名称に「:」は使えません。"},
        {0, ":", "チャネル00の名称に「:」は使えません。"},
        {0, roomy + "B", "チャネルの名称が全部で長すぎるため保存できません。名称を短くしてください。"},
        {5, std::string(117, 'x') + std::string(40, ' '), nullptr},
        {0, roomy, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ini_write(Section{"IC910"}, Key{kKey}, "before:", torv_ini());
        unloads = 0;
        boxes().clear();
        Ic910ChannelNamesDialog& d = opened();
        d.Text1[c.channel].setText(QString::fromStdString(c.name));
        d.Command1_Click();
        if (c.refusal) {
            EXPECT_EQ(boxes(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(stored(), "before:");
            EXPECT_EQ(names, ic910::parse_channel_names("before:"));  // as loaded
            EXPECT_EQ(unloads, 0);
            EXPECT_EQ(d.Text1[c.channel].text().toStdString(), c.name);
        } else {
            EXPECT_TRUE(boxes().empty());
            EXPECT_EQ(ic910::parse_channel_names(stored())[c.channel], names[c.channel]);
            EXPECT_EQ(unloads, 1);
        }
    }
}

TEST_F(ChannelNamesFixture, ClosingWithoutSavingDropsTheEdits) {
    ini_write(Section{"IC910"}, Key{kKey}, "AO-7:", torv_ini());
    Ic910ChannelNamesDialog& d = opened();
    d.Text1[0].setText("FO-29");
    d.close();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(stored(), "AO-7:");
    EXPECT_EQ(names[0], "AO-7");
}
