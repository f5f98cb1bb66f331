#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Scheduled operation's plan: a time line of one code per minute for the 24 hours from
// the full hour at which the schedule window was opened, and its entries (at most five
// passes), added from the window's time boxes or from a pass of the main window's pass
// list. Plain data and the arithmetic of adding and deleting; the window draws it.
namespace torv {

constexpr int kLastCell = 1440;  // cells 0..1440: cell 1440 is the start hour 24 hours later
constexpr int kMaxEntries = 5;

// The code of one minute: receiver × 1000 + group × 100 + slot × 10 + receive mode;
// 0 is a free minute.
struct SlotDigits {
    int rig = 0;    // 1 FT-847, 2 IC-910, 3 TS-2000, 4 FT-736, 5 weather-satellite receiver
    int group = 0;  // 1..5 = group A..E
    int slot = 0;   // 1..7: the satellite's slot in its group
    int mode = 0;   // 1 beacon, 2 manual receive frequency with automatic capture, 3 automatic
};
int16_t slot_code(const SlotDigits& d);
SlotDigits decode_slot_code(int code);

// The receivers and groups as the window's boxes list them; a digit is the position in
// the list + 1, 0 for any other text.
inline constexpr std::array<std::string_view, 5> kReceiverNames{"ＦＴ８４７", "ＩＣ９１０", "ＴＳ２０００",
                                                                "ＦＴ７３６", "気象衛星受信機"};
inline constexpr std::array<std::string_view, 5> kGroupNames{"グループＡ", "グループＢ", "グループＣ", "グループＤ",
                                                             "グループＥ"};
inline constexpr int kWeatherReceiver = 5;
int receiver_digit(std::string_view text);

// The transceivers a receiver digit names, by their digit; the weather-satellite receiver
// (kWeatherReceiver) has no window and is none of them.
enum class Transceiver { Ft847 = 1, Ic910, Ts2000, Ft736 };
inline constexpr int kTransceivers = 4;
// The transceiver of a receiver digit; none for the weather receiver or any other digit.
std::optional<Transceiver> transceiver_of(int digit);
// Its row in a table of the transceivers listed in digit order.
inline constexpr size_t transceiver_row(Transceiver t) { return static_cast<size_t>(t) - 1; }
int group_digit(std::string_view text);
// The group box text of a group 0..4; empty for any other.
std::string group_name(int group);

// One entry codes the cells entry_start .. entry_start + entry_minutes (the end capped
// at kLastCell): an entry of length L covers L + 1 cells.
struct ScheduleEntry {
    int entry_start = 0;
    int entry_minutes = 0;
};

struct ScheduleTimeline {
    int start_hour = 0;  // local hour of the clock when the window was opened
    std::array<int16_t, kLastCell + 1> minute_code{};
    std::array<float, kLastCell + 1> minute_max_el{};  // weather-receiver entries only
    std::array<float, kLastCell + 1> minute_az{};
    std::vector<ScheduleEntry> entries;  // in the order they were added (list rows)
    int prev_code = 0;                   // the code the run applied at its last tick
};

// What the add operation reads of the window's boxes and the picked pass.
struct EntryInputs {
    std::string receiver, group, satellite;
    std::string start_hour, start_minute, end_hour, end_minute;  // two-digit texts
    int mode = 3;             // the chosen receive-mode option
    std::string max_el_text;  // the maximum-elevation box
    int16_t entry_slot = 0;   // sched_entry_slot
    bool from_pass_list = false;
    int16_t pass_minutes = 0;  // the picked pass's minutes visible
    float pass_az = 0;         // its azimuth at maximum elevation
    int16_t time_day_offset = 0;
    int16_t chart_shift = 0;
};

// Start cell and length of an entry being added.
struct EntrySpan {
    int add_start = 0;
    int add_minutes = 0;
};

// An entry's span from the four time boxes (H1:M1 to H2:M2, hours and minutes), the
// time line starting at hour S; empty when start and end are equal.
std::optional<EntrySpan> entry_minutes_manual(int H1, int M1, int H2, int M2, int S);

// An entry's span from a pass of the pass list (AOS H1:M1, LOS H2:M2, P minutes
// visible); empty when it is refused: past is set when the pass lies before the time
// line (a message), clear when nothing of it is left (no message).
std::optional<EntrySpan> sch_list_clk(int H1, int M1, int H2, int M2, int P, int S, int16_t chart_shift,
                                      bool& past);

// An entry starts one minute before its start time, except at cell 0.
int start_one_minute_earlier(int add_start);

// The last cell an entry codes.
inline int entry_end(int start, int minutes) { return start + minutes < kLastCell ? start + minutes : kLastCell; }

// True when a cell of the span is taken.
bool check_overlap(const ScheduleTimeline& t, EntrySpan span);
void fill_entry_codes(ScheduleTimeline& t, EntrySpan span, int16_t code, float max_el, float az);
void clear_entry_minutes(ScheduleTimeline& t, const ScheduleEntry& e);

// The add operation: the checks in their order, then the entry and its cells. added is
// false and message says why (empty when the refusal says nothing) when it refuses;
// nothing changes then.
struct AddOutcome {
    bool added = false;
    std::string message;
    EntrySpan span;
    int16_t code = 0;
};
AddOutcome add_entry(ScheduleTimeline& t, const EntryInputs& in);

// Frees entry i's cells and removes it; the later entries move up a row, their cells stay.
void remove_entry(ScheduleTimeline& t, int i);

// The cell of a clock time on the time line, read cyclically: 0..1439.
int timeline_minute(int hour, int minute, int start_hour);

// The hour numbers above the time line: 25 two-digit hours from the start hour, each
// followed by three blanks.
std::string hour_strip(int start_hour);

// Messages of the add and delete operations.
inline const char* const kOverlapMessage =
    "他の衛星のスケジュールと重なっています。重ならないように修正してください。";
inline const char* const kSameTimeMessage = "開始時間と終了時間が同じ時間で設定されています";
inline const char* const kPastMessage = "過去の軌道情報を設定しようとしています";
inline const char* const kOtherDayMessage = "２４時間以上未来の設定を行おうとしています";
inline const char* const kFiveEntriesMessage = "すでに５個の衛星が登録されています";
inline const char* const kMaxElMissingMessage = "最大仰角を設定してください";
inline const char* const kMaxElNotNumberMessage = "最大仰角は数値で設定してください";

}  // namespace torv
