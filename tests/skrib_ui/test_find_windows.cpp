#include "ToolWindowSupport.h"

#include "skrib/frmFind.h"
#include "skrib/frmReplace.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The editor: a window whose client area is the text box txtT.
struct Editor {
    TestPlatform tp;
    QWidget window;
    QPlainTextEdit* txtT = new QPlainTextEdit(&window);

    explicit Editor(const QString& text)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(txtT);
        window.resize(800, 600);
        txtT->setPlainText(text);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void putCaret(int position, int selected = 0)
    {
        QTextCursor cursor = txtT->textCursor();
        cursor.setPosition(position);
        cursor.setPosition(position + selected, QTextCursor::KeepAnchor);
        txtT->setTextCursor(cursor);
    }

    QString selected() const { return txtT->textCursor().selectedText(); }
    int selectionStart() const { return txtT->textCursor().selectionStart(); }
};

// The window, opened as the editor opens it and ready for a person to type into.
template <class Window>
QPointer<Window> open(Editor& editor, bool* closed = nullptr)
{
    QPointer<Window> window = new Window(*editor.txtT, editor.tp.platform, &editor.window);
    if (closed)
        window->onClosed = [closed] { *closed = true; };
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

} // namespace

TEST(FindWindow, LooksLikeAFindWindowOverTheEditor)
{
    Editor editor(QStringLiteral("text"));
    QPointer<frmFind> find = open<frmFind>(editor);
    EXPECT_EQ(find->windowTitle(), QStringLiteral(" Find"));
    EXPECT_EQ(find->parentWidget(), &editor.window);
    EXPECT_EQ(find->windowType(), Qt::Tool);
    EXPECT_FALSE(find->isModal());
    EXPECT_EQ(find->lblFind->text(), QStringLiteral("Find What:"));
    EXPECT_EQ(find->cmdFindNext->text(), QStringLiteral("Find Next"));
    EXPECT_TRUE(find->cmdFindNext->isDefault());
    EXPECT_EQ(find->cmdCancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(find->fraDirection->title(), QStringLiteral("Direction from Cursor"));
    EXPECT_TRUE(find->optDown->isChecked());
    EXPECT_FALSE(find->optUp->isChecked());
    EXPECT_EQ(find->chkCase->text(), QStringLiteral("case sensitive"));
    EXPECT_FALSE(find->chkCase->isChecked());
    EXPECT_LE((find->geometry().center() - editor.window.geometry().center()).manhattanLength(), 8) << "centred, give or take the window frame";
    expectTidy(*find);
    saveToolWindowShot(find, "frmFind");

    QPointer<frmReplace> replace = open<frmReplace>(editor);
    EXPECT_EQ(replace->windowTitle(), QStringLiteral(" Replace"));
    EXPECT_EQ(replace->windowType(), Qt::Tool);
    EXPECT_EQ(replace->lblReplace->text(), QStringLiteral("Replace With:"));
    EXPECT_EQ(replace->cmdCR->text(), QStringLiteral("[CR]"));
    EXPECT_EQ(replace->cmdReplace->text(), QStringLiteral("Replace"));
    EXPECT_EQ(replace->cmdReplaceAll->text(), QStringLiteral("Replace All"));
    EXPECT_TRUE(replace->cmdReplaceAll->isDefault());
    EXPECT_FALSE(replace->cmdFindNext->isDefault());
    EXPECT_GT(replace->cmdCR->y(), replace->txtReplace->y()) << "[CR] sits below the replace text";
    EXPECT_LE((replace->geometry().center() - editor.window.geometry().center()).manhattanLength(), 8) << "centred, give or take the window frame";
    expectTidy(*replace);
    saveToolWindowShot(replace, "frmReplace");
}

TEST(FindWindow, DownFindsTheMatchAtTheCaretThenTheNextThenStops)
{
    Editor editor(QStringLiteral("cat\ncat and cat"));
    editor.putCaret(4);
    bool closed = false;
    QPointer<frmFind> find = open<frmFind>(editor, &closed);
    type(find->txtFind, QStringLiteral("cat"));

    click(find->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), 4);
    EXPECT_EQ(editor.selected(), QStringLiteral("cat"));
    EXPECT_TRUE(editor.txtT->hasFocus());
    EXPECT_TRUE(find->isVisible());

    click(find->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), 12);
    EXPECT_TRUE(find->isVisible());

    editor.tp.dialogs.expectMessage();
    click(find->cmdFindNext);
    EXPECT_EQ(editor.tp.dialogs.messageTexts(), std::vector<std::string>{"No more matches below your cursor."});
    EXPECT_TRUE(closed);
    EXPECT_TRUE(gone(find));
    EXPECT_EQ(editor.selectionStart(), 12) << "the last match stays selected";
}

TEST(FindWindow, UpFindsWhatLiesWhollyBeforeTheCaret)
{
    // Line breaks count twice in the script and once in the widget.
    Editor editor(QStringLiteral("one two\r\nthree two\ntwo"));
    editor.putCaret(editor.txtT->toPlainText().size() - 2);
    QPointer<frmFind> find = open<frmFind>(editor);
    click(find->optUp);
    type(find->txtFind, QStringLiteral("TWO"));

    click(find->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), 14);
    EXPECT_EQ(editor.selected(), QStringLiteral("two"));
    click(find->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), 4);

    editor.tp.dialogs.expectMessage();
    click(find->cmdFindNext);
    EXPECT_EQ(editor.tp.dialogs.messageTexts(), std::vector<std::string>{"No more matches above your cursor."});
    EXPECT_TRUE(gone(find));
}

TEST(FindWindow, EndsWithItsMessageAndCloses)
{
    struct Case {
        QString text;
        int caret;
        QString what;
        bool up;
        bool caseSensitive;
        std::string message; // empty: closes without a word
    };
    const std::vector<Case> cases = {
        {QStringLiteral("cat"), 0, QStringLiteral("cat"), true, false, "There is nothing above your cursor!"},
        {QStringLiteral("cat"), 3, QStringLiteral("cat"), false, false, "There is nothing below your cursor!"},
        {QStringLiteral("dog\ndog"), 0, QStringLiteral("cat"), false, false, "Search string not found below your cursor."},
        {QStringLiteral("dog\ndog"), 7, QStringLiteral("cat"), true, false, "Search string not found above your cursor."},
        {QStringLiteral("a CAT"), 0, QStringLiteral("cat"), false, true, "Search string not found below your cursor."},
        {QStringLiteral("cat"), 0, QString(), false, false, ""},
    };
    for (const Case& c : cases) {
        Editor editor(c.text);
        editor.putCaret(c.caret);
        bool closed = false;
        QPointer<frmFind> find = open<frmFind>(editor, &closed);
        if (c.up)
            click(find->optUp);
        if (c.caseSensitive)
            click(find->chkCase);
        type(find->txtFind, c.what);
        if (!c.message.empty())
            editor.tp.dialogs.expectMessage();
        QTest::keyClick(find->txtFind, Qt::Key_Return); // Find Next is the default button
        const std::vector<std::string> expected = c.message.empty() ? std::vector<std::string>{}
                                                                    : std::vector<std::string>{c.message};
        EXPECT_EQ(editor.tp.dialogs.messageTexts(), expected) << c.message;
        EXPECT_TRUE(closed) << c.message;
        EXPECT_TRUE(gone(find)) << c.message;
        EXPECT_EQ(editor.selectionStart(), c.caret) << "the caret stays: " << c.message;
    }
}

TEST(FindWindow, CancelClosesAndANewWindowStartsAfresh)
{
    Editor editor(QStringLiteral("cat cat"));
    bool closed = false;
    QPointer<frmFind> find = open<frmFind>(editor, &closed);
    type(find->txtFind, QStringLiteral("cat"));
    click(find->cmdFindNext);
    click(find->cmdCancel);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(gone(find));

    // The caret is on the first match; a fresh window finds it again.
    find = open<frmFind>(editor);
    type(find->txtFind, QStringLiteral("cat"));
    click(find->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), 0);
    delete find;
}

TEST(ReplaceWindow, CaseFreeFindButExactReplaceAll)
{
    Editor editor(QStringLiteral("The CAT saw\nthe cat."));
    bool closed = false;
    QPointer<frmReplace> replace = open<frmReplace>(editor, &closed);
    type(replace->txtFind, QStringLiteral("cat"));
    type(replace->txtReplace, QStringLiteral("dog"));
    click(replace->cmdFindNext);
    EXPECT_EQ(editor.selected(), QStringLiteral("CAT"));

    click(replace->cmdReplaceAll);
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("The CAT saw\nthe dog."));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(gone(replace));
    EXPECT_TRUE(editor.txtT->document()->isModified());
    editor.txtT->undo();
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("The CAT saw\nthe cat."));
}

TEST(ReplaceWindow, ReplaceTakesWhateverIsSelectedThenFindsOn)
{
    Editor editor(QStringLiteral("alpha beta\ngamma beta"));
    QPointer<frmReplace> replace = open<frmReplace>(editor);
    type(replace->txtFind, QStringLiteral("beta"));
    type(replace->txtReplace, QStringLiteral("X"));

    editor.tp.dialogs.expectMessage();
    click(replace->cmdReplace);
    EXPECT_EQ(editor.tp.dialogs.messageTexts(), std::vector<std::string>{"There's nothing to replace!"});
    EXPECT_TRUE(replace->isVisible()) << "only the message";
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("alpha beta\ngamma beta"));

    editor.putCaret(0, 5); // "alpha" holds no "beta"
    click(replace->cmdReplace);
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("X beta\ngamma beta"));
    EXPECT_EQ(editor.selectionStart(), 2);
    EXPECT_EQ(editor.selected(), QStringLiteral("beta"));

    click(replace->cmdReplace);
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("X X\ngamma beta"));
    EXPECT_EQ(editor.selectionStart(), 10);

    editor.tp.dialogs.expectMessage();
    click(replace->cmdReplace);
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("X X\ngamma X"));
    EXPECT_EQ(editor.tp.dialogs.messageTexts().back(), "No more matches below your cursor.");
    EXPECT_TRUE(gone(replace));
}

TEST(ReplaceWindow, ReplaceNeitherSkipsAnAdjacentMatchNorFindsItsOwnText)
{
    {
        Editor editor(QStringLiteral("foofoo"));
        QPointer<frmReplace> replace = open<frmReplace>(editor);
        type(replace->txtFind, QStringLiteral("foo"));
        type(replace->txtReplace, QStringLiteral("bar"));
        click(replace->cmdFindNext);
        click(replace->cmdReplace);
        EXPECT_EQ(editor.selectionStart(), 3);
        EXPECT_EQ(editor.selected(), QStringLiteral("foo"));
        delete replace;
    }
    {
        Editor editor(QStringLiteral("cat cat"));
        editor.putCaret(7);
        QPointer<frmReplace> replace = open<frmReplace>(editor);
        click(replace->optUp);
        type(replace->txtFind, QStringLiteral("cat"));
        type(replace->txtReplace, QStringLiteral("cats"));
        click(replace->cmdFindNext);
        click(replace->cmdReplace);
        EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("cat cats"));
        EXPECT_EQ(editor.selectionStart(), 0);
        delete replace;
    }
}

TEST(ReplaceWindow, TwoLineBreaksForEverySpace)
{
    Editor editor(QStringLiteral("a b\nc d"));
    QPointer<frmReplace> replace = open<frmReplace>(editor);
    type(replace->txtFind, QStringLiteral(" "));
    click(replace->cmdCR);
    click(replace->cmdCR);
    EXPECT_EQ(replace->txtReplace->text(), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(replace->lblBreaks->text(), QStringLiteral("holds 2 line breaks"));
    saveToolWindowShot(replace, "frmReplace-cr");
    QTest::keyClick(replace->txtFind, Qt::Key_Return); // Replace All is the default button
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("a\n\nb\nc\n\nd"));
    EXPECT_EQ(editor.txtT->document()->blockCount(), 6);
    EXPECT_TRUE(gone(replace));
}

TEST(ReplaceWindow, ReplaceAllWithNothingToReplaceLeavesTheTextUntouched)
{
    Editor editor(QStringLiteral("plain text"));
    editor.txtT->document()->setModified(false);
    for (const QString& what : {QStringLiteral("absent"), QString()}) {
        QPointer<frmReplace> replace = open<frmReplace>(editor);
        type(replace->txtFind, what);
        type(replace->txtReplace, QStringLiteral("x"));
        click(replace->cmdReplaceAll);
        EXPECT_TRUE(gone(replace));
    }
    EXPECT_EQ(editor.txtT->toPlainText(), QStringLiteral("plain text"));
    EXPECT_FALSE(editor.txtT->document()->isModified());
    EXPECT_FALSE(editor.txtT->document()->isUndoAvailable());
}

TEST(ReplaceWindow, QuickOnALargeScriptAndReplaceAllIsOneUndoStep)
{
    QString script;
    for (int i = 0; i < 10'000; ++i)
        script += QStringLiteral("Which planet is red?\n*Mars\nVenus\n?The iron in its soil.\n\n");
    Editor editor(script);
    QPointer<frmReplace> replace = open<frmReplace>(editor);
    type(replace->txtFind, QStringLiteral("planet"));
    type(replace->txtReplace, QStringLiteral("world"));

    QElapsedTimer timer;
    timer.start();
    click(replace->cmdFindNext);
    click(replace->cmdFindNext);
    EXPECT_EQ(editor.selectionStart(), script.indexOf(QStringLiteral("planet"), 7)) << "the second one";
    click(replace->cmdReplaceAll);
    const qint64 took = timer.elapsed();
    EXPECT_LT(took, 1000) << "two Find Next and a Replace All on 50,000 lines took " << took << " ms";
    EXPECT_FALSE(editor.txtT->toPlainText().contains(QStringLiteral("planet")));
    EXPECT_EQ(editor.txtT->toPlainText().count(QStringLiteral("world")), 10'000);
    editor.txtT->undo();
    EXPECT_EQ(editor.txtT->toPlainText(), script);
}

TEST(ReplaceWindow, KeepsCharactersTheWidgetCountsDifferently)
{
    // A no-break space and a character outside the BMP before the match.
    const QString text = QStringLiteral("a\u00A0b \U0001F600\nfind me");
    Editor editor(text);
    QPointer<frmReplace> replace = open<frmReplace>(editor);
    type(replace->txtFind, QStringLiteral("find"));
    click(replace->cmdFindNext);
    EXPECT_EQ(editor.selected(), QStringLiteral("find"));
    type(replace->txtReplace, QStringLiteral("found"));
    click(replace->cmdReplaceAll);
    EXPECT_EQ(editor.txtT->document()->toRawText().left(3), QStringLiteral("a\u00A0b"));
    EXPECT_TRUE(editor.txtT->toPlainText().endsWith(QStringLiteral("\nfound me")));
}
