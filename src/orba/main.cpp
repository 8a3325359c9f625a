#include "orba/loader/FileInfoText.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/setup/StartUp.h"
#include "orba/setup/OrbaApp.h"
#include "orba/state/QuizState.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtShell.h"
#include "quizfile/Rng.h"
#include "settings/Keys.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    const CommandLine cl = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (cl.mode) {
    case CommandLine::Mode::Help:
        std::cout << usageText();
        return 0;
    case CommandLine::Mode::Version:
        std::cout << "orba " << ORBA_VERSION_MAJOR << "." << ORBA_VERSION_MINOR << "\n";
        return 0;
    case CommandLine::Mode::Error:
        std::cerr << "orba: " << cl.error << "\n" << usageText();
        return 2;
    case CommandLine::Mode::DumpScript: {
        std::string out, err;
        const int code = dumpScript(cl.path, cl.seed, out, err);
        std::cout << out;
        std::cerr << err;
        return code;
    }
    case CommandLine::Mode::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORBA"));
    QApplication::setOrganizationName(QStringLiteral("ORBA"));

    SettingsStore settings;
    QtDialogs dialogs;
    QtShell shell;
    quizfile::Rng rng;
    SilentSoundPlayer sound;
    Platform platform{dialogs, shell, rng, settings, sound};
    QuizState state;
    const LanguageTable lang(languageFromCode(settings.get(keys::Settings, keys::Language)));

    if (!cl.path.empty()) {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(cl.path, ec);
        state.PendingPath = ec ? cl.path : absolute.string();
    }
    OrbaApp orba(state, platform, lang);
    orba.onProgramEnd = [] { QCoreApplication::exit(0); };
    QTimer::singleShot(0, &app, [&orba] { orba.start(); });
    return app.exec();
}
