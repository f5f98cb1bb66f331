// The element files: any bytes are read into the table, the newest set of each name is
// kept, and every set is computed as the program computes its satellites.
#include <string>

#include "fuzz_support.h"
#include "orbit/element_table.h"
#include "orbit/sat_position.h"

using namespace torv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ElementTable table;
    ElementLoadReport report;
    std::vector<std::string> names;
    read_element_file(table, fuzz::file_with("TORV.ELM", fuzz::text(data, size)), report,
                      [&](const std::string& name, const std::string&) { names.push_back(name); });
    element_keep_newest(table);
    fuzz::check(table.element_line_count() <= kElementCapacity);

    SatCorrectionTable corrections;
    const OwnStation station{135.15, 34.5, 45, "JA3XXX"};
    std::string selected = names.empty() ? std::string() : names.front();
    TimeState time;
    set_time_diff(time, 9);
    OrbitState orbit;
    OrbitContext ctx{table, corrections, station, selected, time, orbit, nullptr};
    time.realtime_flag = 0;
    time.calc_time = make_datetime(DateParts{2024, 6, 1, 12, 0, 0});
    for (std::string name : names) {
        if (sat_position_disp(ctx, name)) {
            fuzz::check(orbit.calc.calc_mean_anomaly >= 0 && orbit.calc.calc_mean_anomaly < 360);
        }
        double range = 0;
        calc_slant_range(ctx, name, range);
    }
    return 0;
}
