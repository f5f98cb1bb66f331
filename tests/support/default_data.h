#pragma once
#include <filesystem>

#include "support/temp_dir.h"

// Copies the program's default data (element sets, settings, maps, sounds) into a test's
// own folder, over whatever the test wrote there before.
inline void copy_default_data(const TempDir& dir) {
    for (const auto& f : std::filesystem::directory_iterator(TORV_DATA))
        std::filesystem::copy(f.path(), dir.str(),
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}
