#include "orbit/mean_motion.h"

#include <gtest/gtest.h>

#include "orbit/sat_position.h"
#include "support/temp_ini.h"

using namespace torv;

namespace {

SatElements iss_like(double inclination) {
    SatElements el;
    el.inclination = inclination;
    el.mean_motion = 15.49;
    el.eccentricity = 0.0005;
    el.usable = true;
    return el;
}

SatCorrectionTable table(std::vector<std::pair<std::string, double>> entries) {
    SatCorrectionTable t;
    for (auto& [n, v] : entries) t.add(n, v);
    return t;
}

}  // namespace

TEST(MeanMotion, IssTermWorkedExample) {
    const SatElements el = iss_like(51.64);
    const double a = semi_major_axis(el.mean_motion);
    EXPECT_NEAR(j2_motion_rate(el, a), 0.0017207, 5e-8);
    double revolutions = 15.49;  // n t at t = 1
    const MotionTerm term = sat_motion_hosei("ISS", el, a, 1.0, SatCorrectionTable{}, revolutions);
    EXPECT_EQ(term.factor, 12);
    EXPECT_NEAR((revolutions - 15.49) * 360, 7.43, 5e-3);  // degrees of mean anomaly
}

TEST(MeanMotion, FactorRules) {
    struct Case {
        const char* name;
        double inclination;
        SatCorrectionTable corrections;
        double factor;
    };
    const Case cases[] = {
        {"ISS", 51.64, table({{"ISS", 0}}), 12},          // zero entry keeps the built-in factor
        {"ISS", 51.64, table({{"ISS", 10}}), 10},
        {"ISS", 51.64, table({{"ISS", 5}, {"ISS", 0}}), 5},  // a later zero does not undo a factor
        {"ISSTR", 51.64, {}, 12},
        {"NO-44", 67.05, {}, 0},                           // inside 63.4 .. 116.6
        {"NO-44", 50, table({{"NO-44", 0}}), 0},           // zero entry removes the built-in term
        {"NO-44", 50, table({{"NO-44 ", 0}}), 1},          // stored text with a blank never matches
        {"CP6", 98, table({{"CP6 ", 0}}), 0},
        {"CP6", 120, table({{"CP6 ", 0}}), 5.2},
        {"CP6", 50, {}, 5.2},
        {"FO-70", 98, {}, 1.4},                            // no inclination rule
        {"FO-69", 98, table({{"FO-69", 0}}), 1.4},
        {"ISS", 63.4, {}, 0},                              // bounds belong to the range
        {"NO-44", 116.6, {}, 0},
        {"SAT-A", 98, table({{"SAT-A", 3}, {"SAT-A", 2}}), 2},  // the last matching entry decides
        {"SAT-A", 98, table({{"SAT-A", 3}, {"SAT-A", 0}}), 0},
        {"NO-44", 50, table({{"NO-44", 3}, {"NO-44", 0}}), 0},
        {"SAT-A", 98, table({{"sat-a", 3}}), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(motion_term_factor(c.name, c.inclination, c.corrections), c.factor)
            << c.name << " at " << c.inclination;
}

TEST(MeanMotion, NoTermLeavesRevolutionsAlone) {
    const SatElements el = iss_like(98);
    double revolutions = 3.25;
    sat_motion_hosei("SAT-A", el, 7000, 2.0, SatCorrectionTable{}, revolutions);
    EXPECT_EQ(revolutions, 3.25);
}

TEST(MeanMotion, IssTraceLine) {
    EXPECT_EQ(iss_trace_line(1, -0.5), "iss: t= 1 dlt_l=-.5 dlt_l*t=-.5 dlt_l*t*12=-6 iss_hosei*t= .017495");
}

TEST(MeanMotion, CorrectionTableFromSettings) {
    TempIni file("[SAT-HOSEI]\r\nSAT-A=2.5\r\nSAT-B=x\r\nORPHAN=7\r\n");
    const std::string& ini = file.path;
    ElementTable t;
    const char* names[] = {"SAT-A", "SAT-B", "SAT-A"};
    for (int k = 0; k < 3; ++k) t.add_set(names[k], "", "");
    SatCorrectionTable c;
    sat_hosei_set(c, t, ini);
    ASSERT_EQ(c.sat_hosei_count(), 3);
    EXPECT_EQ(c.sat_hosei_names(), (std::vector<std::string>{"SAT-A", "SAT-B", "SAT-A"}));
    EXPECT_EQ(c.sat_hosei_values(), (std::vector<double>{2.5, 0, 2.5}));
    EXPECT_EQ(motion_term_factor("SAT-A", 98, c), 2.5);

    sat_hosei_set(c, ElementTable{}, ini);
    EXPECT_EQ(c.sat_hosei_count(), 0);
    EXPECT_EQ(motion_term_factor("SAT-A", 98, c), 0);  // a rebuilt table forgets the old factors
}
