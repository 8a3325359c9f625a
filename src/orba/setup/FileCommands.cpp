#include "orba/setup/FileCommands.h"

#include <QAction>
#include <QWidget>

#include "orba/prefs/LanguageTable.h"
#include "settings/Keys.h"
#include "settings/RecentFiles.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "quizfile/Conversion.h"

void convertQuizFile(Platform& platform, const LanguageTable& lang, bool toQzf)
{
    const std::string files = lang.text("Files");
    const std::string filter = toQzf ? "Text " + files + " (*.txt)|*.txt" : "ORBA " + files + " (*.qzf)|*.qzf";
    const std::string path = platform.dialogs.openFile(lang.text("Open"), filter);
    const quizfile::Status done = toQzf ? quizfile::convertTxtToQzf(path) : quizfile::revertQzfToTxt(path);
    if (!done.ok())
        platform.dialogs.message(lang.text(done.error()));
}

void rememberPreviousFile(Platform& platform, const std::string& path)
{
    writePreviousFiles(platform.settings, keys::PreviousFiles, withFileAdded(readPreviousFiles(platform.settings, keys::PreviousFiles), path));
}

void forgetPreviousFile(Platform& platform, const std::string& path)
{
    platform.dialogs.message(std::string(kMovedOrRenamedMessage));
    writePreviousFiles(platform.settings, keys::PreviousFiles, withFileRemoved(readPreviousFiles(platform.settings, keys::PreviousFiles), path));
}

void connectSharedCommands(QWidget* window, const SharedCommands& actions, Platform& platform, const LanguageTable& lang)
{
    Platform* p = &platform;
    const LanguageTable* l = &lang;
    QObject::connect(actions.editOpen, &QAction::triggered, window, [p] { p->shell.startProgram("skrib"); });
    QObject::connect(actions.contents, &QAction::triggered, window,
                     [p] { p->shell.openDocument(dataFile("orbahelp.html")); });
    for (const bool toQzf : {true, false}) {
        QObject::connect(toQzf ? actions.convert : actions.revert, &QAction::triggered, window, [window, p, l, toQzf] {
            const ScopedDialogOwner owner(p->dialogs, window);
            convertQuizFile(*p, *l, toQzf);
        });
    }
}
