#include "schedule/schedule_timeline.h"

#include <algorithm>

#include "common/number_text.h"

namespace torv {

int16_t slot_code(const SlotDigits& d) {
    return static_cast<int16_t>(d.rig * 1000 + d.group * 100 + d.slot * 10 + d.mode);
}

SlotDigits decode_slot_code(int code) {
    SlotDigits d;
    d.rig = code / 1000;
    const int r = code - 1000 * d.rig;
    d.group = r / 100;
    const int r2 = r - 100 * d.group;
    d.slot = r2 / 10;
    d.mode = r2 - 10 * d.slot;
    return d;
}

namespace {

template <size_t N>
int digit_of(const std::array<std::string_view, N>& names, std::string_view text) {
    const auto it = std::find(names.begin(), names.end(), text);
    return it == names.end() ? 0 : static_cast<int>(it - names.begin()) + 1;
}

int number_of(const std::string& text) { return whole_part_as<int>(val(text)); }

}  // namespace

int receiver_digit(std::string_view text) { return digit_of(kReceiverNames, text); }
std::optional<Transceiver> transceiver_of(int digit) {
    if (digit < 1 || digit > kTransceivers) return std::nullopt;
    return static_cast<Transceiver>(digit);
}
int group_digit(std::string_view text) { return digit_of(kGroupNames, text); }
std::string group_name(int group) {
    return group >= 0 && group < static_cast<int>(kGroupNames.size()) ? std::string(kGroupNames[group]) : std::string();
}

std::optional<EntrySpan> entry_minutes_manual(int H1, int M1, int H2, int M2, int S) {
    const int dH = H2 - H1, dM = M2 - M1;
    if (dH == 0 && dM == 0) return std::nullopt;
    EntrySpan e;
    if (dH > 0) e.add_minutes = dH * 60 + dM;
    else if (dH == 0) e.add_minutes = dM > 0 ? dM : 1440 + dM;  // an end minute earlier lies almost a day later
    else e.add_minutes = (dH + 24) * 60 + dM;
    if (H1 > S) {
        e.add_start = (H1 - S) * 60 + M1;
    } else if (H1 == S) {
        e.add_start = M1;  // the current hour is the time line's first, even for a minute gone by
    } else if (H2 > S) {
        // Running across the time line's start: only what lies on it.
        e.add_start = 0;
        e.add_minutes = (H2 - S) * 60 + M2;
    } else {
        e.add_start = (H1 + 24 - S) * 60 + M1;  // the following day
    }
    return e;
}

namespace {

std::optional<EntrySpan> pass_from_midnight(int H1, int M1, int H2, int M2, int P, int S, bool& past) {
    if (H1 > S) return EntrySpan{(H1 - S) * 60 + M1, P};
    if (H1 == S) return EntrySpan{M1, P};
    const int E = H2 == 0 ? 24 : H2;
    if (S < E) return EntrySpan{0, (E - S) * 60 + M2};
    if (S == E) return EntrySpan{0, M2};
    past = true;
    return std::nullopt;
}

// The list runs from 12:00; the time line starts in its first half.
std::optional<EntrySpan> pass_from_noon_afternoon(int H1, int M1, int H2, int P, int S, bool& past) {
    if (H1 >= S) return EntrySpan{(H1 - S) * 60 + M1, P};
    if (H1 >= 12) {
        if (H2 < S) {
            past = true;
            return std::nullopt;
        }
        // Under way: what is left of it.
        const int left = P - (S - H1) * 60 + M1;
        if (left == 0) return std::nullopt;
        return EntrySpan{0, left};
    }
    return EntrySpan{(H1 + 24 - S) * 60 + M1, P};  // tomorrow morning
}

// The list runs from 12:00; the time line starts in its second half.
std::optional<EntrySpan> pass_from_noon_morning(int H1, int M1, int H2, int M2, int P, int S, bool& past) {
    if (H2 < S || (H2 >= 12 && H2 <= 23)) {
        past = true;
        return std::nullopt;
    }
    if (H1 >= S && H1 < 12) return EntrySpan{(H1 - S) * 60 + M1, P};
    return EntrySpan{0, (H2 - S) * 60 + M2};  // under way since before the time line's start
}

}  // namespace

std::optional<EntrySpan> sch_list_clk(int H1, int M1, int H2, int M2, int P, int S, int16_t chart_shift,
                                      bool& past) {
    past = false;
    if (chart_shift == 0) return pass_from_midnight(H1, M1, H2, M2, P, S, past);
    if (S >= 12) return pass_from_noon_afternoon(H1, M1, H2, P, S, past);
    return pass_from_noon_morning(H1, M1, H2, M2, P, S, past);
}

int start_one_minute_earlier(int add_start) { return add_start > 0 ? add_start - 1 : add_start; }

bool check_overlap(const ScheduleTimeline& t, EntrySpan span) {
    for (int m = std::max(span.add_start, 0); m <= entry_end(span.add_start, span.add_minutes); ++m)
        if (t.minute_code[m] != 0) return true;
    return false;
}

void fill_entry_codes(ScheduleTimeline& t, EntrySpan span, int16_t code, float max_el, float az) {
    for (int m = std::max(span.add_start, 0); m <= entry_end(span.add_start, span.add_minutes); ++m) {
        t.minute_code[m] = code;
        t.minute_max_el[m] = max_el;
        t.minute_az[m] = az;
    }
}

void clear_entry_minutes(ScheduleTimeline& t, const ScheduleEntry& e) {
    for (int m = std::max(e.entry_start, 0); m <= entry_end(e.entry_start, e.entry_minutes); ++m) {
        t.minute_code[m] = 0;
        t.minute_max_el[m] = 0;
        t.minute_az[m] = 0;
    }
}

namespace {

std::string missing_input(const EntryInputs& in) {
    const std::pair<const std::string*, const char*> boxes[] = {
        {&in.receiver, "リグの選択をしてください"},
        {&in.group, "衛星グループの選択をしてください"},
        {&in.satellite, "衛星名の選択をしてください"},
        {&in.start_hour, "開始時間の時間を選択をしてください"},
        {&in.start_minute, "開始時間の分を選択をしてください"},
        {&in.end_hour, "終了時間の時間を選択をしてください"},
        {&in.end_minute, "終了時間の分を選択をしてください"}};
    for (const auto& [text, message] : boxes)
        if (text->empty()) return message;
    return {};
}

AddOutcome refused(std::string message) {
    AddOutcome o;
    o.message = std::move(message);
    return o;
}

}  // namespace

AddOutcome add_entry(ScheduleTimeline& t, const EntryInputs& in) {
    if (std::string m = missing_input(in); !m.empty()) return refused(m);
    if (static_cast<int>(t.entries.size()) >= kMaxEntries) return refused(kFiveEntriesMessage);

    const int H1 = number_of(in.start_hour), M1 = number_of(in.start_minute);
    const int H2 = number_of(in.end_hour), M2 = number_of(in.end_minute);
    std::optional<EntrySpan> span;
    if (in.from_pass_list) {
        if (in.time_day_offset != 0) return refused(kOtherDayMessage);
        bool past = false;
        span = sch_list_clk(H1, M1, H2, M2, in.pass_minutes, t.start_hour, in.chart_shift, past);
        if (!span) return refused(past ? kPastMessage : "");
    } else {
        span = entry_minutes_manual(H1, M1, H2, M2, t.start_hour);
        if (!span) return refused(kSameTimeMessage);
    }
    span->add_start = start_one_minute_earlier(span->add_start);
    if (check_overlap(t, *span)) return refused(kOverlapMessage);

    const int rig = receiver_digit(in.receiver);
    float max_el = 0, az = 0;
    if (rig == kWeatherReceiver) {
        const std::string text = trim(in.max_el_text);
        if (text.empty()) return refused(kMaxElMissingMessage);
        // The key filter lets "-", "." or "1.2.3" through: such a text is no elevation.
        if (!is_number_text(text)) return refused(kMaxElNotNumberMessage);
        max_el = static_cast<float>(val(text));
        az = in.pass_az;
    }
    const int slot = in.entry_slot >= 0 && in.entry_slot <= 6 ? in.entry_slot + 1 : 0;
    AddOutcome o;
    o.added = true;
    o.span = *span;
    o.code = slot_code({rig, group_digit(in.group), slot, in.mode});
    t.entries.push_back({span->add_start, span->add_minutes});
    fill_entry_codes(t, *span, o.code, max_el, az);
    return o;
}

void remove_entry(ScheduleTimeline& t, int i) {
    if (i < 0 || i >= static_cast<int>(t.entries.size())) return;
    clear_entry_minutes(t, t.entries[i]);
    t.entries.erase(t.entries.begin() + i);
}

int timeline_minute(int hour, int minute, int start_hour) {
    const int h = ((hour - start_hour) % 24 + 24) % 24;
    return h * 60 + minute;
}

std::string hour_strip(int start_hour) {
    std::string s;
    for (int i = 0; i <= 24; ++i) {
        const int h = (start_hour + i) % 24;
        s += (h < 10 ? "0" : "") + std::to_string(h) + "   ";
    }
    return s;
}

}  // namespace torv
