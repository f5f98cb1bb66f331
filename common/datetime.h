#pragma once
#include <cstdint>
#include <string>

// Date-time values are day counts from 30 December 1899 00:00; the fraction is the
// time of day. Element stamps, the clock and the computation instant all use them.
namespace torv {

using DateTime = double;

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// Days from 30 December 1899 to the date (proleptic Gregorian); month and day may
// run over their ranges (month 13 is January of the next year, day 0 the last day of
// the previous month).
DateTime date_serial(int year, int month, int day);
DateTime time_serial(int hour, int minute, int second);
DateTime make_datetime(const DateParts& p);

// Year, month, day, hour, minute and second of a value, rounded to the second.
DateParts split_datetime(DateTime t);

int weekday(DateTime t);  // 1 = Sunday … 7 = Saturday

// Whole-unit steps that keep the value on whole seconds (no drift from adding
// fractions of a day again and again).
DateTime add_days(DateTime t, double days);
DateTime add_hours(DateTime t, double hours);
DateTime add_minutes(DateTime t, double minutes);
DateTime add_seconds(DateTime t, double seconds);

// The general date-and-time text: "2005/01/27 4:24:40"; the date alone at midnight,
// the time alone on day 0.
std::string general_date_text(DateTime t);

// Seconds of a value counted from the epoch, rounded to the millisecond.
int64_t to_milliseconds(DateTime t);
DateTime from_milliseconds(int64_t ms);

}  // namespace torv
