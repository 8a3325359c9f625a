#include "support/ScriptedDialogs.h"
#include "support/TestPlatform.h"

#include <QWidget>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

namespace {

TEST(ScriptedDialogs, AnswersFromTheQueuesAndRecordsWhatWasShown)
{
    ScriptedDialogs dialogs;
    dialogs.expectMessage(MsgAnswer::Yes);
    dialogs.expectMessage();
    dialogs.expectInput("42");
    dialogs.expectInput(std::nullopt);
    dialogs.expectOpenFile("/q/earth.qzf");
    dialogs.expectSaveFile("");
    dialogs.expectFont(FontChoice{"Arial", 12, true, false});
    dialogs.expectFolder("/q");

    EXPECT_EQ(dialogs.message("Replace it?", MsgIcon::Warning, MsgButtons::YesNoCancel, "Save"), MsgAnswer::Yes);
    EXPECT_EQ(dialogs.message("Done"), MsgAnswer::Ok);
    EXPECT_EQ(dialogs.inputBox("High end of search?", "", "10"), std::optional<std::string>("42"));
    EXPECT_EQ(dialogs.inputBox("Mark lines with:", "", ""), std::nullopt);
    EXPECT_EQ(dialogs.openFile("Open ORBA Files", "ORBA Files (*.qzf;*.qzp)|*.qzf;*.qzp|"), "/q/earth.qzf");
    EXPECT_EQ(dialogs.saveFile("Save", "Saved (*.qzp)|*.qzp", "test.qzp"), "");
    EXPECT_EQ(dialogs.pickFont({"Tahoma", 8, false, false}), (FontChoice{"Arial", 12, true, false}));
    EXPECT_EQ(dialogs.browseFolder("Where?"), std::optional<std::string>("/q"));
    EXPECT_EQ(dialogs.pending(), 0u);

    ASSERT_EQ(dialogs.messages().size(), 2u);
    const ScriptedDialogs::Message& first = dialogs.messages()[0];
    EXPECT_EQ(first.text, "Replace it?");
    EXPECT_EQ(first.icon, MsgIcon::Warning);
    EXPECT_EQ(first.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(first.title, "Save");
    EXPECT_EQ(dialogs.messages()[1].icon, MsgIcon::None);
    EXPECT_EQ(dialogs.messages()[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{"Replace it?", "Done"}));
    ASSERT_EQ(dialogs.inputs().size(), 2u);
    EXPECT_EQ(dialogs.inputs()[0].prompt, "High end of search?");
    EXPECT_EQ(dialogs.inputs()[0].defaultText, "10");
    ASSERT_EQ(dialogs.openFiles().size(), 1u);
    EXPECT_EQ(dialogs.openFiles()[0].filter, "ORBA Files (*.qzf;*.qzp)|*.qzf;*.qzp|");
    ASSERT_EQ(dialogs.saveFiles().size(), 1u);
    EXPECT_EQ(dialogs.saveFiles()[0].folderOrName, "test.qzp");
    ASSERT_EQ(dialogs.fontsOffered().size(), 1u);
    EXPECT_EQ(dialogs.fontsOffered()[0].name, "Tahoma");
    EXPECT_EQ(dialogs.folderTitles(), (std::vector<std::string>{"Where?"}));
}

TEST(ScriptedDialogs, ADialogTheTestDidNotExpectFailsAtOnce)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            EXPECT_EQ(dialogs.message("Whoops!  Caf\xE9 is gone.", MsgIcon::None, MsgButtons::YesNo), MsgAnswer::Cancel);
            EXPECT_EQ(dialogs.messages().size(), 1u);
        },
        "Unexpected message box: \"Whoops!  Caf\xC3\xA9 is gone.\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage();
            EXPECT_EQ(dialogs.openFile("Open", "Text files (*.txt)|*.txt"), "");
            dialogs.message("consumes the queued answer");
        },
        "Unexpected open dialog: \"Open\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            EXPECT_EQ(dialogs.inputBox("High end of search?", "", ""), std::nullopt);
        },
        "Unexpected input box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            EXPECT_EQ(dialogs.pickFont({}), std::nullopt);
        },
        "Unexpected font picker");
}

TEST(ScriptedDialogs, AnAnswerTheBoxDoesNotOfferFails)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(MsgAnswer::Yes);
            dialogs.message("There's no such file.");
        },
        "has buttons Ok, the test answers Yes");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(MsgAnswer::Ok);
            dialogs.message("Replace?", MsgIcon::Warning, MsgButtons::YesNoCancel);
        },
        "has buttons YesNoCancel, the test answers Ok");
}

TEST(ScriptedDialogs, AnswersNeverAskedForFailTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage();
            dialogs.expectOpenFile("/q/a.qzf");
        },
        "2 queued dialog answer(s) were never asked for");
}

TEST(ScriptedDialogs, AScopedOwnerIsRestored)
{
    ScriptedDialogs dialogs;
    QWidget outer;
    QWidget inner;
    {
        ScopedDialogOwner a(dialogs, &outer);
        {
            ScopedDialogOwner b(dialogs, &inner);
            EXPECT_EQ(dialogs.owner(), &inner);
        }
        EXPECT_EQ(dialogs.owner(), &outer);
    }
    EXPECT_EQ(dialogs.owner(), nullptr);
}

TEST(TestPlatform, HasItsOwnSettingsFileAndASeededGenerator)
{
    TestPlatform first(7);
    TestPlatform second(7);
    ASSERT_TRUE(first.platform.settings.save("Settings", "Language", "Esp"));
    EXPECT_EQ(second.platform.settings.get("Settings", "Language", "none"), "none");
    EXPECT_NE(first.settings.filePath(), second.settings.filePath());
    EXPECT_EQ(first.settings.filePath().rfind(first.dir(), 0), 0u);
    EXPECT_EQ(first.platform.rng.below(1000000), second.platform.rng.below(1000000));
    EXPECT_EQ(&first.platform.dialogs, &first.dialogs);
    EXPECT_EQ(&first.platform.shell, &first.shell);

    first.platform.shell.startProgram("skrib");
    first.platform.shell.openDocument("https://orba.example.org/dloads/list.html");
    ASSERT_EQ(first.shell.started().size(), 1u);
    EXPECT_EQ(first.shell.started()[0].program, "skrib");
    EXPECT_EQ(first.shell.opened(), (std::vector<std::string>{"https://orba.example.org/dloads/list.html"}));
}

} // namespace
