#include "rig/ic910_channel_names_dialog.h"

#include "common/number_text.h"
#include "common/settings_store.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {
// Two columns of ten channels inside the frame.
constexpr int kRows = ic910::kChannels / 2;
constexpr int kRowTop = 300, kRowStep = 420, kColumnStep = 3360;
constexpr int kFrameHeight = kRowTop + kRows * kRowStep + 120;
}  // namespace

Ic910ChannelNamesDialog::Ic910ChannelNamesDialog(ic910::ChannelNames& names)
    : Frame1(this), Command1(this), names_(names) {
    setCaption("ＩＣ９１０チャネル番号設定");
    platform::lay_out({
        {&Frame1, 120, 120, 2 * kColumnStep + 240, kFrameHeight, "チャネルの名称設定"},
        {&Command1, kColumnStep + 1440, kFrameHeight + 240, 2040, 420, "設定完了"},
    });
    for (int i = 0; i < ic910::kChannels; ++i) {
        Label1[i].setParent(&Frame1);
        Text1[i].setParent(&Frame1);
        const int left = 240 + (i / kRows) * kColumnStep, top = kRowTop + (i % kRows) * kRowStep;
        const std::string number = format_number(i, "00");
        platform::lay_out({{&Label1[i], left, top + 60, 480, 300, number.c_str()}, {&Text1[i], left + 600, top, 2520, 360}});
    }
    Command1.Click = [this] { Command1_Click(); };
    move_twips(3000, 2000, 2 * kColumnStep + 480, kFrameHeight + 900);
}

void Ic910ChannelNamesDialog::form_load() {
    names_ = ic910::parse_channel_names(read_setting(ic910::kChannelNameKey, torv_ini()));
    for (int i = 0; i < ic910::kChannels; ++i) Text1[i].setText(qs(names_[i]));
}

void Ic910ChannelNamesDialog::Command1_Click() {
    ic910::ChannelNames typed;
    for (int i = 0; i < ic910::kChannels; ++i) typed[i] = trim(Text1[i].text().toStdString());
    if (!names_storable(typed)) return;
    names_ = typed;
    write_setting(ic910::kChannelNameKey, ic910::channel_name_list(typed), torv_ini());
    Unload();
}

bool Ic910ChannelNamesDialog::names_storable(const ic910::ChannelNames& names) {
    if (const auto channel = ic910::channel_with_colon(names)) {
        platform::msg_box("チャネル" + format_number(*channel, "00") + "の名称に「:」は使えません。");
        Text1[*channel].setFocus();
        return false;
    }
    if (!ini_value_fits(ic910::channel_name_list(names), torv_ini())) {
        platform::msg_box("チャネルの名称が全部で長すぎるため保存できません。名称を短くしてください。");
        return false;
    }
    return true;
}

}  // namespace torv
