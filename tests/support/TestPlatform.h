#pragma once

// Everything a window needs from the platform, for one test: scripted
// dialogs, a recording shell, a seeded generator and a settings store in a
// temporary INI file of its own.
//
//   TestPlatform tp;
//   tp.dialogs.expectMessage(MsgAnswer::Yes);
//   frmSomething window(state, tp.platform);

#include "platform/Platform.h"
#include "quizfile/Rng.h"
#include "settings/SettingsStore.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include <string>
#include <vector>

// Records what would have been played.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    void stop() override { ++stops; }
    std::vector<std::string> played;
    int stops = 0;
};

#include <QTemporaryDir>

#include <cstdint>

class TestPlatform final {
public:
    explicit TestPlatform(std::uint64_t seed = 1);
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    // A folder for the test's own files; removed with the platform.
    std::string dir() const;

private:
    // Declared first: it must outlive the settings file inside it.
    QTemporaryDir dir_;

public:
    ScriptedDialogs dialogs;
    RecordingShell shell;
    quizfile::Rng rng;
    SettingsStore settings;
    RecordingSoundPlayer sound;
    Platform platform;
};
