#include "mainwindow/music_play.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/sound_music.h"
#include "platform/files.h"

namespace torv {

namespace {

int16_t wrapped(int position, int count) {
    if (position < 0) return static_cast<int16_t>(count - 1);
    if (position >= count) return 0;
    return static_cast<int16_t>(position);
}

bool start_track(PlayList& list, MusicCursor cursor, const MusicMedia& media) {
    cursor.music_file = list.play_list[list.play_pos];
    media.play(cursor.music_file);
    return true;
}

}  // namespace

MusicMedia system_music() { return {mci_play, mci_close, mci_status_mode}; }

void load_play_list(const std::string& path, PlayList& list) {
    list = PlayList{};
    int lines = 0;
    for (const std::string& line : platform::read_lines(path)) {
        if (lines == kPlayListLines) break;
        // A blank line names no file: as a track it would stop the music for good.
        if (!line.empty()) list.play_list[lines++] = cp932_to_utf8(line);
    }
    list.play_count = static_cast<int16_t>(std::min(lines, kPlayListTracks));
}

bool check_music(bool music_on, bool any_up, PlayList& list, MusicCursor cursor, const MusicMedia& media) {
    if (!music_on) {
        media.close(cursor.music_file);
        return false;
    }
    if (any_up) return music_tick(list, cursor, media);
    // Nothing up: the track stops, and starts again from its beginning when one rises.
    media.close(cursor.music_file);
    cursor.music_start_request = 1;
    return false;
}

bool music_tick(PlayList& list, MusicCursor cursor, const MusicMedia& media) {
    if (list.play_count == 0) return false;
    bool started = false;
    cursor.music_file = list.play_list[list.play_pos];
    if (cursor.music_start_request == 1) {
        started = start_track(list, cursor, media);
        cursor.music_start_request = 0;
    }
    if (media.mode(cursor.music_file) == "STOPPED") {
        media.close(cursor.music_file);
        list.play_pos = wrapped(list.play_pos + 1, list.play_count);
        started = start_track(list, cursor, media);
    }
    return started;
}

bool step_track(int step, bool music_on, bool any_up, PlayList& list, MusicCursor cursor, const MusicMedia& media) {
    if (!music_on || !any_up || list.play_count <= 0) return false;
    media.close(cursor.music_file);
    list.play_pos = wrapped(list.play_pos + step, list.play_count);
    return start_track(list, cursor, media);
}

MusicLabels music_labels(const PlayList& list, const std::string& music_file) {
    MusicLabels l;
    l.track = std::to_string(list.play_pos + 1);
    l.track_tip = music_file;
    if (list.play_count > 0) {
        l.next_tip = list.play_list[wrapped(list.play_pos + 1, list.play_count)];
        l.previous_tip = list.play_list[wrapped(list.play_pos - 1, list.play_count)];
    }
    return l;
}

}  // namespace torv
