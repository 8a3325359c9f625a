#include "WindowTestSupport.h"

#include "orba/setup/StartUp.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(StartUp, CommandLineTable)
{
    using M = CommandLine::Mode;
    struct Case { std::vector<std::string> args; M mode; std::string path; std::optional<std::uint64_t> seed; };
    const Case cases[] = {
        {{}, M::Run, "", {}},
        {{"/q/quiz.qzf"}, M::Run, "/q/quiz.qzf", {}},
        {{"\"/q/my quiz.qzf\""}, M::Run, "/q/my quiz.qzf", {}},
        {{"\""}, M::Run, "\"", {}},
        {{"--help"}, M::Help, "", {}},
        {{"--version"}, M::Version, "", {}},
        {{"--dump-script", "a.txt", "--seed", "42"}, M::DumpScript, "a.txt", 42},
        {{"--dump-script"}, M::Error, "", {}},
        {{"--dump-script", "a.txt", "--seed", "x"}, M::Error, "a.txt", {}},
        {{"a.qzf", "b.qzf"}, M::Error, "a.qzf", {}},
    };
    for (const auto& c : cases) {
        const CommandLine cl = parseCommandLine(c.args);
        EXPECT_EQ(cl.mode, c.mode) << ::testing::PrintToString(c.args);
        EXPECT_EQ(cl.path, c.path) << ::testing::PrintToString(c.args);
        EXPECT_EQ(cl.seed, c.seed) << ::testing::PrintToString(c.args);
    }
}

TEST(StartUp, DumpScriptIsRepeatableWithASeedAndReportsFailures)
{
    QTemporaryDir dir;
    const std::string example = writeFile(dir.path().toStdString(), "earth.txt", exampleScript());
    std::string first, second, err;
    EXPECT_EQ(dumpScript(example, 9, first, err), 0);
    EXPECT_EQ(dumpScript(example, 9, second, err), 0);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(err.empty());
    EXPECT_NE(first.find("\"catalogue\": \"A0001A0002B0003B0004B0005B0006B0007B0008\""), std::string::npos);
    EXPECT_NE(first.find("\"timerSeconds\": 600"), std::string::npos);

    std::string out;
    err.clear();
    const std::string corrupt = writeFile(dir.path().toStdString(), "bad.qzf", "[ENCRYPTED ORBA QUIZ FILE]\r\nkey\r\n");
    EXPECT_EQ(dumpScript(corrupt, std::nullopt, out, err), 1);
    EXPECT_EQ(err, "Encrypted File is Corrupt.\n");
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(dumpScript(dir.path().toStdString() + "/none.txt", std::nullopt, out, err), 1);
}
