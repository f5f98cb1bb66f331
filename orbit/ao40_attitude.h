#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// The attitude of AO-40 (ALON and ALAT, degrees), which its antenna squint depends
// on, taken from the two numbers after "ALON/ALAT" on a published web page.
namespace torv {

inline constexpr std::string_view kAo40AttitudeUrl = "https://www.amsat-dl.org/journal/adlj-p3d.htm";

// Looks for "ALON/ALAT" in the first 301 lines of the page (a line feed ends a line,
// carriage returns stay in the line). Found: alon = the text up to the next "/"
// without blanks (unchanged when no "/" follows), alat = the leading digits, points
// and minus signs of the text after it, error 0. Not found: both "0", error -1.
void parse_ao40_attitude(const std::string& page, std::string& ao40_alat, std::string& ao40_alon,
                         int16_t& ao40_attitude_error);

// Fetches the page once per run: when ao40_attitude_fetched is 1 it returns at once,
// leaving the outputs as they are; otherwise it sets the flag first, so a failed fetch
// is not repeated. A failed fetch gives both "0" and error -1, without a message; so
// does a call while another transfer runs, which leaves the flag 0 for a later call.
void ao40_attitude_fetch(int16_t& ao40_attitude_fetched, std::string& ao40_alat, std::string& ao40_alon,
                         int16_t& ao40_attitude_error, const std::string& url = std::string(kAo40AttitudeUrl),
                         std::chrono::milliseconds timeout = std::chrono::milliseconds(60'000));

}  // namespace torv
