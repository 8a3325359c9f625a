#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

// Records what would have been opened or started; nothing is.
class RecordingShell final : public Shell {
public:
    struct Start {
        std::string program;
        QStringList args;
    };

    bool openDocument(const std::string& pathOrUrl) override;
    bool startProgram(const std::string& programName, const QStringList& args = {}) override;

    const std::vector<std::string>& opened() const { return opened_; }
    const std::vector<Start>& started() const { return started_; }

    // What the calls answer; true unless a test wants the shell to fail.
    bool succeed = true;

private:
    std::vector<std::string> opened_;
    std::vector<Start> started_;
};
