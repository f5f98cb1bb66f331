// The TS-2000 window's command link: the one command sender and its trace, the receive
// path that cuts the rig's replies at ";" and dispatches each once, in order, the reply
// handlers, the satellite-memory search and the commands of the tick.
#include <QFrame>

#include "common/debug_log_notice.h"
#include "common/number_text.h"
#include "common/waits.h"
#include "platform/text.h"
#include "rig/ts2000_commands.h"
#include "rig/ts2000_window.h"

namespace torv {

using platform::qs;

namespace {
constexpr const char* kCommandError = "コマンドエラー";
}

void Ts2000Window::data_put(const std::string& command) {
    write_test_log("PUT: " + command);
    // Every command has two letters and ";" at least.
    if (command.size() <= 2) return;
    write_bytes(std::vector<uint8_t>(command.begin(), command.end()));
}

void Ts2000Window::data_get() {
    const int n = MSComm1.InBufferCount();
    if (n <= 0) {
        write_test_log("受信データゼロ");
        return;
    }
    const QByteArray bytes = MSComm1.Input();
    Label15.setCaption("");
    const size_t held = reader_.held().size();
    write_test_log("data_get: " + str_num(static_cast<double>(held)) + " " + str_num(n) + " " + str_num(parse_position));
    const std::vector<std::string> replies = reader_.take(std::string_view(bytes.constData(), bytes.size()));
    if (reader_.dropped() > 0)
        write_test_log("受信データ破棄（；なし）: " + str_num(static_cast<double>(reader_.dropped())));
    // The text not dispatched yet, replies taken off its front one by one.
    std::string pending;
    for (const std::string& reply : replies) pending += reply;
    pending += reader_.held();
    for (const std::string& reply : replies) {
        write_test_log("GET: " + pending);
        Label16.setCaption(qs(pending));
        pending.erase(0, reply.size());
        TS_cmd(reply);
    }
    parse_position = replies.empty() || reader_.held().empty()
                         ? 0
                         : static_cast<int>(held + static_cast<size_t>(n) - reader_.held().size());
}

void Ts2000Window::TS_cmd(const std::string& reply) {
    write_test_log("TS_cmd: " + reply);
    const std::string_view head = std::string_view(reply).substr(0, 2);
    if (head == "SM") on_sm_reply(reply);
    else if (head == "PC") on_pc_reply(reply);
    else if (head == "FA") on_fa_reply(reply);
    else if (head == "FB") on_fb_reply(reply);
    else if (head == "?;") show_command_error();
}

void Ts2000Window::empty_receive_state() {
    reader_.clear();
    parse_position = 0;
}

std::string Ts2000Window::build_sa_command(const std::string& sa_template) const {
    return ts2000::build_sa_command(sa_template, state.conversion, trace_reverse);
}

// ---- replies -------------------------------------------------------------------------

void Ts2000Window::show_command_error() {
    Label38.setForeColor(kRed);
    Label38.setCaption(kCommandError);
    Label38.setFrameStyle(QFrame::Box);
    Label38.setToolTip("クリックするとメッセージを消去します");
    // Cleared after two seconds without holding up the replies behind this one; a
    // message shown meanwhile stays.
    error_clear_.start(2000);
}

void Ts2000Window::Label38_Click() {
    Label38.setCaption("");
    Label38.setFrameStyle(QFrame::NoFrame);
    Label38.setToolTip("");
}

void Ts2000Window::on_sm_reply(const std::string& reply) {
    ++sm_replies_;
    const std::optional<int> level = ts2000::s_meter_level(reply);
    if (!level) return;
    Picture1.Cls();
    draw_meter(Picture1, *level, kGreen);
}

void Ts2000Window::on_pc_reply(const std::string& reply) {
    ++pc_replies_;
    const std::optional<int> cells = ts2000::power_cells(reply);
    if (!cells) return;
    Picture2.Cls();
    draw_meter(Picture2, *cells, kRed);
}

void Ts2000Window::on_fa_reply(const std::string& reply) {
    ++fa_replies_;
    if (search_count <= 10) {
        rx_band = ts2000::band_of(tuned().recive_freq);
        fa_band_digits = ts2000::band_digits(reply, rx_band);
        write_test_log("FA_INT: " + str_num(rx_band) + " " + fa_band_digits);
        return;
    }
    const std::optional<double> mhz = kenwood::reply_frequency(reply);
    if (!mhz) return;
    state.rx_sum = *mhz;
    continue_from_read_back(Side::Rx);
}

void Ts2000Window::on_fb_reply(const std::string& reply) {
    ++fb_replies_;
    if (search_count <= 10) {
        const int band = ts2000::band_of(tuned().send_freq);
        const std::string digits = ts2000::band_digits(reply, band);
        write_test_log("FB_INT: " + str_num(band) + " " + digits + " FA_INT: " + str_num(rx_band) + " " +
                       fa_band_digits);
        if (val(digits) == band && val(fa_band_digits) == rx_band) memory_found = 1;
        return;
    }
    const std::optional<double> mhz = kenwood::reply_frequency(reply);
    if (!mhz) return;
    state.tx_sum = *mhz;
    continue_from_read_back(Side::Tx);
}

// ---- the satellite-memory search -----------------------------------------------------

// The bands are those the rig is tuned to once the tick runs: right after a set-up the
// state still holds the nominal frequencies, without a receive converter's offset.
StepFrequencies Ts2000Window::tuned() const { return next_step_frequencies(state, ctx.rig, ctx.sat.doppler_factor); }

void Ts2000Window::find_satellite_memory() {
    search_count = 0;
    memory_found = 0;
    // Both VFOs are read and compared with the satellite's bands; while they differ the
    // rig steps to its next satellite memory. Ten steps, then one last look.
    const auto check = [this](float seconds) {
        const int fa = fa_replies_, fb = fb_replies_;
        data_put("FA;");
        data_put("FB;");
        // The look ends once both replies are in, or none can come: the line was lost.
        wait_sec_until(seconds, [&] {
            return memory_found == 1 || (fa_replies_ > fa && fb_replies_ > fb) || !MSComm1.PortOpen();
        });
        return memory_found == 1;
    };
    bool found = false;
    for (int step = 0; step < 10; ++step) {
        Label38.setForeColor(kRed);
        Label38.setCaption("サテライトチャネルを探しています");
        found = check(2.0f);
        if (found || !MSComm1.PortOpen()) break;
        data_put("SA1010001;");
        data_put("CH0;");
        ++search_count;
        write_test_log("SAT_CHK_CNT: " + str_num(search_count));
    }
    if (!found && MSComm1.PortOpen()) found = check(3.0f);
    data_put("SA1010000;");
    search_count = 99;
    if (!MSComm1.PortOpen()) {
        Label38.setCaption("");
        return;
    }
    if (!found) {
        Label38.setForeColor(kRed);
        Label38.setCaption("サテライトチャネルが見つかりません");
        return;
    }
    Label38.setCaption("");
    Timer1.setEnabled(true);
}

// ---- commands of the tick and the buttons ----------------------------------------------

void Ts2000Window::send_mode(Side side, RadioMode mode) {
    // A mode the rig has no number for sends nothing.
    const std::optional<std::string> md = ts2000::mode_command(mode);
    if (!md) return;
    data_put(build_sa_command(side == Side::Tx ? "SA1011000;" : "SA1010000;"));
    data_put(*md);
}

void Ts2000Window::send_frequency(Side side, double mhz) {
    if (const auto command = kenwood::frequency_command(side == Side::Tx ? "FB" : "FA", mhz)) data_put(*command);
}

void Ts2000Window::send_ptt(bool on) { data_put(on ? "TX;" : "RX;"); }

void Ts2000Window::poll_meters() {
    if (!running()) return;
    empty_receive_state();
    // Each wait ends once its reply has moved the bar.
    if (state.recive_freq <= radio().mode_highest) {
        const int seen = sm_replies_;
        data_put("SM0;");
        wait_sec_until(0.25f, [&] { return sm_replies_ > seen; });
    }
    if (state.send_freq <= radio().mode_highest) {
        const int seen = pc_replies_;
        data_put("PC;");
        wait_sec_until(0.4f, [&] { return pc_replies_ > seen; });
    }
}

void Ts2000Window::request_frequency(Side side) {
    int& replies = side == Side::Rx ? fa_replies_ : fb_replies_;
    const int seen = replies;
    data_put(side == Side::Rx ? "FA;" : "FB;");
    wait_sec_until(0.5f, [&] { return replies > seen; });
}

}  // namespace torv
