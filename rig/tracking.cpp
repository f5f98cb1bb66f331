#include "rig/tracking.h"

#include <algorithm>
#include <array>

#include "common/number_text.h"

namespace torv {

namespace {

// The ten fields of an information record; a field that is empty or missing at the
// end of a shorter record (text after the last ":" included) is empty.
std::array<std::string, 10> record_fields(std::string_view record) {
    std::array<std::string, 10> fields;
    size_t start = 0;
    for (std::string& field : fields) {
        const size_t end = record.find(':', start);
        if (end == std::string_view::npos) break;
        field = std::string(record.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string or_default(const std::string& field, std::string_view fallback) {
    return field.empty() ? std::string(fallback) : field;
}

// A slider position from stored text: whole, halves to even, within the slider's range.
int slider_position(std::string_view text) {
    return static_cast<int>(std::clamp<int64_t>(round_half_even(val(text)), -1000, 1000));
}

void beacon_step(TrackDisplay& d, const RigWindowState& s, RigShared& shared, double k) {
    const double beacon = val(s.beacon_text);
    d.label8 = freq_text(k * beacon);
    shared.rig_beacon_text = num_text(beacon * k);
}

void show_send(TrackDisplay& d, RigWindowState& s, double v) {
    d.label1 = freq_text(v);
    d.text12 = freq_text(v);
    s.send_freq = v;
}

void show_receive(TrackDisplay& d, RigWindowState& s, double v) {
    d.label2 = freq_text(v);
    d.text13 = freq_text(v);
    s.recive_freq = v;
}

}  // namespace

std::string mode_name(std::string_view code) {
    if (code == "1") return "USB";
    if (code == "2") return "LSB";
    if (code == "3") return "CW";
    if (code == "4") return "FM";
    return {};
}

std::string freq_text(double mhz) { return format_number(mhz, "####.00000"); }

void update_transponder_constant(RigWindowState& s) {
    if (s.conversion_type == "2") s.transponder_constant = val(s.uplink_text) - val(s.downlink_text);
    if (s.conversion_type == "1") s.transponder_constant = val(s.uplink_text) + val(s.downlink_text);
}

SatInfoSetup parse_sat_info(RigWindowState& s, RigShared& shared, std::string_view record, double k) {
    const std::array<std::string, 10> f = record_fields(record);
    SatInfoSetup setup;

    s.beacon_text = or_default(f[0], "0");
    shared.rig_beacon_text = num_text(val(s.beacon_text) * k);

    // A missing nominal frequency leaves what the window knew of the transceiver.
    s.uplink_text = s.tx_base_text = or_default(f[1], "0");
    if (!f[1].empty()) s.tx_sum = val(f[1]);
    shared.rig_uplink_text = s.uplink_text;
    s.send_freq = val(s.uplink_text);

    s.tx_mode = or_default(f[2], "2");
    setup.tx_mode_known = !mode_name(s.tx_mode).empty();
    if (setup.tx_mode_known) shared.rig_uplink_mode = mode_name(s.tx_mode);
    s.tx_mode_sent.clear();

    s.downlink_text = s.rx_base_text = or_default(f[3], "0");
    if (!f[3].empty()) s.rx_sum = val(f[3]);
    shared.rig_downlink_text = s.downlink_text;
    s.recive_freq = val(s.downlink_text);

    s.rx_mode = or_default(f[4], "1");
    setup.rx_mode_known = !mode_name(s.rx_mode).empty();
    if (setup.rx_mode_known) shared.rig_downlink_mode = mode_name(s.rx_mode);
    s.rx_mode_sent.clear();

    s.conversion_type = or_default(f[6], "0");
    update_transponder_constant(s);

    // A record without conversion type resets the corrections, as an empty field does.
    if (!f[6].empty() && !f[8].empty()) {
        const size_t comma = f[8].find(',');
        const std::string_view corr = f[8];
        const std::string_view rx = comma == std::string::npos ? std::string_view{} : corr.substr(comma + 1);
        setup.sliders = std::make_pair(slider_position(corr.substr(0, comma)), slider_position(rx));
    }
    shared.sat_converter_offset = f[9].empty() ? 0 : static_cast<int>(round_half_even(val(f[9])));
    return setup;
}

SliderCorrection slider_correction(int p, std::string_view mode, bool enabled) {
    const bool fm = mode == "4";
    SliderCorrection c;
    c.mhz = enabled ? (fm ? p / 1000.0 : p / 20000.0) : 0.0;
    c.value = num_text(fm ? p : p * 50);
    c.unit = fm ? "KHZ" : "HZ";
    return c;
}

TrackDisplay track_tx_fixed(RigWindowState& s, RigShared& shared, double k) {
    TrackDisplay d;
    beacon_step(d, s, shared, k);
    const bool inverting = s.conversion_type == "1";
    if (!inverting && s.conversion_type != "2") return d;
    const double B = val(s.tx_base_text);
    const double K = s.transponder_constant;
    show_send(d, s, B + s.tx_correction);
    // The inverting branch hands the item its blank-led text and works on the
    // satellite's receive frequency rounded to 10 Hz.
    if (inverting) d.text12 = str_num(B + s.tx_correction);
    const double satRX = inverting ? val(freq_text(k * B)) : k * B;
    d.label10 = freq_text(satRX);
    const double satTX = inverting ? K - satRX : satRX - K;
    d.label12 = freq_text(satTX);
    d.label2 = freq_text(k * satTX);  // shown without the receive correction
    d.text13 = d.label2;
    s.recive_freq = k * satTX + s.rx_correction;
    return d;
}

TrackDisplay track_rx_fixed(RigWindowState& s, RigShared& shared, double k) {
    TrackDisplay d;
    beacon_step(d, s, shared, k);
    const bool inverting = s.conversion_type == "1";
    if (!inverting && s.conversion_type != "2") return d;
    const double B = val(s.rx_base_text);
    const double K = s.transponder_constant;
    const double satTX = B / k;
    d.label12 = freq_text(satTX);
    show_receive(d, s, (inverting ? B : k * satTX) + s.rx_correction);
    const double satRX = inverting ? K - satTX : satTX + K;
    d.label10 = freq_text(satRX);
    show_send(d, s, satRX / k + s.tx_correction);
    return d;
}

TrackDisplay track_separate(RigWindowState& s, RigShared& shared, double k) {
    TrackDisplay d;
    beacon_step(d, s, shared, k);
    if (s.conversion_type != "0") return d;
    d.label10 = freq_text(val(s.tx_base_text));
    d.label12 = freq_text(val(s.rx_base_text));
    show_send(d, s, (s.tx_auto == 1 ? val(s.tx_base_text) * (2 - k) : s.tx_sum) + s.tx_correction);
    show_receive(d, s, (s.rx_auto == 1 ? k * val(s.rx_base_text) : s.rx_sum) + s.rx_correction);
    if (s.tx_auto == 1 && s.rx_auto == 1) {
        s.tx_sum = s.send_freq;
        s.rx_sum = s.recive_freq;
    }
    return d;
}

TrackDisplay track_step(RigWindowState& s, RigShared& shared, double k) {
    if (val(s.conversion_type) == 0) return track_separate(s, shared, k);
    return s.fixed_side == 2 ? track_rx_fixed(s, shared, k) : track_tx_fixed(s, shared, k);
}

void rebase_tx(RigWindowState& s) { s.tx_base_text = num_text(s.send_freq - s.tx_correction); }
void rebase_rx(RigWindowState& s) { s.rx_base_text = num_text(s.recive_freq - s.rx_correction); }

std::string corrections_record(std::string_view record, int tx_slider, int rx_slider, int converter_offset) {
    const std::string positions = str_num(tx_slider) + "," + str_num(rx_slider) + ":";
    // The end of field 7.
    size_t start = 0;
    int colons = 0;
    for (; colons < 7; ++colons) {
        const size_t end = record.find(':', start);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    std::string head;
    if (colons < 7) {
        // A record of fewer fields counts as ending with empty ones.
        head = std::string(record) + std::string(7 - colons, ':');
    } else {
        const size_t eighth = record.find(':', start);
        if (eighth != std::string_view::npos && eighth > start)
            return std::string(record.substr(0, eighth + 1)) + positions + str_num(converter_offset) + ":";
        head = std::string(record.substr(0, start));
    }
    // No transponder window stored: an empty one, and no converter offset.
    return head + ",:" + positions + "0:";
}

}  // namespace torv
