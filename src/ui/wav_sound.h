// The sound player: WAV files from the "wavs" folder, played with or without waiting, and the
// spoken calls. One sound at a time: every play stops the one before, so a sound started
// without waiting is cut off by the next one. A missing or unreadable file, or a machine
// without an audio output, plays nothing and never waits.
#pragma once

#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "game/sound_player.h"

class QSoundEffect;

// The file a call word sounds with ("wavs\flek1.wav" for "flek"), or empty for the many silent
// words. Only the letters A to Z are lower-cased before the comparison.
std::string_view CallWordFile(std::string_view callWord);

// The length of a WAV file's sound in milliseconds, from its header: the data bytes over the
// byte rate. A data size larger than what the file holds counts only what it holds. Nothing
// when the file is missing or not a PCM WAV file that can be read.
std::optional<int> WavDurationMs(const QString& path);

class TWavSound : public ISoundPlayer {
public:
    // With `audioOutput` false (a machine without one) every play is silent and immediate.
    explicit TWavSound(bool audioOutput);
    // The machine is asked for its audio output at Prepare or the first play, not here: its
    // sound service may take a while to answer, and the window need not wait for it.
    TWavSound();
    ~TWavSound() override;
    static bool HasAudioOutput();
    void Prepare();

    void PlaySound(std::string_view file, bool noWait) override;
    void SayCall(int seatNo, std::string_view callWord) override;

    // Told once per file when a sound file is there but is no WAV that can be played; a
    // missing file is no fault and stays silent.
    std::function<void(const QString&)> onBadFile;

    // The file of the last play that reached the audio output; empty before the first.
    const QString& lastPlayed() const { return lastPlayed_; }

private:
    void Stop();

    std::unique_ptr<QSoundEffect> effect_;
    std::optional<bool> hasOutput_;
    QString lastPlayed_;
    QSet<QString> badFiles_;
};
