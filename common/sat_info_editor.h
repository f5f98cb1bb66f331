#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/sat_info_edit.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// The satellite information editor "衛星情報": everything stored about the satellite that
// was selected when it opened. Modeless; one instance, filled when it loads, closed by its
// store button. Typing in the passband boxes and choosing a conversion type update the
// shared passband values at once, as long as its satellite is still the selected one.
class SatInfoEditor : public platform::Form {
    Q_OBJECT
public:
    explicit SatInfoEditor(SatInfoEditorContext context);

    // In the order of the window, top to bottom: the order the operator tabs through.
    platform::Label Label1;   // "人工衛星"
    platform::Label Label2;   // the satellite's name: the record edited
    platform::Label Label3;   // "ビーコン周波数"
    platform::Label Label4;   // "アップリンク周波数"
    platform::Label Label5;   // "ダウンリンク周波数"
    platform::Label Label6;   // "コメント"
    platform::Label Label7;   // "URL"
    platform::TextBox Text1;  // the beacon, MHz
    platform::TextBox Text2;  // the uplink, MHz
    platform::TextBox Text3;  // the downlink, MHz
    platform::TextBox Text4;  // the comment (":" and "," become blanks when stored)
    platform::TextBox Text5;  // the satellite's home page

    platform::Frame Frame1;  // "周波数": the conversion type
    platform::Frame Frame2;  // "送信の電波形式": the uplink mode
    platform::Frame Frame3;  // "受信の電波形式": the downlink mode

    platform::OptionButton Option1, Option2, Option3;             // conversion type "固定", "反転", "非反転"
    platform::OptionButton Option4, Option5, Option6, Option7;    // uplink mode USB, LSB, CW, FM
    platform::OptionButton Option8, Option9, Option10, Option11;  // downlink mode USB, LSB, CW, FM

    platform::Frame Frame5;          // "周波数範囲": the uplink passband
    platform::Frame Frame6;          // "周波数範囲": the downlink passband it converts to
    platform::Label Label11;         // "下限周波数"
    platform::Label Label12;         // "～上限周波数"
    platform::TextBox Text8, Text9;  // uplink passband edges
    platform::Label Label13;         // caption over Label16 (the edge it comes from)
    platform::Label Label14;         // caption over Label15
    platform::Label Label15;         // the downlink image of the lower uplink edge
    platform::Label Label16;         // the downlink image of the upper uplink edge

    platform::Frame Frame4;          // "トランスポンダーオンのＭＡ", shown for AO-40 only
    platform::Label Label8;          // "開始ＭＡ"
    platform::Label Label9;          // "～"
    platform::Label Label10;         // "終了ＭＡ"
    platform::TextBox Text6, Text7;  // AO-40 transponder-on window
    platform::Frame Frame7;          // "コンバータ補正周波数"
    platform::TextBox Text10;        // the converter offset
    platform::Label Label17;         // "ＭＨＺ"
    platform::Frame Frame15;         // "軌道補正値"
    platform::TextBox Text15;        // the mean-motion correction factor

    platform::Frame Frame8;                                         // "送信電力"
    platform::ComboBox Combo1;                                      // the transmit power, W
    platform::Label Label18;                                        // "Ｗ"
    platform::Frame Frame9;                                         // "ビーコンの電波形式"
    platform::OptionButton Option12, Option13, Option14, Option15;  // beacon mode USB, LSB, CW, FM

    platform::Frame Frame14;    // "トーン制御"
    platform::ComboBox Combo2;  // the tone frequency, "なし" for none
    platform::Frame Frame10;    // "ＡＯ－５１のトーン制御", shown for AO-51 only
    platform::CheckBox Check1;  // "トーン制御": AO-51's tone on

    platform::Frame Frame11;           // "自動起動プログラム": the two companion programs
    platform::Frame Frame12;           // "プログラム１"
    platform::Frame Frame13;           // "プログラム２"
    platform::TextBox Text11;          // program 1's file
    platform::TextBox Text12;          // program 1's parameters
    platform::TextBox Text13;          // program 2's file
    platform::TextBox Text14;          // program 2's parameters
    platform::Label Label19, Label20;  // "パラメータ" of program 1 and 2
    platform::CommandButton Command1;  // "登録終了" stores the record and closes

    int16_t edit_conv_type = 1;
    std::string edit_up_mode = kModeLsb, edit_down_mode = kModeUsb;
    std::string edit_tx_correction, edit_rx_correction;

    void Command1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Text8_KeyUp();
    void Text9_KeyUp();

    // Cuts the shared sat_info and sat_r_freq records into the controls.
    void show_sat_info();
    void update_passband(int type);
    // 0, or 1..4 for the message shown.
    int check_transponder_ma();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lay_out();
    void connect_handlers();
    void set_opening_state();
    void set_conv_type(int type);
    void refill_edges();
    // The editor's satellite is still the selected one: its edits may reach the shared values.
    bool still_selected() const;
    using ModeButtons = std::array<platform::OptionButton*, 4>;  // USB, LSB, CW, FM
    ModeButtons uplink_modes() { return {&Option4, &Option5, &Option6, &Option7}; }
    ModeButtons downlink_modes() { return {&Option8, &Option9, &Option10, &Option11}; }
    ModeButtons beacon_modes() { return {&Option12, &Option13, &Option14, &Option15}; }
    // The mode code of the chosen button, or current when none is chosen.
    static std::string chosen_mode(const ModeButtons& buttons, const std::string& current);
    // Chooses the button of a code "1".."4"; any other code leaves the buttons alone.
    static void choose_mode(const ModeButtons& buttons, const std::string& code);
    SatInfoEntry entry_from_controls();

    SatInfoEditorContext ctx_;
    bool filling_ = false;
    // The uplink edges last loaded or typed, for the way back from the fixed type.
    double edit_uplink_low_ = 0, edit_uplink_high_ = 0;
};

}  // namespace torv
