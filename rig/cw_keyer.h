#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

// The CW keyer's texts: the ten stored messages in torv.ini ([CW] CW_MESSAGE00 ..
// CW_MESSAGE09), the TS-2000's keying commands (KS speed, KY text in blocks of 24
// characters), the substitution of the partner's callsign and report, and the line of
// the contact log.
namespace torv::cw {

constexpr int kMemories = 10;
constexpr size_t kBlock = 24;  // characters of one KY command
using Messages = std::array<std::string, kMemories>;  // memory i at [i]

// "CW_MESSAGE" and the memory number as two digits.
std::string memory_key(int memory);
// A message as read from the settings: the store's "ERROR" (key missing) is empty.
std::string stored_text(std::string_view read);
// A message as the editor stores it: without blanks at both ends, upper case.
std::string text_to_store(std::string_view typed);
// Letters a..z made upper case; every other character kept.
std::string upper(std::string_view text);

// "KS" & the speed as three digits & ";" (30 gives "KS030;").
std::string speed_command(std::string_view speed);
// The KY commands of a message: "KY " & 24 characters & ";", the last block filled
// with blanks; one command up to 24 characters, two up to 48, the rest not sent. A
// ";" of the message goes as a blank.
std::vector<std::string> keying_commands(std::string_view message);
// Every "%C" replaced by the callsign, then every "%S" by the report; exact case.
std::string substitute(std::string_view message, std::string_view callsign, std::string_view report);
// One line of the contact log, CR LF ended: time, satellite, callsign, report, message.
std::string log_line(std::string_view time_text, std::string_view sat, std::string_view callsign,
                     std::string_view report, std::string_view message);
// Whether the report box takes a typed character: control characters, "-", "." and
// the digits pass.
bool report_char_allowed(int code);

}  // namespace torv::cw
