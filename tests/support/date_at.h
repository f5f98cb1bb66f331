#pragma once
#include "common/datetime.h"

// The date-time value of a calendar date and time of day, so that a test writes its
// instants as they are read: at(2005, 1, 27, 1, 25) is 27 January 2005, 01:25:00.
inline torv::DateTime at(int y, int mo, int d, int h, int mi, int s = 0) {
    return torv::make_datetime(torv::DateParts{y, mo, d, h, mi, s});
}
