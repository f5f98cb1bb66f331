#include "platform/sound.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {
SoundRecorder* sound_recorder = nullptr;
}  // namespace

SoundRecorder::SoundRecorder() : previous_(sound_recorder) { sound_recorder = this; }
SoundRecorder::~SoundRecorder() { sound_recorder = previous_; }
SoundRecorder* SoundRecorder::current() { return sound_recorder; }

int SoundRecorder::count(const QString& file_name) const {
    return static_cast<int>(std::count_if(effects.begin(), effects.end(),
                                          [&](const QString& f) { return QFileInfo(f).fileName() == file_name; }));
}

struct Sound::MusicDevice {
    QMediaPlayer player;
    QAudioOutput output;
    MusicDevice() { player.setAudioOutput(&output); }
};

Sound& Sound::instance() {
    // Parented to the application so that it goes before the application does.
    static QPointer<Sound> sound;
    if (!sound) sound = new Sound(QCoreApplication::instance());
    return *sound;
}

Sound::Sound(QObject* parent) : QObject(parent), effect_(new QSoundEffect(this)) {}

Sound::~Sound() = default;

void Sound::play_effect(const QString& file) {
    if (sound_recorder) {
        sound_recorder->effects.push_back(file);
        return;
    }
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();  // starts as soon as the file is loaded
}

bool Sound::effect_loading() const { return effect_->status() == QSoundEffect::Loading; }

void Sound::open_music(const QString& file) {
    auto [it, created] = music_.try_emplace(file);
    if (!created) return;
    it->second = std::make_unique<MusicDevice>();
    it->second->player.setSource(QUrl::fromLocalFile(file));
}

void Sound::play_music(const QString& file) {
    auto it = music_.find(file);
    if (it != music_.end()) it->second->player.play();
}

void Sound::close_music(const QString& file) {
    auto it = music_.find(file);
    if (it == music_.end()) return;
    it->second->player.stop();
    music_.erase(it);
}

QString Sound::music_mode(const QString& file) const {
    auto it = music_.find(file);
    if (it == music_.end()) return {};
    const QMediaPlayer& p = it->second->player;
    return media_mode_word(p.playbackState(), p.mediaStatus());
}

QString media_mode_word(QMediaPlayer::PlaybackState state, QMediaPlayer::MediaStatus status) {
    // A player that failed keeps reporting the state it was asked for; the status tells.
    if (status == QMediaPlayer::InvalidMedia || status == QMediaPlayer::NoMedia) return "NOT READY";
    if (status == QMediaPlayer::EndOfMedia) return "STOPPED";
    switch (state) {
        case QMediaPlayer::PlayingState: return "PLAYING";
        case QMediaPlayer::PausedState: return "PAUSED";
        case QMediaPlayer::StoppedState: break;
    }
    return "STOPPED";
}

}  // namespace platform
