#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "orbit/sat_elements.h"
#include "orbit/sat_orbit.h"

// The in-memory copy of every element set the program knows: the lines of the element
// files, read once at start-up into one table. Nothing changes it afterwards; new
// element sets take effect at the next start.
namespace torv {

constexpr int kElementCapacity = 2000;  // lines: 666 whole sets and two lines

// The files in reading order.
inline const std::vector<std::string> kElementFiles = {"TORV.ELM", "TORV_NORAD.ELM", "TORV_NORAD_NEW.ELM",
                                                       "torv_solid.elm"};

// Index 0 is never used; names stand at 1, 4, 7 …, each followed by its two element
// lines, exactly as read (UTF-8 inside the program).
//
// Every computation looks its satellite up by name, thousands of times a second in the
// week tables and charts, so the table also keeps each name's set parsed, found
// through a hash of the names. The lines change only through the functions below; each
// change drops the parsed sets, and the next lookup builds them again from the lines.
// (Single-threaded: a lookup on a const table may rebuild them.)
class ElementTable {
public:
    // The first set of a name in table order, with its numbers made ready for
    // propagation (orbit.el are the parsed numbers; no mean-motion term).
    struct NamedSet {
        int name_index = 0;      // index of its name line
        SatOrbit orbit;
        double motion_rate = 0;  // dL of the J2 mean-motion term, rev/day
    };

    const std::string& element_lines(int i) const { return lines_[i]; }
    int16_t element_line_count() const { return line_count_; }  // the last used index

    // Line i (1 … kElementCapacity); other indices are not stored.
    void set_element_line(int i, std::string text);
    void set_element_line_count(int16_t count);
    // Appends a whole set after the last used line and counts it; false (nothing
    // stored) when the capacity would be passed.
    bool add_set(std::string name, std::string line1, std::string line2);

    // The first set whose name line, without leading and trailing blanks, equals name
    // (exact, case-sensitive); only the name positions 1, 4, 7 … up to the line count
    // are sets. Null when there is none or the name is empty.
    const NamedSet* find_named_set(std::string_view name) const;

    int16_t element_index = 1;  // the next free index while loading; lookups never read it

private:
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using NamedSets = std::unordered_map<std::string, NamedSet, NameHash, std::equal_to<>>;

    void changed() { parsed_fresh_ = false; }
    void parse_sets() const;

    std::vector<std::string> lines_ = std::vector<std::string>(kElementCapacity + 1);
    int16_t line_count_ = 0;
    mutable NamedSets named_sets_;
    mutable bool parsed_fresh_ = false;
};

// A set from its two lines, parsed and made ready for propagation.
ElementTable::NamedSet make_named_set(int name_index, const std::string& line1, const std::string& line2);

// The set a computation of a trimmed name uses: the table's first set of that name, or
// the fallback set (parsed once) when there is none; Unusable when the table's set is.
struct NamedSetLookup {
    const ElementTable::NamedSet* set = nullptr;
    ElementLookup how = ElementLookup::Fallback;
};
NamedSetLookup lookup_named_set(const ElementTable& table, std::string_view name);

// Index of the name line of the first set named name (exact, case-sensitive, after
// trimming blanks), looking only at the name positions 1, 4, 7, …; 0 when there is none
// or the name is empty.
int find_element_set(const ElementTable& table, const std::string& name);

struct ElementLookupResult {
    SatElements elements;
    ElementLookup how = ElementLookup::Fallback;
};

// The parsed set of a (trimmed) name: the table's set, the fallback set when the name is
// not there (both parsed once, not at every lookup), or Unusable when the table's set has missing or blank element lines, a
// mean motion of 0 or less or an epoch that is no date (such a satellite is skipped, never computed).
ElementLookupResult lookup_sat_elements(const ElementTable& table, const std::string& name);

// The historic routine: trims name in place and parses its set into elements and rev_no.
// Returns the lookup's outcome.
ElementLookup load_sat_elements(const ElementTable& table, std::string& name, SatElements& sat_elements,
                                int32_t& sat_rev_no);

// What loading left out, so the operator can be told once.
struct ElementLoadReport {
    std::vector<std::string> notices;  // one text per file that had unreadable lines
    bool capacity_reached = false;
};

// The 14-character epoch text from column 19 of element line 1 (shorter when the
// line is shorter). Ordering these texts orders the epochs.
std::string epoch_text(const std::string& line1);

// Appends the whole three-line sets of one file. Each set starts on a name line
// followed by lines beginning "1 " and "2 "; blank lines are passed over, other lines
// that do not form a set are skipped and counted in the report, so a damaged file
// never shifts the sets of the files read after it. When the table is full, the rest
// is dropped and the report says so once. A missing file adds nothing.
// on_set is called with the name and line 1 of each set stored.
void read_element_file(ElementTable& table, const std::string& path, ElementLoadReport& report,
                       const std::function<void(const std::string& name, const std::string& line1)>& on_set = {});

// Every set of a name takes the element lines of that name's set with the greatest
// epoch text (the first such set in table order; a set whose own epoch equals the
// greatest keeps its own lines). Names compare after trimming blanks, case-sensitive.
void element_keep_newest(ElementTable& table);

// Writes the table's lines, CR LF each, to path (TORV_elm_put.TMP); failures are ignored.
void element_table_dump(const ElementTable& table, const std::string& path);

// The non-empty captions, in order, for which no set carries that name.
std::vector<std::string> missing_shown_sats(const ElementTable& table, const std::vector<std::string>& captions);

// The message for a shown satellite without element set.
std::string missing_elements_message(const std::string& caption);

// The start-up loading step, by the automatic-update mode elm_auto_sw:
// "1" download first (hooks), then the four files; "2" only torv_solid.elm, whose
// sets of selected_sat give the update stamp; otherwise the four files. Ends with
// element_keep_newest and the dump in folder.
struct ElementLoadHooks {
    std::function<void(const std::string&)> progress_text;
    std::function<void()> progress_advance;
    std::function<void(bool)> progress_timer;
    std::function<void()> download_startup;                 // mode "1": download and stamps
    std::function<void()> mark_digital;                     // mode "1": rewrite DG/TR duplicates
    std::function<void(const std::string& line1)> stamp_set;  // mode "2"
};
void load_element_table(ElementTable& table, const std::string& elm_auto_sw, const std::string& selected_sat,
                        const std::string& folder, const ElementLoadHooks& hooks, ElementLoadReport& report);

}  // namespace torv
