#pragma once

#include <string>

// Plays short sound files (answer responses, intro music). Without a sound
// device, a player, or the file, nothing is heard and nothing is reported.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the file, cutting off whatever this player was playing.
    virtual void play(const std::string& path) = 0;
    virtual void stop() = 0;
};

// A player that stays silent: for machines and runs without sound.
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};
