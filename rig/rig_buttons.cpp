// The operating buttons of the transceiver window template: modes, automatic and
// manual sides, frequency reads and their read-backs, auto-capture, beacon reception,
// PTT and the SO-50 tone burst.
#include <QKeyEvent>

#include "common/number_text.h"
#include "common/waits.h"
#include "rig/rig_window.h"

namespace torv {

bool RigWindow::link_refused() {
    if (running()) return false;
    notice(radio_.not_running_text);
    return true;
}

void RigWindow::mode_button(Side side, RadioMode mode) {
    if (link_refused()) return;
    if (side == Side::Tx) {
        state.tx_mode = mode;
        show_mode_lamps(tx_lamps, mode);
        dde_put("Text15", mode_name(mode));
    } else {
        state.rx_mode = mode;
        show_mode_lamps(rx_lamps, mode);
        dde_put("Text16", mode_name(mode));
    }
    after_mode_button();
}

void RigWindow::Command11_Click() {
    if (link_refused() || !rx_toggle_allowed()) return;
    const bool to_auto = state.rx_auto != 1;
    set_auto(state.rx_auto, Shape14, Command11, to_auto);
    *mirror_.rx_auto = state.rx_auto;
    Command13.setEnabled(!to_auto);
    if (capture_button_) capture_button_->setEnabled(!to_auto);
    side_toggled(Side::Rx, to_auto);
    if (to_auto) HScroll2_Change();
}

void RigWindow::Command12_Click() {
    if (link_refused()) return;
    const bool to_auto = state.tx_auto != 1;
    set_auto(state.tx_auto, Shape15, Command12, to_auto);
    Command14.setEnabled(!to_auto);
    side_toggled(Side::Tx, to_auto);
    if (to_auto) HScroll1_Change();
}

void RigWindow::read_frequency(Side side) {
    const bool rx = side == Side::Rx;
    platform::CommandButton& button = rx ? Command13 : Command14;
    button.setEnabled(false);
    if ((rx ? state.rx_auto : state.tx_auto) == 1 || !running()) return;
    Timer1.setEnabled(false);
    reading_ = true;
    request_frequency(side);
    reading_ = false;
    // A manual transmit side is computed from the captured receive frequency and sent
    // once, also when the capture fell inside a tick's wait.
    if (rx && state.tx_auto != 1) {
        state.tx_auto = 1;
        run_tick();
        state.tx_auto = 0;
    }
    Timer1.setEnabled(true);
    button.setEnabled(true);
}

void RigWindow::continue_from_read_back(Side side) {
    // Tracking continues from the frequency the operator tuned on the transceiver.
    if (side == Side::Rx) {
        if (state.conversion != ConversionType::Fixed) state.rx_base_text = num_text(state.rx_sum);
        HScroll2_Change();
    } else {
        if (state.conversion != ConversionType::Fixed) state.tx_base_text = num_text(state.tx_sum);
        HScroll1_Change();
    }
}

void RigWindow::auto_capture_toggle() {
    if (link_refused()) return;
    if (state.fixed_side != 2) {
        notice("受信周波数固定モードに変更してください。");
        return;
    }
    const bool on = state.auto_capture_on != 1;
    Command13.setEnabled(!on);
    capture_button_->setBackColor(on ? kYellow : kButtonFace);
    state.auto_capture_on = on ? 1 : 0;
    *mirror_.auto_capture = state.auto_capture_on;
    Timer2.setEnabled(on);
}

void RigWindow::Timer2_Timer() {
    // A capture falling due while the last read still waits (its refusal may be on
    // screen) would only stack another read and another notice on it.
    if (state.auto_capture_on != 1 || reading_) return;
    Command13_Click();
    Command13.setEnabled(false);
}

void RigWindow::beacon_toggle() {
    if (link_refused()) return;
    const bool on = beacon_on != 1;
    beacon_on = on ? 1 : 0;
    *mirror_.beacon_mode = beacon_on;
    beacon_button_->setBackColor(on ? kYellow : kButtonFace);
    if (on) send_beacon_mode();
}

void RigWindow::ptt_toggle() {
    if (!running()) {
        notice(radio_.ptt_not_running_text ? radio_.ptt_not_running_text : radio_.not_running_text);
        return;
    }
    const bool on = ptt_on != 1;
    ptt_on = on ? 1 : 0;
    send_ptt(on);
    ptt_button_->setBackColor(on ? kRed : kButtonFace);
}

namespace {

// The window key codes of the keys a transceiver window acts on; 0 for the others.
int key_code_of(int qt_key) {
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return 112 + (qt_key - Qt::Key_F1);
    switch (qt_key) {
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Delete: return 46;
        default: return 0;
    }
}

}  // namespace

bool RigWindow::Form_KeyDown(int key_code, int shift, bool auto_repeat) {
    (void)shift;
    if (key_code != 17 || !ptt_button_) return false;
    if (!auto_repeat) ptt_toggle();
    return true;
}

bool RigWindow::preview_key(QKeyEvent* event) {
    // While the link runs the window sees these keys before the control that has the
    // focus; otherwise only while it has the focus itself.
    const int code = key_code_of(event->key());
    const bool to_window = key_preview_ || focusWidget() == nullptr || focusWidget() == this;
    return to_window && code != 0 && Form_KeyDown(code, (event->modifiers().toInt() >> 25) & 7, event->isAutoRepeat());
}

void RigWindow::keyPressEvent(QKeyEvent* event) {
    if (!preview_key(event)) platform::Form::keyPressEvent(event);
}

void RigWindow::Command15_Click() {
    // A second press while the burst's events run would key the transmitter again.
    Command15.setEnabled(false);
    Command15.setBackColor(kYellow);
    send_burst_tone();
    Label25.setCaption(radio_.burst_sending_text);
    send_ptt(true);
    if (radio_.burst_waits) wait_sec(2.0f);
    else sleep_sec(2.0f);
    send_ptt(false);
    Label25.setCaption(radio_.burst_done_text);
    // The next tick sends the transmit mode again, and with it the satellite's tone.
    state.tx_mode_sent.reset();
    after_burst();
    Command15.setBackColor(ctx.backcolor);
    Command15.setEnabled(true);
}

}  // namespace torv
