#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The in-memory copy of every element set the program knows: the lines of the element
// files, read once at start-up into one table. Nothing changes it afterwards; new
// element sets take effect at the next start.
namespace torv {

constexpr int kElementCapacity = 2000;  // lines: 666 whole sets and two lines

// The files in reading order.
inline const std::vector<std::string> kElementFiles = {"TORV.ELM", "TORV_NORAD.ELM", "TORV_NORAD_NEW.ELM",
                                                       "torv_solid.elm"};

struct ElementTable {
    // Index 0 is never used; names stand at 1, 4, 7 …, each followed by its two
    // element lines, exactly as read (UTF-8 inside the program).
    std::vector<std::string> element_lines = std::vector<std::string>(kElementCapacity + 1);
    int16_t element_line_count = 0;  // the last used index
    int16_t element_index = 1;       // the next free index while loading
};

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
