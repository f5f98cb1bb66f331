#pragma once
#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class QAudioOutput;
class QSoundEffect;

namespace platform {

// Effect sounds and music on Qt Multimedia. Everything returns at once; playing happens
// in the background. Without an audio device (or without a decoder for a file) the
// program stays silent and runs on: nothing here reports or throws.
class Sound : public QObject {
    Q_OBJECT
public:
    // The one instance of the program, owned by the application object.
    static Sound& instance();

    // Starts a short sound file; a sound still playing is cut off by the new one.
    void play_effect(const QString& file);
    // True while the last effect's file is still being read (it plays once read; a
    // missing or unreadable file ends the loading without a sound).
    bool effect_loading() const;

    // Music: one device per file, addressed by the file name, from open to close.
    void open_music(const QString& file);   // no effect when already open
    void play_music(const QString& file);   // plays an open file from where it stands
    void close_music(const QString& file);  // stops and forgets it; no effect when not open
    // "PLAYING", "PAUSED", "STOPPED" (opened and not playing, or played to the end),
    // "NOT READY" (the file could not be opened or decoded), or the empty text when
    // the file is not open.
    QString music_mode(const QString& file) const;

private:
    explicit Sound(QObject* parent);
    ~Sound() override;

    struct MusicDevice;
    QSoundEffect* effect_;
    std::map<QString, std::unique_ptr<MusicDevice>> music_;
};

// Records effect sounds instead of playing them (tests): while one exists, play_effect
// only appends the file it was asked to play.
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    static SoundRecorder* current();

    std::vector<QString> effects;  // every file played, in order
    // How many times a file of this name (without its folder) was played.
    int count(const QString& file_name) const;

private:
    SoundRecorder* previous_;
};

// The mode word of a media player's state.
QString media_mode_word(QMediaPlayer::PlaybackState state, QMediaPlayer::MediaStatus status);

}  // namespace platform
