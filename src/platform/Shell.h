#pragma once

#include <QStringList>

#include <string>

// Opening documents and starting the other programs. Failures are silent:
// the caller learns only whether it worked.
class Shell {
public:
    virtual ~Shell() = default;

    // A file (native path) or a web address, in the user's default application.
    virtual bool openDocument(const std::string& pathOrUrl) = 0;
    // An executable of the program folder ("skrib", "renovo", "orba"),
    // detached, with the program folder as its working folder.
    virtual bool startProgram(const std::string& programName, const QStringList& args = {}) = 0;
};
