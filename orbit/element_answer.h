#pragma once
#include <string>
#include <vector>

// What an element download's answer holds: its lines, the bulletin's tag, header and
// element lines, and whether the lines are nothing but element sets. Plain functions
// over the received bytes, used before any element file is touched.
namespace torv {

// A received body cut into lines: a line feed ends a line and is dropped, carriage
// returns are dropped (or kept as characters when asked), a line that reaches 257
// bytes (carriage returns counted) ends there. A last line without line feed is kept
// unless it is empty. Bytes unconverted.
std::vector<std::string> download_lines(const std::string& body, bool keep_carriage_returns = false);

// The bulletin tag: the five characters after the first "$ORB" of the bulletin's
// first line (fewer when the line ends sooner); characters 4 to 8 without "$ORB".
std::string take_bulletin_id(const std::string& first_line);

// What the bulletin holds, found as its header search runs.
struct BulletinParse {
    std::string tag;                    // from the first line
    std::vector<std::string> listed;    // every line looked at, as the window lists them
    std::string header_message;         // set when the header key was not found
    std::vector<std::string> elements;  // the lines for TORV.ELM
    bool complete = false;              // the elements ended at "/EX" or an empty line
};

// Searches the first bulletin_line + 1 lines for the line whose first eight
// characters (the whole line when shorter) equal hdr; skips the line after the header
// and takes the element lines up to "/EX" or an empty line.
BulletinParse parse_bulletin(const std::vector<std::string>& lines, const std::string& hdr,
                             const std::string& bulletin_line);

// True when the lines hold at least one well-formed three-line set (a name, then
// lines 1 and 2 of at least 69 characters for the same catalogue number, whose numbers
// the computation can use: a usable set with an eccentricity below 1) and every
// non-blank line belongs to such a set, so neither a body cut short, nor a page of
// other text that happens to hold a set, nor a set that could never be computed can
// replace an element file.
bool holds_element_sets(const std::vector<std::string>& lines);

}  // namespace torv
