#include "orba/setup/FileCommands.h"

#include "orba/prefs/LanguageTable.h"
#include "orba/setup/PreviousFiles.h"
#include "platform/Platform.h"
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
    writePreviousFiles(platform.settings, withFileAdded(readPreviousFiles(platform.settings), path));
}

void forgetPreviousFile(Platform& platform, const std::string& path)
{
    platform.dialogs.message(std::string(kMovedOrRenamedMessage));
    writePreviousFiles(platform.settings, withFileRemoved(readPreviousFiles(platform.settings), path));
}
