#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/sat_records.h"
#include "rig/tracking.h"

using namespace torv;

namespace {

// A state set up from a record, both sides automatic and the receive side fixed, as
// every window's set-up leaves it.
struct Engine {
    RigWindowState s;
    RigShared shared;
    SatInfoSetup setup;
    explicit Engine(std::string_view record, double k = 1.0) {
        s.fixed_side = 2;
        s.tx_auto = s.rx_auto = 1;
        setup = apply_sat_info(s, shared, std::string(record), k);
    }
};

}  // namespace

TEST(TrackingSetUp, DefaultRecord) {
    Engine e(kDefaultSatInfo);
    EXPECT_EQ(e.s.beacon_text, "0");
    EXPECT_EQ(freq_text(0), ".00000");  // no integer digit for a zero beacon
    EXPECT_EQ(e.shared.rig_beacon_text, "0");
    EXPECT_EQ(e.s.uplink_text, "146");
    EXPECT_EQ(e.s.tx_base_text, "146");
    EXPECT_EQ(e.s.tx_mode, RadioMode::Lsb);
    EXPECT_EQ(e.shared.rig_uplink_mode, "LSB");
    EXPECT_EQ(e.s.downlink_text, "436");
    EXPECT_EQ(e.s.rx_mode, RadioMode::Usb);
    EXPECT_EQ(e.shared.rig_downlink_mode, "USB");
    EXPECT_EQ(e.s.conversion_type, "0");
    ASSERT_TRUE(e.setup.sliders.has_value());
    EXPECT_EQ(*e.setup.sliders, std::make_pair(0, 0));
    EXPECT_EQ(e.shared.sat_converter_offset, 0);
    EXPECT_DOUBLE_EQ(e.s.send_freq, 146);
    EXPECT_DOUBLE_EQ(e.s.recive_freq, 436);
    EXPECT_DOUBLE_EQ(e.s.tx_sum, 146);
    EXPECT_DOUBLE_EQ(e.s.rx_sum, 436);
    EXPECT_FALSE(e.s.tx_mode_sent.has_value());
    EXPECT_FALSE(e.s.rx_mode_sent.has_value());
}

TEST(TrackingSetUp, FieldsAndTheirDefaults) {
    struct Case {
        const char* record;
        std::optional<std::pair<int, int>> sliders;
        int offset;
        const char* conversion;
        double K;
    };
    const Case cases[] = {
        {"145.8:145.9:2:435.8:1:c:2:,:5,-3:116:", std::make_pair(5, -3), 116, "2", -289.9},
        {"0:435.9:2:145.9:1::1:,:,:", std::make_pair(0, 0), 0, "1", 581.8},   // nine fields
        {"0:146:2:436:1::1:,: 2.5,3.5:0.5:", std::make_pair(2, 4), 0, "1", 582},  // halves to even
        {"0:146:2:436:1:::,:7,7:3:", std::nullopt, 3, "0", 0},              // no conversion type
        {"0:146:2:436:1::2:,::9:", std::nullopt, 9, "2", -290},             // no corrections
        {"0:146:2:436:1::2:,:12:0:", std::make_pair(12, 0), 0, "2", -290},  // no ","
    };
    for (const Case& c : cases) {
        Engine e(c.record);
        EXPECT_EQ(e.setup.sliders, c.sliders) << c.record;
        EXPECT_EQ(e.shared.sat_converter_offset, c.offset) << c.record;
        EXPECT_EQ(e.s.conversion_type, c.conversion) << c.record;
        EXPECT_NEAR(e.s.transponder_constant, c.K, 1e-9) << c.record;
    }
}

TEST(TrackingSetUp, ValuesOutsideTheirFieldTakeItsDefaultAndMarkTheRecord) {
    // Frequencies from 0 up to, not including, 100000 MHz (eleven digits of hertz); slider
    // positions -1000 to 1000; the converter offset a 16-bit whole number of MHz.
    struct Case {
        const char* record;
        bool unusable;
        const char *beacon, *uplink, *downlink;
        std::pair<int, int> sliders;
        int offset;
    };
    const Case cases[] = {
        {"1E30:146:2:436:1::2:,:0,0:0:", true, "0", "146", "436", {0, 0}, 0},
        {"-5:146:2:436:1::2:,:0,0:0:", true, "0", "146", "436", {0, 0}, 0},
        {"0:1E30:2:436:1::2:,:0,0:0:", true, "0", "0", "436", {0, 0}, 0},
        {"0:146:2:100000:1::2:,:0,0:0:", true, "0", "146", "0", {0, 0}, 0},
        {"0:146:2:436:1::2:,:1001,-3:0:", true, "0", "146", "436", {0, -3}, 0},
        {"0:146:2:436:1::2:,:5000,-9999:0:", true, "0", "146", "436", {0, 0}, 0},  // no longer held at the ends
        {"0:146:2:436:1::2:,:1E300,-1E300:0:", true, "0", "146", "436", {0, 0}, 0},
        {"0:146:2:2401:1::2:,:0,0:32768:", true, "0", "146", "2401", {0, 0}, 0},
        {"0:146:2:2401:1::2:,:0,0:1E300:", true, "0", "146", "2401", {0, 0}, 0},
        // The ends themselves are used.
        {"99999.9:0:2:99999.9:1::2:,:1000.4,-1000:-32768:", false, "99999.9", "0", "99999.9", {1000, -1000}, -32768},
        {"0:146:2:10489.5:1::2:,: 20,-40: 9750:", false, "0", "146", "10489.5", {20, -40}, 9750},
    };
    for (const Case& c : cases) {
        Engine e(c.record);
        EXPECT_EQ(e.setup.unusable_value, c.unusable) << c.record;
        EXPECT_EQ(e.s.beacon_text, c.beacon) << c.record;
        EXPECT_EQ(e.s.uplink_text, c.uplink) << c.record;
        EXPECT_EQ(e.s.downlink_text, c.downlink) << c.record;
        EXPECT_EQ(e.setup.sliders, c.sliders) << c.record;
        EXPECT_EQ(e.shared.sat_converter_offset, c.offset) << c.record;
    }
}

TEST(TrackingSetUp, UnknownModeAndMissingFrequenciesKeepWhatWasKnown) {
    Engine e("0:145.9:2:435.8:1::2:,:,:0:");
    apply_sat_info(e.s, e.shared, "0::7::9::2:,:,:0:", 1.0);
    EXPECT_EQ(e.s.tx_base_text, "0");
    EXPECT_EQ(e.s.uplink_text, "0");
    EXPECT_DOUBLE_EQ(e.s.tx_sum, 145.9);  // the transceiver's frequency as last known
    EXPECT_DOUBLE_EQ(e.s.rx_sum, 435.8);
    EXPECT_EQ(e.s.tx_mode, RadioMode::Other);    // the record's "7", not the default
    EXPECT_EQ(e.shared.rig_uplink_mode, "LSB");  // the previous satellite's name stays
    EXPECT_EQ(e.shared.rig_downlink_mode, "USB");
}

TEST(TrackingSetUp, BeaconIsShiftedByTheDopplerFactor) {
    Engine e("145.8:146:2:436:1::0:,:,:0:", 1.00001);
    EXPECT_EQ(e.shared.rig_beacon_text, "145.801458");
}

TEST(Corrections, SliderSteps) {
    struct Case {
        int p;
        RadioMode mode;
        bool enabled;
        double mhz;
        const char* value;
        const char* unit;
    };
    const Case cases[] = {
        {1000, RadioMode::Usb, true, 0.05, "50000", "HZ"},
        {-1000, RadioMode::Fm, true, -1.0, "-1000", "KHZ"},
        {20, RadioMode::Lsb, true, 0.001, "1000", "HZ"},
        {400, RadioMode::Usb, false, 0.0, "20000", "HZ"},  // switched off: the label still shows the slider
    };
    for (const Case& c : cases) {
        const SliderCorrection r = slider_correction(c.p, c.mode, c.enabled);
        EXPECT_DOUBLE_EQ(r.mhz, c.mhz) << c.p;
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.unit, c.unit);
    }
}

TEST(DopplerSteps, ConversionTableAtUnitFactor) {
    Engine nonInv("0:145.9:2:435.8:1::2:,:,:0:");
    nonInv.s.fixed_side = 1;
    track_step(nonInv.s, nonInv.shared, 1.0);
    EXPECT_NEAR(nonInv.s.transponder_constant, -289.9, 1e-9);
    EXPECT_NEAR(nonInv.s.recive_freq, 435.8, 1e-9);

    Engine inv("0:435.9:2:145.9:1::1:,:,:0:");
    inv.s.fixed_side = 1;
    const TrackDisplay d = track_step(inv.s, inv.shared, 1.0);
    EXPECT_NEAR(inv.s.transponder_constant, 581.8, 1e-9);
    EXPECT_NEAR(inv.s.recive_freq, 145.9, 1e-9);
    EXPECT_EQ(d.label10, "435.90000");
    EXPECT_EQ(d.text12, " 435.9");  // the inverting branch's blank-led text

    // Receive fixed at k = 1 gives back the nominal uplink for both linear types.
    for (const char* record : {"0:145.9:2:435.8:1::2:,:,:0:", "0:435.9:2:145.9:1::1:,:,:0:"}) {
        Engine e(record);
        track_step(e.s, e.shared, 1.0);
        EXPECT_NEAR(e.s.send_freq, val(e.s.uplink_text), 1e-9) << record;
    }
}

TEST(DopplerSteps, EveryLinearBranchAgainstItsFormula) {
    const double k = 1.00002;
    const double cTx = 0.0005, cRx = -0.002;
    struct Case {
        const char* record;
        int fixed_side;
        double send, receive;
    };
    const double r = 435.90872;  // k x 435.9 = 435.908718, rounded to 10 Hz
    const Case cases[] = {
        {"0:145.9:2:435.8:1::2:,:,:0:", 1, 145.9 + cTx, k * (k * 145.9 + 289.9) + cRx},
        {"0:435.9:2:145.9:1::1:,:,:0:", 1, 435.9 + cTx, k * (581.8 - r) + cRx},
        {"0:145.9:2:435.8:1::2:,:,:0:", 2, (435.8 / k - 289.9) / k + cTx, k * (435.8 / k) + cRx},
        {"0:435.9:2:145.9:1::1:,:,:0:", 2, (581.8 - 145.9 / k) / k + cTx, 145.9 + cRx},
    };
    for (const Case& c : cases) {
        Engine e(c.record);
        e.s.fixed_side = c.fixed_side;
        e.s.tx_correction = cTx;
        e.s.rx_correction = cRx;
        const TrackDisplay d = track_step(e.s, e.shared, k);
        EXPECT_NEAR(e.s.send_freq, c.send, 1e-9) << c.record << c.fixed_side;
        EXPECT_NEAR(e.s.recive_freq, c.receive, 1e-9) << c.record << c.fixed_side;
        EXPECT_EQ(d.label1, freq_text(c.send));
        // Transmit fixed: the receive label leaves out the receive correction.
        EXPECT_EQ(d.label2, freq_text(c.fixed_side == 1 ? c.receive - cRx : c.receive));
        EXPECT_EQ(d.text13, d.label2);
        // The steps never touch the base texts, the corrections or the modes.
        EXPECT_EQ(e.s.tx_base_text, e.s.uplink_text);
        EXPECT_EQ(e.s.rx_base_text, e.s.downlink_text);
    }
}

TEST(DopplerSteps, TransmitFixedCorrectionReachesOnlyWhatIsSent) {
    Engine e("0:145.9:2:435.8:1::2:,:,:0:");
    e.s.fixed_side = 1;
    e.s.rx_correction = 0.001;
    const TrackDisplay d = track_step(e.s, e.shared, 1.0);
    EXPECT_EQ(d.label2, "435.80000");
    EXPECT_EQ(d.text13, "435.80000");
    EXPECT_NEAR(e.s.recive_freq, 435.801, 1e-9);
}

TEST(DopplerSteps, FixedTypeComputesBothSidesIndependently) {
    Engine e("0:145.9:4:435.8:4::0:,:,:0:");
    e.s.fixed_side = 1;  // ignored by the fixed type
    const double k = 1.00001;
    const TrackDisplay d = track_step(e.s, e.shared, k);
    EXPECT_NEAR(e.s.send_freq, 145.9 * 0.99999, 1e-9);
    EXPECT_NEAR(e.s.recive_freq, 435.8 * 1.00001, 1e-9);
    EXPECT_DOUBLE_EQ(e.s.tx_sum, e.s.send_freq);
    EXPECT_DOUBLE_EQ(e.s.rx_sum, e.s.recive_freq);
    EXPECT_EQ(d.label10, "145.90000");  // the nominal frequencies the satellite hears and sends
    EXPECT_EQ(d.label12, "435.80000");
    EXPECT_EQ(d.label1, "145.89854");
    EXPECT_EQ(d.label2, "435.80436");

    // Transmit manual: the side stays at what the window knew, and no sum moves.
    e.s.tx_auto = 0;
    e.s.tx_correction = 0.002;
    const double tx_known = e.s.tx_sum, rx_known = e.s.rx_sum;
    track_step(e.s, e.shared, 1.00003);
    EXPECT_NEAR(e.s.send_freq, tx_known + 0.002, 1e-12);
    EXPECT_DOUBLE_EQ(e.s.tx_sum, tx_known);
    EXPECT_DOUBLE_EQ(e.s.rx_sum, rx_known);
    EXPECT_NEAR(e.s.recive_freq, 435.8 * 1.00003, 1e-9);
}

TEST(DopplerSteps, LinearStepsOnTheFixedTypeOnlyMoveTheBeacon) {
    Engine e("145.8:145.9:4:435.8:4::0:,:,:0:");
    const TrackDisplay d = track_tx_fixed(e.s, e.shared, 1.00001);
    EXPECT_EQ(d.label8, "145.80146");
    EXPECT_FALSE(d.label1 || d.label2 || d.text12 || d.text13);
    EXPECT_DOUBLE_EQ(e.s.send_freq, 145.9);
}

TEST(FixedSide, RebasingTwiceLeavesTheSentFrequencyAlone) {
    Engine e("0:145.9:2:435.8:1::2:,:,:0:");
    e.s.tx_correction = 0.0015;
    track_step(e.s, e.shared, 1.00002);
    e.s.fixed_side = 1;
    rebase_tx(e.s);
    track_step(e.s, e.shared, 1.00002);
    const double sent = e.s.send_freq;
    rebase_tx(e.s);
    track_step(e.s, e.shared, 1.00002);
    EXPECT_NEAR(e.s.send_freq, sent, 1e-9);
    EXPECT_NE(e.s.tx_base_text, e.s.uplink_text);
}
