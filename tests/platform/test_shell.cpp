#include "platform/ProgramFolder.h"
#include "platform/QtShell.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(QtShell, WebAddressesStayAddressesAndEverythingElseIsAFile)
{
    EXPECT_EQ(documentUrl("https://orba.example.org/dloads/list.html"),
              QUrl(QStringLiteral("https://orba.example.org/dloads/list.html")));
    EXPECT_EQ(documentUrl("HTTP://orba.example.org").scheme(), QStringLiteral("http"));
    EXPECT_EQ(documentUrl("mailto:quiz@example.org").scheme(), QStringLiteral("mailto"));

    EXPECT_EQ(documentUrl("/opt/orba/orbahelp.html"), QUrl::fromLocalFile(QStringLiteral("/opt/orba/orbahelp.html")));
    EXPECT_EQ(documentUrl("/tmp/a b#1.html").toLocalFile(), QStringLiteral("/tmp/a b#1.html"));
    // A file name with a colon is not an address; relative names are taken from the working folder.
    EXPECT_EQ(documentUrl("notes:1.txt").toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("notes:1.txt")));
    EXPECT_TRUE(documentUrl("").isEmpty());
}

TEST(QtShell, OpeningAMissingFileFailsQuietly)
{
    QTemporaryDir dir;
    QtShell shell;
    EXPECT_FALSE(shell.openDocument(QFile::encodeName(dir.filePath(QStringLiteral("gone.html"))).toStdString()));
    EXPECT_FALSE(shell.openDocument(""));
}

class StartProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        writeFile(QStringLiteral("fake"), "#!/bin/sh\npwd > started.tmp\nprintf '%s\\n' \"$@\" >> started.tmp\n"
                                          "mv started.tmp started.txt\n",
                  true);
        writeFile(QStringLiteral("plain"), "not a program\n", false);
    }

    void writeFile(const QString& name, const char* content, bool executable)
    {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    std::string folder() const { return QFile::encodeName(dir_.path()).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(StartProgram, StartsAProgramOfTheProgramFolderInThatFolder)
{
    ScopedProgramFolder programs(folder());
    QtShell shell;
    ASSERT_TRUE(shell.startProgram("fake", {QStringLiteral("one"), QStringLiteral("two words")}));

    QFile output(dir_.filePath(QStringLiteral("started.txt")));
    const QDeadlineTimer deadline(10000);
    while (!output.exists() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    ASSERT_TRUE(output.open(QIODevice::ReadOnly)) << "the program did not run";
    const QList<QByteArray> lines = output.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(QDir(QFile::decodeName(lines[0])).canonicalPath(), QDir(dir_.path()).canonicalPath());
    EXPECT_EQ(lines[1], "one");
    EXPECT_EQ(lines[2], "two words");
}

TEST_F(StartProgram, RefusesWhatIsNotAProgramOfTheFolder)
{
    ScopedProgramFolder programs(folder());
    QtShell shell;
    EXPECT_FALSE(shell.startProgram("missing"));
    EXPECT_FALSE(shell.startProgram("plain"));
    EXPECT_FALSE(shell.startProgram(""));
    EXPECT_FALSE(shell.startProgram("../" + QFile::encodeName(QDir(dir_.path()).dirName()).toStdString() + "/fake"));
}

} // namespace
