#pragma once

// The operating-system services a window may use, handed to every window at
// construction. The programs' main() builds one; tests build their own.

#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "quizfile/Rng.h"
#include "settings/SettingsStore.h"

struct Platform {
    Dialogs& dialogs;
    Shell& shell;
    quizfile::Rng& rng;
    SettingsStore& settings;
    SoundPlayer& sound;
    // PrintTarget, Downloader, SkinEngine and TrayIcon join here.
};
