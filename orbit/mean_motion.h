#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orbit/element_table.h"
#include "orbit/sat_elements.h"
#include "orbit/sat_orbit.h"

// The J2 mean-motion term: for a few satellites known by name and for every satellite
// the operator gave a correction factor, the revolutions since epoch gain a term
// proportional to the secular J2 change of the mean motion.
namespace torv {

// The operator's factors, one entry per element set of the table, in table order.
// Every computation asks for its satellite's entries, so they are also kept summed up
// per name text, found without going through the list.
class SatCorrectionTable {
public:
    // What the entries of one name text say, in table order.
    struct NameFactors {
        double last = 0;              // the factor of the last entry
        bool has_nonzero = false;
        double last_nonzero = 0;      // the factor of the last entry whose factor is not 0
    };

    // Appends the entry of the next element set: its name line exactly as stored and
    // its factor (0 when none is stored).
    void add(std::string name, double value);

    int16_t sat_hosei_count() const { return static_cast<int16_t>(sat_hosei_names_.size()); }
    const std::vector<std::string>& sat_hosei_names() const { return sat_hosei_names_; }
    const std::vector<double>& sat_hosei_values() const { return sat_hosei_values_; }

    // The entries whose name text equals name exactly; null when there are none.
    const NameFactors* factors_of(std::string_view name) const;

private:
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::vector<std::string> sat_hosei_names_;
    std::vector<double> sat_hosei_values_;
    std::unordered_map<std::string, NameFactors, NameHash, std::equal_to<>> by_name_;
};

// Builds the table from [SAT-HOSEI] of the settings file: one entry per name position
// 1, 4, 7 … of the element table, keyed by the name line as it stands.
SatCorrectionTable build_sat_correction_table(const ElementTable& table, const std::string& ini_file);

// Rebuilds corrections in place (start-up, and after the editor stored a factor).
void sat_hosei_set(SatCorrectionTable& corrections, const ElementTable& table, const std::string& ini_file);

// The factor of the term for a trimmed name (0: no term): the built-in factors with
// their inclination rule, then every matching correction-table entry in turn.
double motion_term_factor(const std::string& name, double inclination_deg, const SatCorrectionTable& corrections);

// True for the names that carry the built-in ISS factor.
bool is_iss_name(std::string_view name);

// What the term did, for the DDE labels of the selected satellite.
struct MotionTerm {
    double dL = 0;        // rev/day
    double factor = 0;    // 0 when no term applied
    bool trace_failed = false;  // the trace line could not be written (kTestLogFailedMessage)
};

// The term of a set whose dL is known, t days after epoch: its factor, and the trace
// line written for the ISS names when the built-in factor applies.
MotionTerm motion_term_of(const std::string& name, const SatElements& el, double dL, double t,
                          const SatCorrectionTable& corrections);

// Replaces revolutions (on entry n t + (n'/2) t^2) by base + factor dL t when a term
// applies. Writes the trace line for the ISS names when the built-in factor applies.
MotionTerm sat_motion_hosei(const std::string& name, const SatElements& el, double a, double t,
                            const SatCorrectionTable& corrections, double& revolutions);

// The trace line of the ISS names.
std::string iss_trace_line(double t, double dL);

}  // namespace torv
