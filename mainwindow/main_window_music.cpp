// Music while a shown satellite is up: the play list, the decision of every tick and
// the track buttons.
#include <algorithm>

#include "mainwindow/main_window.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

void MainWindow::load_play_list() { torv::load_play_list(platform::program_file("torv.csv"), music_); }

bool MainWindow::any_slot_up() const {
    return std::any_of(l_.view.slot_visible.begin(), l_.view.slot_visible.end(), [](int16_t v) { return v != 0; });
}

void MainWindow::check_music() {
    if (torv::check_music(Check2.value() == 1, any_slot_up(), music_,
                          {l_.view.music_file, l_.view.music_start_request}, music_media_))
        music_labels_update();
}

void MainWindow::music_labels_update() {
    const MusicLabels t = music_labels(music_, l_.view.music_file);
    Label45.setCaption(qs(t.track));
    Label45.setToolTip(qs(t.track_tip));
    Command16.setToolTip(qs(t.next_tip));
    Command15.setToolTip(qs(t.previous_tip));
}

void MainWindow::step_track(int step) {
    if (torv::step_track(step, Check2.value() == 1, any_slot_up(), music_,
                         {l_.view.music_file, l_.view.music_start_request}, music_media_))
        music_labels_update();
    Check2.setFocus();
}

void MainWindow::Command15_Click() { step_track(-1); }

void MainWindow::Command16_Click() { step_track(+1); }

}  // namespace torv
