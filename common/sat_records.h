#pragma once
#include <optional>
#include <string>

// What the program knows about one satellite beyond its elements, kept in torv.ini
// under sections keyed by the satellite's name: transponder and modes ([SAT-INFO]),
// passbands, power, beacon mode and tone ([SAT_R_FREQ]), home page ([SAT-URL]),
// companion programs ([SAT-PROGRAM1], [SAT-PROGRAM2]), the mean-motion correction
// factor ([SAT-HOSEI]), and the program-wide AO-51 tone switch ([TS2000] AO-51-TONE).
namespace torv {

inline const char* const kDefaultSatInfo = "0:146:2:436:1::0:,:,:0:";
inline const char* const kDefaultSatFreqRange = ",:,:50:1:なし:";
inline const char* const kNoTone = "なし";

// Mode codes as stored.
inline const char* const kModeUsb = "1";
inline const char* const kModeLsb = "2";
inline const char* const kModeCw = "3";
inline const char* const kModeFm = "4";

// The n-th field (from 1) of a record whose fields each end with sep; a field missing at
// the end of a shorter record is empty.
std::string record_field(const std::string& record, int n, char sep = ':');

// A field of two parts split at its first ","; a part missing is empty.
struct FieldPair {
    std::string first, second;
};
FieldPair split_pair(const std::string& field);

// SatInfoRecord: ten fields, each ended by ":". Kept as the stored texts.
struct SatInfoRecord {
    std::string beacon;          // MHz
    std::string uplink;          // MHz, station transmits
    std::string uplink_mode;     // mode code
    std::string downlink;        // MHz, station receives
    std::string downlink_mode;
    std::string comment;         // never holds ":" or ","
    std::string conversion;      // "0" fixed (FM), "1" inverting, "2" non-inverting
    FieldPair on_window;         // transponder-on window, 1/256 revolution
    FieldPair corrections;       // transmit and receive correction slider positions
    std::string converter_offset;  // whole MHz
};
SatInfoRecord parse_sat_info(const std::string& record);
// The stored form; a comment's ":" and "," become blanks so the record keeps ten fields.
std::string format_sat_info(const SatInfoRecord& rec);

enum class Conversion { Fixed, Inverting, NonInverting };
// How the editor reads field 7: "0" fixed, "1" or empty inverting, anything else non-inverting.
Conversion editor_conversion(const std::string& field);
// How the transceiver windows read it: "2" non-inverting, "1" inverting, anything else fixed.
Conversion rig_conversion(const std::string& field);

// The record with fields 9 and 10 replaced by the slider positions and the converter
// offset in the leading-blank number form (12, -3, 0 -> " 12,-3" and " 0"); fields 1 to
// 8 stay byte for byte. A record that ends before field 8 gets "," as field 8 and "0"
// as the offset.
std::string rewrite_sat_info_corrections(const std::string& record, double tx, double rx, double offset);

// SatFreqRangeRecord: five fields, each ended by ":".
struct SatFreqRange {
    FieldPair uplink;         // lower and upper edge, MHz (a fixed transponder: frequency and "")
    FieldPair downlink;       // images of the uplink lower and upper edge
    std::string tx_power;     // W
    std::string beacon_mode;  // mode code
    std::string tone;         // Hz text or "なし"
};
// Empty power, beacon mode and tone read as "50", "1" and "なし".
SatFreqRange parse_sat_freq_range(const std::string& record);
std::string format_sat_freq_range(const SatFreqRange& r);

// SatProgramSetting: path and parameters joined by one ","; "," alone = no program.
struct SatProgram {
    std::string path, param;
};
// Splits at the first ","; a value without "," is all path.
SatProgram parse_sat_program(const std::string& value);
std::string format_sat_program(const SatProgram& p);  // each part trimmed

// The current-satellite values the transceiver windows read.
struct CurrentSatValues {
    std::string sat_info;
    std::string sat_r_freq;
    double sat_uplink_low = 0, sat_uplink_high = 0;
    double sat_downlink_low = 0, sat_downlink_high = 0;  // first and second number
    std::string sat_tx_power;
    std::string sat_beacon_mode;
    std::string sat_tone;
    std::string sat_url;
    std::string ao51_tone;
    double ao40_ma_start = -1, ao40_ma_end = -1;
    std::string sat_program1, sat_program1_path, sat_program1_param;
    std::string sat_program2, sat_program2_path, sat_program2_param;
    std::string sat_hosei_text;
};
// Sets the passband numbers (0 for an empty edge), power, beacon mode and tone.
void apply_freq_range(CurrentSatValues& v, const std::string& record);

// ---- Reading and writing the settings file -----------------------------------------

// The stored record, or nothing when the key is missing.
std::optional<std::string> read_sat_info(const std::string& sat, const std::string& ini_file);
// The stored record, or the default one.
std::string read_sat_info_or_default(const std::string& sat, const std::string& ini_file);
bool write_sat_info(const std::string& sat, const SatInfoRecord& rec, const std::string& ini_file);
// A transceiver window's link stopped: rewrite fields 9 and 10 (the default record when
// the key is missing). A record that would no longer be read back whole with them (the
// settings read returns at most kSettingReadBytes) is left as it is: TooLong.
enum class CorrectionsSaved { Written, TooLong, WriteFailed };
CorrectionsSaved write_sat_corrections(const std::string& sat, double tx, double rx, double offset,
                                       const std::string& ini_file);
// What the operator is told when the corrections of sat could not be kept in its record.
std::string corrections_too_long_message(const std::string& sat);

std::string read_sat_freq_range(const std::string& sat, const std::string& ini_file);  // default when missing
bool write_sat_freq_range(const std::string& sat, const SatFreqRange& r, const std::string& ini_file);

// which = 1 or 2.
SatProgram read_sat_program(int which, const std::string& sat, const std::string& ini_file);
bool write_sat_program(int which, const std::string& sat, const SatProgram& p, const std::string& ini_file);

std::string read_sat_url(const std::string& sat, const std::string& ini_file);  // "" when missing
bool write_sat_url(const std::string& sat, const std::string& url, const std::string& ini_file);

std::string read_sat_hosei(const std::string& sat, const std::string& ini_file);  // "0" when missing
bool write_sat_hosei(const std::string& sat, const std::string& factor, const std::string& ini_file);

std::string read_ao51_tone(const std::string& ini_file);  // "1" when missing
bool write_ao51_tone(const std::string& value, const std::string& ini_file);

}  // namespace torv
