#pragma once
#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "rig/ic910_channel_names.h"

// The names of the IC-910's memory channels ("ＩＣ９１０チャネル番号設定"): loaded from
// torv.ini into the table the IC-910 window shows its channel names from, edited in
// twenty boxes and stored back by "設定完了". Closing it otherwise drops the edits.
namespace torv {

class Ic910ChannelNamesDialog : public platform::Form {
    Q_OBJECT
public:
    // names: the table the IC-910 window reads.
    explicit Ic910ChannelNamesDialog(ic910::ChannelNames& names);

    platform::Frame Frame1;  // "チャネルの名称設定"
    std::array<platform::Label, ic910::kChannels> Label1;    // the channel numbers
    std::array<platform::TextBox, ic910::kChannels> Text1;  // the name of channel i in Text1[i]
    platform::CommandButton Command1;                        // "設定完了"

    // Reads the stored names into the table and the boxes.
    void form_load();
    // Stores the names, trimmed, and closes the dialog. Names that could not be read
    // back as they were typed (a ":" in one, or all of them together longer than a
    // setting can be read back) are refused with a message; the dialog stays open.
    void Command1_Click();

protected:
    void Form_Load() override { form_load(); }

private:
    bool names_storable(const ic910::ChannelNames& names);

    ic910::ChannelNames& names_;
};

}  // namespace torv
