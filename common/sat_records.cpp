#include "common/sat_records.h"

#include <algorithm>

#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

namespace {

constexpr Section kInfoSection{"SAT-INFO"};
constexpr Section kFreqSection{"SAT_R_FREQ"};
constexpr Section kUrlSection{"SAT-URL"};
constexpr Section kHoseiSection{"SAT-HOSEI"};

std::string pair_text(const FieldPair& p) { return p.first + "," + p.second; }

Section program_section(int which) { return Section{which == 2 ? "SAT-PROGRAM2" : "SAT-PROGRAM1"}; }

// The offset just after the n-th sep, or npos when the record has fewer.
size_t after_field(const std::string& record, int n, char sep) {
    size_t pos = 0;
    for (int k = 0; k < n; ++k) {
        const size_t p = record.find(sep, pos);
        if (p == std::string::npos) return std::string::npos;
        pos = p + 1;
    }
    return pos;
}

}  // namespace

std::string record_field(const std::string& record, int n, char sep) {
    const size_t start = after_field(record, n - 1, sep);
    if (start == std::string::npos || start >= record.size()) return {};
    const size_t end = record.find(sep, start);
    return record.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

FieldPair split_pair(const std::string& field) {
    const size_t p = field.find(',');
    if (p == std::string::npos) return {field, {}};
    return {field.substr(0, p), field.substr(p + 1)};
}

SatInfoRecord parse_sat_info(const std::string& r) {
    SatInfoRecord rec;
    rec.beacon = record_field(r, 1);
    rec.uplink = record_field(r, 2);
    rec.uplink_mode = record_field(r, 3);
    rec.downlink = record_field(r, 4);
    rec.downlink_mode = record_field(r, 5);
    rec.comment = record_field(r, 6);
    rec.conversion = record_field(r, 7);
    rec.on_window = split_pair(record_field(r, 8));
    rec.corrections = split_pair(record_field(r, 9));
    rec.converter_offset = record_field(r, 10);
    return rec;
}

std::string format_sat_info(const SatInfoRecord& rec) {
    std::string comment = rec.comment;
    std::replace(comment.begin(), comment.end(), ':', ' ');
    std::replace(comment.begin(), comment.end(), ',', ' ');
    return rec.beacon + ":" + rec.uplink + ":" + rec.uplink_mode + ":" + rec.downlink + ":" + rec.downlink_mode +
           ":" + comment + ":" + rec.conversion + ":" + pair_text(rec.on_window) + ":" +
           pair_text(rec.corrections) + ":" + rec.converter_offset + ":";
}

Conversion editor_conversion(const std::string& field) {
    if (field == "0") return Conversion::Fixed;
    if (field == "1" || field.empty()) return Conversion::Inverting;
    return Conversion::NonInverting;
}

Conversion rig_conversion(const std::string& field) {
    if (field == "2") return Conversion::NonInverting;
    if (field == "1") return Conversion::Inverting;
    return Conversion::Fixed;
}

std::string rewrite_sat_info_corrections(const std::string& record, double tx, double rx, double offset) {
    // A last field without its closing ":" is closed first, so it stays the field it is:
    // an open eighth field is the transponder window, never moved behind the corrections.
    std::string head = record;
    if (!head.empty() && head.back() != ':') head += ':';
    // Fields 1 to 8 stay byte for byte.
    const std::string positions = str_num(tx) + "," + str_num(rx) + ":";
    const size_t cut = after_field(head, 8, ':');
    if (cut != std::string::npos) return head.substr(0, cut) + positions + str_num(offset) + ":";
    // A record that ends before its transponder window is completed to seven fields and
    // gains the empty window "," and no converter offset, so it keeps the shape every
    // reader of the record expects.
    const size_t fields = static_cast<size_t>(std::count(head.begin(), head.end(), ':'));
    head.append(7 - std::min<size_t>(fields, 7), ':');
    return head + ",:" + positions + "0:";
}

SatFreqRange parse_sat_freq_range(const std::string& r) {
    SatFreqRange f;
    f.uplink = split_pair(record_field(r, 1));
    f.downlink = split_pair(record_field(r, 2));
    f.tx_power = record_field(r, 3);
    f.beacon_mode = record_field(r, 4);
    f.tone = record_field(r, 5);
    if (f.tx_power.empty()) f.tx_power = "50";
    if (f.beacon_mode.empty()) f.beacon_mode = kModeUsb;
    if (f.tone.empty()) f.tone = kNoTone;
    return f;
}

std::string format_sat_freq_range(const SatFreqRange& r) {
    return pair_text(r.uplink) + ":" + pair_text(r.downlink) + ":" + r.tx_power + ":" + r.beacon_mode + ":" +
           r.tone + ":";
}

SatProgram parse_sat_program(const std::string& value) {
    const FieldPair p = split_pair(value);
    return {p.first, p.second};
}

std::string format_sat_program(const SatProgram& p) { return trim(p.path) + "," + trim(p.param); }

void apply_freq_range(CurrentSatValues& v, const std::string& record) {
    const SatFreqRange f = parse_sat_freq_range(record);
    v.sat_r_freq = record;
    v.sat_uplink_low = val(f.uplink.first);
    v.sat_uplink_high = val(f.uplink.second);
    v.sat_downlink_low = val(f.downlink.first);
    v.sat_downlink_high = val(f.downlink.second);
    v.sat_tx_power = f.tx_power;
    v.sat_beacon_mode = f.beacon_mode;
    v.sat_tone = f.tone;
}

std::optional<std::string> read_sat_info(const std::string& sat, const std::string& ini_file) {
    std::string v = ini_read(kInfoSection, Key{sat}, ini_file);
    if (v == "ERROR") return std::nullopt;
    return v;
}

std::string read_sat_info_or_default(const std::string& sat, const std::string& ini_file) {
    return read_sat_info(sat, ini_file).value_or(kDefaultSatInfo);
}

bool write_sat_info(const std::string& sat, const SatInfoRecord& rec, const std::string& ini_file) {
    return ini_write(kInfoSection, Key{sat}, format_sat_info(rec), ini_file);
}

CorrectionsSaved write_sat_corrections(const std::string& sat, double tx, double rx, double offset,
                                       const std::string& ini_file) {
    const std::string stored = read_sat_info_or_default(sat, ini_file);
    const std::string record = rewrite_sat_info_corrections(stored, tx, rx, offset);
    // Written past the read limit, the record would come back with its corrections cut
    // (-1000 read as -100) and its offset lost; a record read cut short would lose its tail.
    if (!ini_value_fits(record, ini_file)) return CorrectionsSaved::TooLong;
    return ini_write(kInfoSection, Key{sat}, record, ini_file) ? CorrectionsSaved::Written
                                                               : CorrectionsSaved::WriteFailed;
}

std::string corrections_too_long_message(const std::string& sat) {
    return sat + " の衛星情報が長すぎるため、補正値を保存できませんでした。";
}

std::string read_sat_freq_range(const std::string& sat, const std::string& ini_file) {
    return ini_read_or(kFreqSection, Key{sat}, kDefaultSatFreqRange, ini_file);
}

bool write_sat_freq_range(const std::string& sat, const SatFreqRange& r, const std::string& ini_file) {
    return ini_write(kFreqSection, Key{sat}, format_sat_freq_range(r), ini_file);
}

SatProgram read_sat_program(int which, const std::string& sat, const std::string& ini_file) {
    return parse_sat_program(ini_read_or(program_section(which), Key{sat}, "", ini_file));
}

bool write_sat_program(int which, const std::string& sat, const SatProgram& p, const std::string& ini_file) {
    return ini_write(program_section(which), Key{sat}, format_sat_program(p), ini_file);
}

std::string read_sat_url(const std::string& sat, const std::string& ini_file) {
    return ini_read_or(kUrlSection, Key{sat}, "", ini_file);
}

bool write_sat_url(const std::string& sat, const std::string& url, const std::string& ini_file) {
    return ini_write(kUrlSection, Key{sat}, url, ini_file);
}

std::string read_sat_hosei(const std::string& sat, const std::string& ini_file) {
    return ini_read_or(kHoseiSection, Key{sat}, "0", ini_file);
}

bool write_sat_hosei(const std::string& sat, const std::string& factor, const std::string& ini_file) {
    return ini_write(kHoseiSection, Key{sat}, trim(factor), ini_file);
}

std::string read_ao51_tone(const std::string& ini_file) {
    return ini_read_or(Section{"TS2000"}, Key{"AO-51-TONE"}, "1", ini_file);
}

bool write_ao51_tone(const std::string& value, const std::string& ini_file) {
    return ini_write(Section{"TS2000"}, Key{"AO-51-TONE"}, value, ini_file);
}

}  // namespace torv
