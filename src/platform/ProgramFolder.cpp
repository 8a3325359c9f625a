#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

// Set only by tests.
std::string& overrideFolder()
{
    static std::string folder;
    return folder;
}

} // namespace

std::string programFolder()
{
    if (!overrideFolder().empty())
        return overrideFolder();
    const QString folder = QCoreApplication::instance()
        ? QCoreApplication::applicationDirPath()
        : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return QFile::encodeName(folder).toStdString();
}

std::string dataFile(std::string_view name)
{
    std::string relative(name);
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    const std::size_t start = relative.find_first_not_of('/');
    relative.erase(0, start == std::string::npos ? relative.size() : start);
    return programFolder() + '/' + relative;
}

void setProgramFolderOverride(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    overrideFolder() = std::move(folder);
}

ScopedProgramFolder::ScopedProgramFolder(std::string folder)
    : previous_(overrideFolder())
{
    setProgramFolderOverride(std::move(folder));
}

ScopedProgramFolder::~ScopedProgramFolder()
{
    setProgramFolderOverride(previous_);
}
