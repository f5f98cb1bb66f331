#include "orbit/mean_motion.h"

#include "common/debug_log.h"
#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

namespace {

constexpr double kLowInclination = 63.4;
constexpr double kHighInclination = 116.6;
constexpr double kIssFactor = 12.0;
constexpr double kNo44Factor = 1.0;
constexpr double kCp6Factor = 5.2;
constexpr double kFujiFactor = 1.4;

// Names compare as views: every computation asks, and most names differ in length.
bool is_fuji_name(std::string_view name) { return name == "FO-69" || name == "FO-70"; }

// Built-in factor, 0 when none.
double builtin_factor(std::string_view name, double inclination) {
    if (inclination < kLowInclination || inclination > kHighInclination) {
        if (is_iss_name(name)) return kIssFactor;
        if (name == "NO-44") return kNo44Factor;
        if (name == "CP6") return kCp6Factor;
    }
    if (is_fuji_name(name)) return kFujiFactor;
    return 0;
}

}  // namespace

bool is_iss_name(std::string_view name) { return name == "ISS" || name == "ISSDG" || name == "ISSTR"; }

void SatCorrectionTable::add(std::string name, double value) {
    NameFactors& f = by_name_[name];
    f.last = value;
    if (value != 0) {
        f.has_nonzero = true;
        f.last_nonzero = value;
    }
    sat_hosei_names_.push_back(std::move(name));
    sat_hosei_values_.push_back(value);
}

const SatCorrectionTable::NameFactors* SatCorrectionTable::factors_of(std::string_view name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &it->second;
}

SatCorrectionTable build_sat_correction_table(const ElementTable& table, const std::string& ini_file) {
    SatCorrectionTable c;
    for (int i = 1; i <= table.element_line_count(); i += 3) {
        const std::string& name = table.element_lines(i);
        c.add(name, val(ini_read_or(Section{"SAT-HOSEI"}, Key{name}, "0", ini_file)));
    }
    return c;
}

void sat_hosei_set(SatCorrectionTable& corrections, const ElementTable& table, const std::string& ini_file) {
    corrections = build_sat_correction_table(table, ini_file);
}

double motion_term_factor(const std::string& name, double inclination_deg, const SatCorrectionTable& corrections) {
    // Every matching entry replaces the factor in turn, so the last one decides; for the
    // names with a built-in factor an entry of 0 is passed over.
    const double builtin = builtin_factor(name, inclination_deg);
    const SatCorrectionTable::NameFactors* entries = corrections.factors_of(name);
    if (!entries) return builtin;
    if (is_iss_name(name) || is_fuji_name(name)) return entries->has_nonzero ? entries->last_nonzero : builtin;
    return entries->last;
}

std::string iss_trace_line(double t, double dL) {
    return "iss: t=" + str_num(t) + " dlt_l=" + str_num(dL) + " dlt_l*t=" + str_num(dL * t) +
           " dlt_l*t*12=" + str_num(dL * t * 12) + " iss_hosei*t=" + str_num(t * 0.017495);
}

MotionTerm motion_term_of(const std::string& name, const SatElements& el, double dL, double t,
                          const SatCorrectionTable& corrections) {
    MotionTerm term;
    term.dL = dL;
    if (is_iss_name(name) && builtin_factor(name, el.inclination) != 0 && debug_trace() == "1")
        term.trace_failed = !append_test_log(iss_trace_line(t, term.dL));
    term.factor = motion_term_factor(name, el.inclination, corrections);
    return term;
}

MotionTerm sat_motion_hosei(const std::string& name, const SatElements& el, double a, double t,
                            const SatCorrectionTable& corrections, double& revolutions) {
    const MotionTerm term = motion_term_of(name, el, j2_motion_rate(el, a), t, corrections);
    if (term.factor != 0) revolutions += term.factor * term.dL * t;
    return term;
}

}  // namespace torv
