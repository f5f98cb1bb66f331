#include <gtest/gtest.h>

#include "rig/ft736_frames.h"

using namespace torv::ft736;
using torv::RadioMode;

TEST(Ft736Frames, FrequencyFrames) {
    struct Case {
        double mhz;
        Opcode op;
        const char* frame;  // "" for no frame
    };
    const Case cases[] = {
        {435.8, TxFrequency, "435800002E"},
        {145.9, RxFrequency, "145900001E"},
        {435.123456, TxFrequency, "435123452E"},  // below 10 Hz truncated, never rounded up
        {581.8 - 435.9, TxFrequency, "145900002E"},  // not 14 58 99 99
        {999.99999, RxFrequency, "999999991E"},
        {1200.0, TxFrequency, "C00000002E"},
        {1269.5, TxFrequency, "C69500002E"},
        {1296.0, TxFrequency, "C96000002E"},
        {1299.99999, RxFrequency, "C99999991E"},
        // No encoding: a negative first digit, the two-digit "10", or no frequency at all.
        {1000.0, TxFrequency, ""},
        {1100.0, TxFrequency, ""},
        {1199.99999, RxFrequency, ""},
        {1300.0, TxFrequency, ""},
        {2400.1, TxFrequency, ""},
        {-0.5, RxFrequency, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mhz);
        EXPECT_EQ(frequency_frame(c.mhz, c.op).value_or(""), c.frame);
    }
}

TEST(Ft736Frames, ModeAndFixedFrames) {
    EXPECT_EQ(mode_frame(RadioMode::Usb, RxMode), "0100000017");
    EXPECT_EQ(mode_frame(RadioMode::Lsb, TxMode), "0000000027");
    EXPECT_EQ(mode_frame(RadioMode::Cw, TxMode), "0200000027");
    EXPECT_EQ(mode_frame(RadioMode::Fm, RxMode), "0800000017");
    EXPECT_EQ(mode_frame(RadioMode::Other, RxMode), "");
    EXPECT_EQ(frame(CatOn) + frame(SatModeOn), "0000000000000000000E");
    EXPECT_EQ(frame(PttOff) + frame(SatModeOff) + frame(CatOff), "0000000088000000008E0000000080");
    EXPECT_EQ(frame(Tone67), "1D000000FA");
    EXPECT_EQ(frame(Tone744), "1B000000FA");
}
