#pragma once

// Dialogs and shell that answer at once, for benchmarks that drive windows.

#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QApplication>

#include <benchmark/benchmark.h>

class QuietDialogs final : public Dialogs {
public:
    void setOwner(QWidget*) override {}
    QWidget* owner() const override { return nullptr; }
    MsgAnswer message(const std::string&, MsgIcon, MsgButtons, const std::string&) override { return MsgAnswer::Ok; }
    std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string openFile(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string saveFile(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<FontChoice> pickFont(const FontChoice&) override { return {}; }
    std::optional<std::string> browseFolder(const std::string&) override { return {}; }
};

class QuietShell final : public Shell {
public:
    bool openDocument(const std::string&) override { return true; }
    bool startProgram(const std::string&, const QStringList&) override { return true; }
};

// The main of a benchmark that drives windows: offscreen unless
// QT_QPA_PLATFORM says otherwise.
inline int runWindowBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
