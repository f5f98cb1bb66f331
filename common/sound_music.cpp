#include "common/sound_music.h"

#include "platform/sound.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

void play_sound_file(const std::string& file) { platform::Sound::instance().play_effect(qs(file)); }

void mci_play(const std::string& file) {
    platform::Sound& sound = platform::Sound::instance();
    sound.open_music(qs(file));
    sound.play_music(qs(file));
}

void mci_close(const std::string& file) { platform::Sound::instance().close_music(qs(file)); }

std::string mci_status_mode(const std::string& file) {
    return platform::Sound::instance().music_mode(qs(file)).toUpper().toStdString();
}

}  // namespace torv
