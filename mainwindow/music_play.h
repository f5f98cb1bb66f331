#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Music while satellites are up: the play list torv.csv, the decision of every 950 ms
// tick, the track buttons and the texts that show the tracks. No window code: the main
// window passes the state of its boxes in and shows the texts.
namespace torv {

inline constexpr int kPlayListLines = 51;   // lines read from the file
inline constexpr int kPlayListTracks = 50;  // tracks played

struct PlayList {
    std::array<std::string, kPlayListLines> play_list{};
    int16_t play_count = 0;  // tracks in use, 0..50
    int16_t play_pos = 0;    // index of the current track
};

// The current track and whether the next tick starts it from its beginning; the main
// window keeps both (the settings save closes the track).
struct MusicCursor {
    std::string& music_file;
    int16_t& music_start_request;
};

// How a track is played: open and play, close, its mode word in capitals ("STOPPED"
// once it has played to its end).
struct MusicMedia {
    std::function<void(const std::string& file)> play;
    std::function<void(const std::string& file)> close;
    std::function<std::string(const std::string& file)> mode;
};
// The program's own music device.
MusicMedia system_music();

// Reads the play list file: one track's file a line, taken whole (commas included),
// CP932. Blank lines are no tracks. Of at most 51 lines read, at most 50 are played; a
// missing or unreadable file gives an empty list. The position starts at the first track.
void load_play_list(const std::string& path, PlayList& list);

// The music decision of a tick: music_on is the music box, any_up whether a shown
// satellite is at or above the horizon. True when a track was started.
bool check_music(bool music_on, bool any_up, PlayList& list, MusicCursor cursor, const MusicMedia& media);
// Plays the current track when asked to, and the next one when it has played to its
// end, wrapping from the last to the first. True when a track was started.
bool music_tick(PlayList& list, MusicCursor cursor, const MusicMedia& media);
// The track buttons (step -1 previous, +1 next): only while the music box is ticked, a
// shown satellite is up and the list has a track. True when a track was started.
bool step_track(int step, bool music_on, bool any_up, PlayList& list, MusicCursor cursor, const MusicMedia& media);

struct MusicLabels {
    std::string track;           // the current track's number, "1" for the first
    std::string track_tip;       // the current track's file
    std::string next_tip;        // the next track's file
    std::string previous_tip;    // the previous track's file
};
MusicLabels music_labels(const PlayList& list, const std::string& music_file);

}  // namespace torv
