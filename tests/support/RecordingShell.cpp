#include "support/RecordingShell.h"

bool RecordingShell::openDocument(const std::string& pathOrUrl)
{
    opened_.push_back(pathOrUrl);
    return succeed;
}

bool RecordingShell::startProgram(const std::string& programName, const QStringList& args)
{
    started_.push_back({programName, args});
    return succeed;
}
