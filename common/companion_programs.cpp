#include "common/companion_programs.h"

#include "common/settings_store.h"
#include "platform/msg_box.h"
#include "platform/process.h"

namespace torv {

namespace {
const char* const kNotInstalled =
    " プログラムがインストールされていません。 プログラムをダウンロードし同じホルダーにインストールしてください｡ ";

std::string read_program(const std::string& section, const std::string& sat) {
    return ini_read_or(Section{section}, Key{sat}, "", torv_ini());
}

// Starts one program; false (after the message) when it cannot be started.
bool start_sat_program(const std::string& path, const std::string& param) {
    if (path.empty()) return true;
    const QStringList arguments = platform::split_arguments(QString::fromStdString(param));
    if (platform::start_program(QString::fromStdString(path), arguments)) return true;
    platform::msg_box(path + kNotInstalled);
    return false;
}
}  // namespace

void split_sat_program(const std::string& value, std::string& path, std::string& param) {
    const size_t comma = value.find(',');
    path = value.substr(0, comma);
    param = comma == std::string::npos ? std::string() : value.substr(comma + 1);
}

void run_sat_programs(const std::string& selected_sat, SatPrograms& p) {
    p.sat_program1 = read_program("SAT-PROGRAM1", selected_sat);
    split_sat_program(p.sat_program1, p.sat_program1_path, p.sat_program1_param);
    if (!start_sat_program(p.sat_program1_path, p.sat_program1_param)) return;
    p.sat_program2 = read_program("SAT-PROGRAM2", selected_sat);
    split_sat_program(p.sat_program2, p.sat_program2_path, p.sat_program2_param);
    start_sat_program(p.sat_program2_path, p.sat_program2_param);
}

}  // namespace torv
