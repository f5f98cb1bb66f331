#pragma once
#include <functional>

// How a settings dialog ends the program after registering settings that only take
// effect at the next start. Every dialog goes this one way.
namespace torv {

struct ProgramEnd {
    // The main window's settings save (its display state, the local map).
    std::function<void()> save_settings;
    // Ends the program; whatever runs (a transceiver link) is stopped first.
    std::function<void()> end_program;
};

// Saves the main window's settings, tells the operator "プログラムを再起動してください"
// and ends the program.
void restart_program(const ProgramEnd& end);

inline const char* const kRestartMessage = "プログラムを再起動してください";

}  // namespace torv
