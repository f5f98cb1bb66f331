#pragma once
#include <string>

// Effect sounds and the music tracks of the play list. All calls return at once; with
// no audio device the program stays silent.
namespace torv {

// Starts a wave file; a sound still playing is cut off. A missing file plays nothing
// and is not reported.
void play_sound_file(const std::string& file);

// Opens the file's music device, then plays it.
void mci_play(const std::string& file);
// Closes the file's music device (the music stops); nothing for a file never opened.
void mci_close(const std::string& file);
// The play mode of the file in capitals: "PLAYING", "PAUSED", "STOPPED" (played to the
// end), "NOT READY" (could not be opened or decoded), the empty text when not open.
std::string mci_status_mode(const std::string& file);

}  // namespace torv
