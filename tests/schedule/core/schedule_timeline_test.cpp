#include <gtest/gtest.h>

#include "schedule/schedule_timeline.h"

using namespace torv;

namespace {

// An IC-910 entry of group A, slot 5, automatic reception, from the time boxes.
EntryInputs manual(const char* h1, const char* m1, const char* h2, const char* m2) {
    EntryInputs in;
    in.receiver = "ＩＣ９１０";
    in.group = "グループＡ";
    in.satellite = "FO-29";
    in.start_hour = h1;
    in.start_minute = m1;
    in.end_hour = h2;
    in.end_minute = m2;
    in.entry_slot = 4;
    in.mode = 3;
    return in;
}

// The same from a pass of the pass list lasting p minutes.
EntryInputs from_list(const char* h1, const char* m1, const char* h2, const char* m2, int p, int shift = 0) {
    EntryInputs in = manual(h1, m1, h2, m2);
    in.from_pass_list = true;
    in.pass_minutes = static_cast<int16_t>(p);
    in.chart_shift = static_cast<int16_t>(shift);
    return in;
}

ScheduleTimeline timeline(int start_hour) {
    ScheduleTimeline t;
    t.start_hour = start_hour;
    return t;
}

// The coded cells of the time line as [first, last] runs.
std::vector<std::pair<int, int>> coded_runs(const ScheduleTimeline& t) {
    std::vector<std::pair<int, int>> runs;
    for (int m = 0; m <= kLastCell; ++m) {
        if (t.minute_code[m] == 0) continue;
        if (!runs.empty() && runs.back().second == m - 1 && t.minute_code[m - 1] == t.minute_code[m])
            runs.back().second = m;
        else runs.push_back({m, m});
    }
    return runs;
}

}  // namespace

TEST(SlotCode, DigitsMakeAndReadTheCode) {
    EXPECT_EQ(slot_code({2, 1, 5, 3}), 2153);  // IC-910, group A, slot 5, automatic
    const SlotDigits d = decode_slot_code(3123);
    EXPECT_EQ(d.rig, 3);
    EXPECT_EQ(d.group, 1);
    EXPECT_EQ(d.slot, 2);
    EXPECT_EQ(d.mode, 3);
    EXPECT_EQ(receiver_digit("気象衛星受信機"), 5);
    EXPECT_EQ(receiver_digit("FT847"), 0);
    // The boxes' receivers name the transceivers in their digits' order; the weather
    // receiver is none of them.
    EXPECT_EQ(transceiver_of(receiver_digit("ＦＴ８４７")), Transceiver::Ft847);
    EXPECT_EQ(transceiver_of(receiver_digit("ＦＴ７３６")), Transceiver::Ft736);
    EXPECT_EQ(transceiver_of(kWeatherReceiver), std::nullopt);
    EXPECT_EQ(transceiver_of(0), std::nullopt);
    EXPECT_EQ(group_digit("グループＥ"), 5);
    EXPECT_EQ(group_name(2), "グループＣ");
    EXPECT_EQ(group_name(5), "");
}

TEST(ScheduleTimeline, EntriesFromTheTimeBoxes) {
    const struct {
        int start_hour;
        const char *h1, *m1, *h2, *m2;
        int start, minutes, last_cell;
    } cases[] = {
        {14, "15", "10", "15", "40", 69, 30, 99},      // one minute early: 70 - 1
        {10, "10", "30", "10", "15", 29, 1425, 1440},  // end minute earlier: almost a day
        {14, "13", "50", "15", "10", 0, 70, 70},       // across the time line's start: clipped
        {14, "13", "00", "13", "30", 1379, 30, 1409},  // the next day
        {14, "13", "50", "14", "10", 1429, 20, 1440},  // end hour = start hour: the next day, capped
        {14, "14", "05", "14", "20", 4, 15, 19},       // in the first hour
        {14, "22", "00", "01", "30", 479, 210, 689},   // across midnight
    };
    for (const auto& c : cases) {
        ScheduleTimeline t = timeline(c.start_hour);
        const AddOutcome o = add_entry(t, manual(c.h1, c.m1, c.h2, c.m2));
        SCOPED_TRACE(std::string(c.h1) + ":" + c.m1 + "-" + c.h2 + ":" + c.m2);
        ASSERT_TRUE(o.added) << o.message;
        EXPECT_EQ(o.span.add_start, c.start);
        EXPECT_EQ(o.span.add_minutes, c.minutes);
        ASSERT_EQ(t.entries.size(), 1u);
        EXPECT_EQ(t.entries[0].entry_start, c.start);
        EXPECT_EQ(t.entries[0].entry_minutes, c.minutes);
        EXPECT_EQ(coded_runs(t), (std::vector<std::pair<int, int>>{{c.start, c.last_cell}}));
        EXPECT_EQ(t.minute_code[c.start], 2153);
    }
}

TEST(ScheduleTimeline, EqualStartAndEndAddsNothing) {
    ScheduleTimeline t = timeline(14);
    const AddOutcome o = add_entry(t, manual("15", "10", "15", "10"));
    EXPECT_FALSE(o.added);
    EXPECT_EQ(o.message, kSameTimeMessage);
    EXPECT_TRUE(t.entries.empty());
    EXPECT_TRUE(coded_runs(t).empty());
}

TEST(ScheduleTimeline, AnEntryMayFollowWithoutAFreeMinuteButNotOverlap) {
    ScheduleTimeline t = timeline(14);
    ASSERT_TRUE(add_entry(t, manual("15", "10", "15", "40")).added);  // cells 69..99
    ScheduleTimeline refused = t;
    const AddOutcome overlap = add_entry(refused, manual("15", "40", "15", "50"));
    EXPECT_FALSE(overlap.added);
    EXPECT_EQ(overlap.message, kOverlapMessage);
    EXPECT_EQ(refused.entries.size(), 1u);
    EXPECT_EQ(refused.minute_code, t.minute_code);

    EntryInputs next = manual("15", "41", "15", "50");
    next.receiver = "ＴＳ２０００";
    ASSERT_TRUE(add_entry(t, next).added);
    EXPECT_EQ(coded_runs(t), (std::vector<std::pair<int, int>>{{69, 99}, {100, 109}}));
    EXPECT_EQ(t.minute_code[100], 3153);
}

TEST(ScheduleTimeline, ASixthEntryIsRefusedBeforeItsTimesAreRead) {
    ScheduleTimeline t = timeline(0);
    for (const char* h : {"01", "02", "03", "04", "05"}) ASSERT_TRUE(add_entry(t, manual(h, "00", h, "10")).added);
    // Times that would be refused themselves: the count is checked first.
    const AddOutcome o = add_entry(t, manual("06", "00", "06", "00"));
    EXPECT_EQ(o.message, kFiveEntriesMessage);
    EXPECT_EQ(t.entries.size(), 5u);
}

TEST(ScheduleTimeline, EmptyBoxesAreNamedInTheirOrder) {
    const struct {
        std::string EntryInputs::*box;
        const char* message;
    } cases[] = {
        {&EntryInputs::receiver, "リグの選択をしてください"},
        {&EntryInputs::group, "衛星グループの選択をしてください"},
        {&EntryInputs::satellite, "衛星名の選択をしてください"},
        {&EntryInputs::start_hour, "開始時間の時間を選択をしてください"},
        {&EntryInputs::start_minute, "開始時間の分を選択をしてください"},
        {&EntryInputs::end_hour, "終了時間の時間を選択をしてください"},
        {&EntryInputs::end_minute, "終了時間の分を選択をしてください"},
    };
    for (const auto& c : cases) {
        ScheduleTimeline t = timeline(0);
        EntryInputs in = manual("15", "10", "15", "10");  // equal times: the empty box is told first
        in.*c.box = "";
        EXPECT_EQ(add_entry(t, in).message, c.message);
        EXPECT_TRUE(t.entries.empty());
    }
}

TEST(ScheduleTimeline, PassesFromThePassList) {
    const struct {
        int start_hour, shift;
        const char *h1, *m1, *h2, *m2;
        int p;
        int start, minutes;  // after the one-minute shift; -1: refused as past
    } cases[] = {
        {23, 0, "22", "40", "00", "05", 25, 0, 65},  // under way at the start: to 24:05
        {9, 0, "10", "20", "10", "35", 15, 79, 15},
        {9, 0, "09", "50", "10", "02", 12, 49, 12},
        {9, 0, "08", "50", "09", "02", 12, 0, 2},    // ends in the first hour
        {9, 0, "07", "10", "07", "20", 10, -1, 0},   // before the time line
        {9, 1, "23", "10", "23", "20", 10, -1, 0},   // shifted list: yesterday evening
        {9, 1, "09", "40", "09", "50", 10, 39, 10},
        {9, 1, "08", "55", "09", "05", 10, 0, 5},    // under way
        {9, 1, "23", "55", "09", "05", 10, 0, 5},    // from yesterday evening, still under way
        {9, 1, "07", "10", "07", "20", 10, -1, 0},
        {15, 1, "16", "00", "16", "10", 10, 59, 10},
        {15, 1, "14", "50", "15", "05", 15, 0, 5},   // under way: 15 - 60 + 50
        {15, 1, "13", "00", "13", "10", 10, -1, 0},
        {15, 1, "03", "00", "03", "10", 10, 719, 10},  // tomorrow morning
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start_hour) + "/" + std::to_string(c.shift) + " " + c.h1 + ":" + c.m1);
        ScheduleTimeline t = timeline(c.start_hour);
        const AddOutcome o = add_entry(t, from_list(c.h1, c.m1, c.h2, c.m2, c.p, c.shift));
        if (c.start < 0) {
            EXPECT_FALSE(o.added);
            EXPECT_EQ(o.message, kPastMessage);
            EXPECT_TRUE(coded_runs(t).empty());
            continue;
        }
        ASSERT_TRUE(o.added) << o.message;
        EXPECT_EQ(o.span.add_start, c.start);
        EXPECT_EQ(o.span.add_minutes, c.minutes);
    }
}

TEST(ScheduleTimeline, APassWithNothingLeftIsRefusedSilentlyAndAnotherDayIsTold) {
    ScheduleTimeline t = timeline(15);
    // Shifted list, under way since 14:50 for exactly the ten minutes before 15:00.
    const AddOutcome gone = add_entry(t, from_list("14", "50", "15", "00", 10, 1));
    EXPECT_FALSE(gone.added);
    EXPECT_EQ(gone.message, "");

    EntryInputs other_day = from_list("16", "00", "16", "10", 10);
    other_day.time_day_offset = 1;
    EXPECT_EQ(add_entry(t, other_day).message, kOtherDayMessage);
    EXPECT_TRUE(t.entries.empty());
}

TEST(ScheduleTimeline, AWeatherEntryNeedsANumberForItsMaximumElevation) {
    for (const char* text : {"", "-", ".", "1.2.3", "4-5"}) {
        ScheduleTimeline t = timeline(14);
        EntryInputs in = manual("15", "10", "15", "40");
        in.receiver = "気象衛星受信機";
        in.max_el_text = text;
        const AddOutcome o = add_entry(t, in);
        EXPECT_FALSE(o.added) << text;
        EXPECT_EQ(o.message, *text ? kMaxElNotNumberMessage : kMaxElMissingMessage) << text;
        EXPECT_TRUE(t.entries.empty());
        EXPECT_TRUE(coded_runs(t).empty());
    }
    ScheduleTimeline t = timeline(14);
    EntryInputs in = manual("15", "10", "15", "40");
    in.receiver = "気象衛星受信機";
    in.max_el_text = " 45.5";  // as the pass list writes it
    in.pass_az = 123.5f;
    ASSERT_TRUE(add_entry(t, in).added);
    EXPECT_EQ(t.minute_code[69], 5153);
    EXPECT_FLOAT_EQ(t.minute_max_el[99], 45.5f);
    EXPECT_FLOAT_EQ(t.minute_az[69], 123.5f);
    EXPECT_EQ(t.minute_max_el[100], 0.0f);

    // Another receiver's cells carry neither, whatever the box holds.
    in = manual("16", "10", "16", "40");
    in.max_el_text = "abc";
    in.pass_az = 99;
    ASSERT_TRUE(add_entry(t, in).added);
    EXPECT_EQ(t.minute_max_el[129], 0.0f);
    EXPECT_EQ(t.minute_az[129], 0.0f);
}

TEST(ScheduleTimeline, ASlotOutsideTheGroupGivesDigitZero) {
    ScheduleTimeline t = timeline(14);
    EntryInputs in = manual("15", "10", "15", "40");
    in.entry_slot = 7;
    EXPECT_EQ(add_entry(t, in).code, 2103);
}

TEST(ScheduleTimeline, RemovingAnEntryLeavesTheOthersCellsWhereTheyAre) {
    ScheduleTimeline t = timeline(0);
    for (const char* h : {"01", "02", "03", "04"}) ASSERT_TRUE(add_entry(t, manual(h, "00", h, "10")).added);
    remove_entry(t, 1);
    ASSERT_EQ(t.entries.size(), 3u);
    EXPECT_EQ(t.entries[1].entry_start, 179);
    EXPECT_EQ(coded_runs(t), (std::vector<std::pair<int, int>>{{59, 69}, {179, 189}, {239, 249}}));
}

TEST(ScheduleTimeline, TheClockReadsTheTimeLineCyclically) {
    EXPECT_EQ(timeline_minute(9, 40, 9), 40);  // opened at 09:40: cell 0 is 09:00
    EXPECT_EQ(timeline_minute(8, 59, 9), 1439);
    EXPECT_EQ(timeline_minute(0, 5, 22), 125);
    EXPECT_EQ(timeline_minute(9, 0, 9), 0);  // 24 hours on: cell 0 again
}

TEST(ScheduleTimeline, HourNumbersStartAndEndWithTheStartHour) {
    const std::string from0 = hour_strip(0);
    EXPECT_EQ(from0.substr(0, 15), "00   01   02   ");
    EXPECT_EQ(from0.substr(from0.size() - 10), "23   00   ");
    EXPECT_EQ(from0.size(), 25u * 5);
    EXPECT_EQ(hour_strip(22).substr(0, 20), "22   23   00   01   ");
    EXPECT_EQ(hour_strip(22).substr(24 * 5), "22   ");
}
