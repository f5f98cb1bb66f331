#pragma once
#include <string>

// The two companion programs registered for a satellite ([SAT-PROGRAM1],
// [SAT-PROGRAM2]: path, "," and parameters), started when a transceiver link starts.
namespace torv {

struct SatPrograms {
    std::string sat_program1, sat_program1_path, sat_program1_param;
    std::string sat_program2, sat_program2_path, sat_program2_param;
};

// Splits a stored value at its first ",": path before, parameters after. A value
// without "," is all path.
void split_sat_program(const std::string& value, std::string& path, std::string& param);

// Reads both settings of the satellite into programs and starts each program that has
// a path, with its parameters as arguments, without waiting. A program that cannot
// be started shows its path and " プログラムがインストールされていません。 …" and
// ends the routine: program 2 is then not started.
void run_sat_programs(const std::string& selected_sat, SatPrograms& programs);

}  // namespace torv
