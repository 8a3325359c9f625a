#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtShell.h"
#include "quizfile/Rng.h"
#include "settings/SettingsStore.h"
#include "skrib/EditorCommandLine.h"
#include "skrib/SkribState.h"
#include "skrib/frmSkrib.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv)
{
    const EditorCommand command = parseEditorCommand(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.mode) {
    case EditorCommand::Mode::Help:
        std::cout << editorUsage();
        return 0;
    case EditorCommand::Mode::Version:
        std::cout << "skrib " << ORBA_VERSION_MAJOR << "." << ORBA_VERSION_MINOR << "\n";
        return 0;
    case EditorCommand::Mode::Error:
        std::cerr << "skrib: " << command.error << "\n" << editorUsage();
        return 2;
    case EditorCommand::Mode::Encrypt:
    case EditorCommand::Mode::Decrypt: {
        std::string out, err;
        const int code = runEditorCommand(command, out, err);
        std::cout << out;
        std::cerr << err;
        return code;
    }
    case EditorCommand::Mode::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quiz Script Editor"));
    QApplication::setOrganizationName(QStringLiteral("ORBA"));
    SettingsStore settings;
    QtDialogs dialogs("Quiz Script Editor");
    QtShell shell;
    quizfile::Rng rng;
    SilentSoundPlayer sound;
    Platform platform{dialogs, shell, rng, settings, sound};
    SkribState state;
    frmSkrib editor(state, platform);
    editor.onProgramEnd = [] { QCoreApplication::exit(0); };
    editor.start();
    return app.exec();
}
