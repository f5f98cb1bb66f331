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
    platform::Label Label1, Label2;
    platform::Label Label3, Label4, Label5, Label6, Label7;  // captions of Text1 .. Text5
    platform::TextBox Text1, Text2, Text3, Text4, Text5;
    platform::Frame Frame1, Frame2, Frame3;
    platform::OptionButton Option1, Option2, Option3;            // conversion type
    platform::OptionButton Option4, Option5, Option6, Option7;   // uplink mode
    platform::OptionButton Option8, Option9, Option10, Option11; // downlink mode
    platform::Frame Frame5, Frame6;
    platform::Label Label11, Label12;
    platform::TextBox Text8, Text9;  // uplink passband edges
    platform::Label Label13, Label14, Label15, Label16;
    platform::Frame Frame4;
    platform::Label Label8, Label9, Label10;
    platform::TextBox Text6, Text7;  // AO-40 transponder-on window
    platform::Frame Frame7;
    platform::TextBox Text10;
    platform::Label Label17;
    platform::Frame Frame15;
    platform::TextBox Text15;
    platform::Frame Frame8;
    platform::ComboBox Combo1;
    platform::Label Label18;
    platform::Frame Frame9;
    platform::OptionButton Option12, Option13, Option14, Option15;  // beacon mode
    platform::Frame Frame14;
    platform::ComboBox Combo2;
    platform::Frame Frame10;
    platform::CheckBox Check1;
    platform::Frame Frame11, Frame12, Frame13;
    platform::TextBox Text11, Text12, Text13, Text14;
    platform::Label Label19, Label20;
    platform::CommandButton Command1;

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
