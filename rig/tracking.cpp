#include "rig/tracking.h"

#include <cstdint>

#include "common/number_text.h"
#include "common/sat_records.h"

namespace torv {

namespace {

std::string or_default(const std::string& field, std::string_view fallback) {
    return field.empty() ? std::string(fallback) : field;
}

// What a usable value of the record's numeric fields lies in. A value outside takes its
// field's default, as an empty field does, and the set-up says the record has one.
constexpr double kTopFrequency = 100000;  // MHz: eleven digits of hertz, the widest tuning command
constexpr int64_t kSliderEnd = 1000;      // the correction sliders reach -1000 to 1000

// A frequency field as the text the set-up works from; empty when it lies below 0 or
// beyond every transceiver.
std::string usable_frequency(const std::string& field, bool& unusable) {
    const double mhz = val(field);
    if (mhz >= 0 && mhz < kTopFrequency) return field;
    unusable = true;
    return {};
}

// A whole number from stored text, halves to even; 0 when it lies outside lowest..highest.
int whole_within(std::string_view text, int64_t lowest, int64_t highest, bool& unusable) {
    const int64_t n = round_half_even(val(text));
    if (n >= lowest && n <= highest) return static_cast<int>(n);
    unusable = true;
    return 0;
}

int slider_position(std::string_view text, bool& unusable) {
    return whole_within(text, -kSliderEnd, kSliderEnd, unusable);
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

std::string freq_text(double mhz) { return format_number(mhz, "####.00000"); }

void update_transponder_constant(RigWindowState& s) {
    if (s.conversion == ConversionType::NonInverting)
        s.transponder_constant = val(s.uplink_text) - val(s.downlink_text);
    if (s.conversion == ConversionType::Inverting) s.transponder_constant = val(s.uplink_text) + val(s.downlink_text);
}

SatInfoSetup apply_sat_info(RigWindowState& s, RigShared& shared, const std::string& record, double k) {
    SatInfoRecord r = parse_sat_info(record);
    SatInfoSetup setup;
    bool& unusable = setup.unusable_value;
    for (std::string* f : {&r.beacon, &r.uplink, &r.downlink}) *f = usable_frequency(*f, unusable);

    s.beacon_text = or_default(r.beacon, "0");
    shared.rig_beacon_text = num_text(val(s.beacon_text) * k);

    // A missing nominal frequency leaves what the window knew of the transceiver.
    s.uplink_text = s.tx_base_text = or_default(r.uplink, "0");
    if (!r.uplink.empty()) s.tx_sum = val(r.uplink);
    shared.rig_uplink_text = s.uplink_text;
    s.send_freq = val(s.uplink_text);

    s.tx_mode = parse_mode(or_default(r.uplink_mode, "2"));
    if (s.tx_mode != RadioMode::Other) shared.rig_uplink_mode = mode_name(s.tx_mode);
    s.tx_mode_sent.reset();

    s.downlink_text = s.rx_base_text = or_default(r.downlink, "0");
    if (!r.downlink.empty()) s.rx_sum = val(r.downlink);
    shared.rig_downlink_text = s.downlink_text;
    s.recive_freq = val(s.downlink_text);

    s.rx_mode = parse_mode(or_default(r.downlink_mode, "1"));
    if (s.rx_mode != RadioMode::Other) shared.rig_downlink_mode = mode_name(s.rx_mode);
    s.rx_mode_sent.reset();

    s.conversion_type = or_default(r.conversion, "0");
    s.conversion = parse_conversion(s.conversion_type);
    update_transponder_constant(s);

    // A record without conversion type resets the corrections, as an empty field does.
    if (!r.conversion.empty() && !record_field(record, 9).empty())
        setup.sliders = std::make_pair(slider_position(r.corrections.first, unusable),
                                       slider_position(r.corrections.second, unusable));
    // The receive converter's offset: whole MHz, held as a 16-bit whole number.
    shared.sat_converter_offset = whole_within(r.converter_offset, INT16_MIN, INT16_MAX, unusable);
    return setup;
}

SliderCorrection slider_correction(int p, RadioMode mode, bool enabled) {
    const bool fm = mode == RadioMode::Fm;
    SliderCorrection c;
    c.mhz = enabled ? (fm ? p / 1000.0 : p / 20000.0) : 0.0;
    c.value = num_text(fm ? p : p * 50);
    c.unit = fm ? "KHZ" : "HZ";
    return c;
}

TrackDisplay track_tx_fixed(RigWindowState& s, RigShared& shared, double k) {
    TrackDisplay d;
    beacon_step(d, s, shared, k);
    const bool inverting = s.conversion == ConversionType::Inverting;
    if (!inverting && s.conversion != ConversionType::NonInverting) return d;
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
    const bool inverting = s.conversion == ConversionType::Inverting;
    if (!inverting && s.conversion != ConversionType::NonInverting) return d;
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
    if (s.conversion != ConversionType::Fixed) return d;
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
    if (s.conversion == ConversionType::Fixed) return track_separate(s, shared, k);
    return s.fixed_side == 2 ? track_rx_fixed(s, shared, k) : track_tx_fixed(s, shared, k);
}

StepFrequencies next_step_frequencies(RigWindowState s, RigShared shared, double k) {
    track_step(s, shared, k);
    return {s.send_freq, s.recive_freq};
}

void rebase_tx(RigWindowState& s) { s.tx_base_text = num_text(s.send_freq - s.tx_correction); }
void rebase_rx(RigWindowState& s) { s.rx_base_text = num_text(s.recive_freq - s.rx_correction); }

bool read_back_accepted(double previous, double now, bool either_way) {
    const double fall = previous - now;
    return !(fall > 10 || (either_way && -fall > 10) || now > 460);
}

}  // namespace torv
