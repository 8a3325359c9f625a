#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, IsTheFolderOfTheRunningExecutable)
{
    // Tests are built into the same folder as the programs and their data.
    EXPECT_EQ(QDir(QFile::decodeName(programFolder().c_str())).canonicalPath(),
              QDir(QStringLiteral(ORBA_BIN_DIR)).canonicalPath());
}

TEST(ProgramFolder, DataFilesAreNamedInsideIt)
{
    ScopedProgramFolder folder("/opt/orba/");
    struct Case {
        const char* name;
        const char* path;
    };
    const Case cases[] = {
        {"tips.txt", "/opt/orba/tips.txt"},
        {"\\QTips.txt", "/opt/orba/QTips.txt"},
        {"/orbahelp.html", "/opt/orba/orbahelp.html"},
        {"~Sounds\\C01.mp3", "/opt/orba/~Sounds/C01.mp3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dataFile(c.name), c.path) << c.name;
}

TEST(ProgramFolder, AnOverrideLastsForItsScope)
{
    const std::string real = programFolder();
    {
        ScopedProgramFolder outer("/a");
        {
            ScopedProgramFolder inner("/b");
            EXPECT_EQ(programFolder(), "/b");
        }
        EXPECT_EQ(programFolder(), "/a");
    }
    EXPECT_EQ(programFolder(), real);
}

} // namespace
