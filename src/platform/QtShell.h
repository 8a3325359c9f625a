#pragma once

#include "platform/Shell.h"

#include <QUrl>

class QtShell final : public Shell {
public:
    bool openDocument(const std::string& pathOrUrl) override;
    bool startProgram(const std::string& programName, const QStringList& args = {}) override;
};

// The address openDocument opens: http, https, ftp, mailto and file
// addresses as they are, anything else as a local path (relative to the
// working folder). Empty text gives an empty QUrl.
QUrl documentUrl(const std::string& pathOrUrl);
