// What the game asks of the sound player: a WAV file played with or without waiting, and a
// spoken call. Names keep their stored form ("wavs\durch.wav"); the player opens them with '/'.
#pragma once

#include <string_view>

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlaySound(std::string_view file, bool noWait) = 0;
    virtual void SayCall(int seatNo, std::string_view callWord) = 0;
};

class SilentSoundPlayer : public ISoundPlayer {
public:
    void PlaySound(std::string_view, bool) override {}
    void SayCall(int, std::string_view) override {}
};
