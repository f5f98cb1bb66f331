#pragma once
#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

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

// The mode word of a media player's state.
QString media_mode_word(QMediaPlayer::PlaybackState state, QMediaPlayer::MediaStatus status);

}  // namespace platform
