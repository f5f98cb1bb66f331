#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Second names for one orbit: every satellite of the duplicate list gets two more
// element sets with its own element lines, named after it with "DG" and "TR"
// appended, so each operating mode can carry settings of its own. The copies are
// written into the element files themselves.
namespace torv {

// 0 when name equals an entry of the list exactly, -1 otherwise (also for an empty list).
int16_t digital_sat_find(const std::string& name, const std::vector<std::string>& degital_sat_list);

// The lines of one element file with the copies made: each set whose trimmed name is
// listed is written with its name trimmed and followed directly by its "DG" and "TR"
// copies. Copies left by an earlier rewrite (a set named after the set before it plus
// "DG" or "TR", holding the same element lines) are dropped, so rewriting again
// changes nothing and the copies of a satellite taken off the list go away; a real
// satellite whose name ends in "DG" or "TR" is kept. A listed name with fewer than two
// lines after it ends the file there. Lines are CP932 bytes; the list is UTF-8.
std::vector<std::string> mark_digital_lines(const std::vector<std::string>& lines,
                                            const std::vector<std::string>& degital_sat_list);

// Rewrites the four element files of folder this way, each through its temporary
// file. A file that cannot be read is left alone; nothing is reported.
void element_files_mark_digital(const std::string& folder, const std::vector<std::string>& degital_sat_list);

}  // namespace torv
