#include "rig/rig_window.h"

#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/waits.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

RigWindow::RigWindow(RigContext& context, const Radio& radio, const CatPortSetting& cat, Mirror mirror)
    : ctx(context), Label1(this), Label2(this), Label4(this), Label5(this), Label6(this), Label8(this),
      Label10(this), Label12(this), Label14(this), HScroll1(this), HScroll2(this), Check1(this), Check2(this),
      Check3(this), Label29(this), Label31(this), Label27(this), Label30(this), Label23(this), Label24(this),
      Shape16(this), Label22(this), Command1(this), Command2(this), Command3(this), Command4(this), Command5(this),
      Command6(this), Command7(this), Command8(this), Command9(this), Command10(this), Command11(this),
      Command12(this), Command13(this), Command14(this), Command15(this), Shape14(this), Shape15(this),
      Label15(this), Label16(this), Label25(this), Label32(this), Label33(this), Picture1(this), Picture2(this),
      MSComm1(this), radio_(radio), cat_(cat), mirror_(mirror) {
    for (auto* lamps : {&tx_lamps, &rx_lamps})
        for (platform::Shape& lamp : *lamps) lamp.setParent(this);
    menuBar();  // every transceiver window has a settings menu: its controls start below the bar
    place_controls();
    Label5.setCaption("送信周波数");
    Label6.setCaption("受信周波数");
    Label1.setToolTip("クリックすると送信周波数固定とします");
    Label2.setToolTip("クリックすると受信周波数固定とします");
    Label23.setToolTip("送信周波数補正値をリセット");
    Label24.setToolTip("受信周波数補正値をリセット");
    Check1.setCaption("受信コンバータ ");
    for (platform::CheckBox* box : {&Check2, &Check3}) {
        box->setCaption("周波数補正");
        box->setValue(1);
    }
    for (platform::HScrollBar* slider : {&HScroll1, &HScroll2}) {
        slider->setRange(-1000, 1000);
        slider->setValue(0);
        // A dragged box changes the position once, on release: each change pauses the
        // program half a second, so one per step of a drag would freeze it.
        slider->setTracking(false);
    }
    for (ClickLabel* reset : {&Label23, &Label24}) reset->setCaption("－　　　０　　　＋");

    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    Label23.Click = [this] { Label23_Click(); };
    Label24.Click = [this] { Label24_Click(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
    HScroll2.Change = [this] { HScroll2_Change(); };
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { HScroll1_Change(); };
    Check3.Click = [this] { HScroll2_Change(); };
    place_link_controls();
    connect_link_handlers();
}

void RigWindow::place_controls() {
    platform::place(&Label4, 120, 120, 3000, 300);
    platform::place(&Label8, 3240, 120, 1600, 300);
    platform::place(&Label5, 120, 540, 1400, 300);
    platform::place(&Label1, 1560, 540, 1800, 300);
    platform::place(&Label6, 120, 900, 1400, 300);
    platform::place(&Label2, 1560, 900, 1800, 300);
    platform::place(&Label10, 3480, 540, 1600, 300);
    platform::place(&Label12, 3480, 900, 1600, 300);
    platform::place(&Label14, 5160, 720, 900, 300);
    for (int i = 0; i < 4; ++i) {
        platform::place(&tx_lamps[i], 120 + 360 * i, 1320, 240, 240);
        platform::place(&rx_lamps[i], 1800 + 360 * i, 1320, 240, 240);
    }
    platform::place(&HScroll1, 120, 1740, 3000, 240);
    platform::place(&Label23, 120, 1980, 3000, 240);
    platform::place(&Label29, 3240, 1740, 900, 240);
    platform::place(&Label31, 4200, 1740, 500, 240);
    platform::place(&Check2, 4800, 1740, 1300, 240);
    platform::place(&HScroll2, 120, 2280, 3000, 240);
    platform::place(&Label24, 120, 2520, 3000, 240);
    platform::place(&Label27, 3240, 2280, 900, 240);
    platform::place(&Label30, 4200, 2280, 500, 240);
    platform::place(&Check3, 4800, 2280, 1300, 240);
    platform::place(&Check1, 120, 2820, 1600, 240);
    platform::place(&Shape16, 1800, 2820, 240, 240);
    platform::place(&Label22, 3480, 2820, 1200, 240);
}

void RigWindow::set_converter_labels(platform::Label* shown_when_on, platform::Label* offset_text) {
    converter_shown_ = shown_when_on;
    converter_text_ = offset_text;
    platform::place(converter_text_, 2160, 2820, 1200, 240);
    platform::place(converter_shown_, 3480, 2820, 1200, 240);
    converter_shown_->hide();
}

void RigWindow::set_fixed_side_lamps(platform::Shape* tx, platform::Shape* rx) {
    tx_fixed_lamp_ = tx;
    rx_fixed_lamp_ = rx;
}

void RigWindow::dde_put(std::string_view item, const std::string& text) {
    if (ctx.services.dde_put) ctx.services.dde_put(item, text);
}

void RigWindow::show_mode_lamps(std::array<platform::Shape, 4>& lamps, RadioMode mode) {
    if (mode == RadioMode::Other) return;
    const int chosen = static_cast<int>(mode);  // the lamps are in the modes' order
    for (int i = 0; i < 4; ++i) lamps[i].setFillColor(i == chosen ? kRed : kWhite);
}

void RigWindow::parse_sat_info(const std::string& record) {
    const double k = ctx.sat.doppler_factor;
    const SatInfoSetup setup = apply_sat_info(state, ctx.rig, record, k);

    Label8.setCaption(qs(freq_text(k * val(state.beacon_text))));
    Label1.setCaption(qs(state.uplink_text));
    dde_put("Text12", state.uplink_text);
    Label10.setCaption(qs(num_text(val(state.uplink_text) * k)));
    show_mode_lamps(tx_lamps, state.tx_mode);
    dde_put("Text15", ctx.rig.rig_uplink_mode);
    Label2.setCaption(qs(state.downlink_text));
    dde_put("Text13", state.downlink_text);
    Label12.setCaption(qs(num_text(val(state.downlink_text) * k)));
    show_mode_lamps(rx_lamps, state.rx_mode);
    dde_put("Text16", ctx.rig.rig_downlink_mode);

    if (state.conversion == ConversionType::NonInverting) Label14.setCaption("非反転");
    else if (state.conversion == ConversionType::Inverting) Label14.setCaption("反転");
    else Label14.setCaption("固定");

    // Positioning a slider runs its handler only when the position changes.
    if (setup.sliders) {
        HScroll1.setValue(setup.sliders->first);
        HScroll2.setValue(setup.sliders->second);
    } else {
        HScroll2.setValue(0);
        HScroll1.setValue(0);
    }
    // A slider left where it stood kept the previous satellite's correction: its scale
    // (FM or not) and, with the converter ticked, its converter offset. Both are worked
    // out again here, without the pause, so the next tick tunes the radio for this one.
    apply_tx_correction();
    apply_rx_correction();
    show_converter_offset();

    if (platform::Label* label = beacon_mode_label()) label->setCaption(qs(mode_name(sat_beacon_mode())));
    // Told once the window shows what it set up, as the box waits for the operator.
    if (setup.unusable_value) report_unusable_setting("[SAT-INFO] " + ctx.sat.selected_sat);
}

void RigWindow::apply_tx_correction() {
    const bool on = !radio_.engine.correction_boxes || Check2.value() == 1;
    const SliderCorrection c = slider_correction(HScroll1.value(), state.tx_mode, on);
    state.tx_correction = c.mhz;
    Label29.setCaption(qs(c.value));
    Label31.setCaption(qs(c.unit));
    update_transponder_constant(state);
}

void RigWindow::apply_rx_correction() {
    const bool on = !radio_.engine.correction_boxes || Check3.value() == 1;
    const SliderCorrection c = slider_correction(HScroll2.value(), state.rx_mode, on);
    state.rx_correction = c.mhz;
    if (Check1.value() == 1) state.rx_correction -= ctx.rig.sat_converter_offset;
    Label27.setCaption(qs(c.value));
    Label30.setCaption(qs(c.unit));
    update_transponder_constant(state);
}

void RigWindow::HScroll1_Change() {
    apply_tx_correction();
    sleep_sec(0.5f);
}

void RigWindow::HScroll2_Change() {
    apply_rx_correction();
    sleep_sec(0.5f);
}

void RigWindow::color_fixed_side(int side) {
    Label5.setBackColor(side == 1 ? kYellow : kLightOrange);
    Label1.setBackColor(side == 1 ? kYellow : kLightOrange);
    Label6.setBackColor(side == 2 ? kYellow : kLightGreen);
    Label2.setBackColor(side == 2 ? kYellow : kLightGreen);
    if (tx_fixed_lamp_) tx_fixed_lamp_->setFillColor(side == 1 ? kRed : kWhite);
    if (rx_fixed_lamp_) rx_fixed_lamp_->setFillColor(side == 2 ? kRed : kWhite);
}

void RigWindow::make_rx_fixed_at_setup() {
    state.fixed_side = 2;
    *mirror_.fixed_side = 2;
    color_fixed_side(2);
}

void RigWindow::Label1_Click() {
    if (radio_.engine.refuse_tx_fixed_while_capturing && state.auto_capture_on == 1) {
        notice("受信周波数の自動取り込みモードになっています");
        return;
    }
    color_fixed_side(1);
    if (radio_.engine.rebase_fixed_side) rebase_tx(state);
    state.fixed_side = 1;
    *mirror_.fixed_side = 1;
    track_tx_fixed();
}

void RigWindow::Label2_Click() {
    color_fixed_side(2);
    if (radio_.engine.rebase_fixed_side) rebase_rx(state);
    state.fixed_side = 2;
    *mirror_.fixed_side = 2;
    track_rx_fixed();
}

void RigWindow::Check1_Click() {
    const bool on = Check1.value() == 1;
    const platform::ColorValue color = on ? converter_color() : kButtonFace;
    QPalette p = Check1.palette();
    p.setColor(QPalette::Window, platform::to_qcolor(color));
    Check1.setPalette(p);
    Check1.setAutoFillBackground(true);
    Shape16.setFillColor(color);
    Label22.setVisible(!on);
    if (converter_shown_) converter_shown_->setVisible(on);
    if (converter_text_) converter_text_->setBackColor(color);
    show_converter_offset();
    HScroll2_Change();
}

void RigWindow::show_converter_offset() {
    if (!converter_text_) return;
    const bool on = Check1.value() == 1;
    converter_text_->setCaption(on ? qs("-" + str_num(ctx.rig.sat_converter_offset) + "MHZ") : QString());
}

void RigWindow::show(const TrackDisplay& d) {
    Label8.setCaption(qs(d.label8));
    if (d.label1) Label1.setCaption(qs(*d.label1));
    if (d.label2) Label2.setCaption(qs(*d.label2));
    if (d.label10) Label10.setCaption(qs(*d.label10));
    if (d.label12) Label12.setCaption(qs(*d.label12));
    if (d.text12) dde_put("Text12", *d.text12);
    if (d.text13) dde_put("Text13", *d.text13);
}

void RigWindow::track_tx_fixed() { show(torv::track_tx_fixed(state, ctx.rig, ctx.sat.doppler_factor)); }
void RigWindow::track_rx_fixed() { show(torv::track_rx_fixed(state, ctx.rig, ctx.sat.doppler_factor)); }
void RigWindow::track_separate() { show(torv::track_separate(state, ctx.rig, ctx.sat.doppler_factor)); }
void RigWindow::engine_step() { show(torv::track_step(state, ctx.rig, ctx.sat.doppler_factor)); }

}  // namespace torv
