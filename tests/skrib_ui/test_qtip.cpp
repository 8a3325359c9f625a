#include "ToolWindowSupport.h"

#include "platform/ProgramFolder.h"
#include "settings/Keys.h"
#include "skrib/frmQTip.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

// A program folder of the test's own, holding its own QTips.txt.
struct Tips {
    TestPlatform tp;
    ScopedProgramFolder folder{tp.dir()};

    void write(const std::string& bytes) const { std::ofstream(tp.dir() + "/QTips.txt", std::ios::binary) << bytes; }
    void writeFive() const { write("tip 1\r\ntip 2\r\ntip 3\r\ntip 4\r\ntip 5\r\n"); }
    std::string stored() const { return tp.settings.get(keys::Settings, keys::QTipNum, "none"); }
    std::unique_ptr<frmQTip> open() { return std::make_unique<frmQTip>(tp.platform); }
};

QString shown(const frmQTip& tip)
{
    return tip.txtTip->isVisibleTo(&tip) ? tip.txtTip->toPlainText() : QString();
}

} // namespace

TEST(TipWindow, LooksLikeATipOfTheDay)
{
    Tips tips;
    tips.writeFive();
    QWidget editor;
    editor.setGeometry(100, 80, 900, 700);
    frmQTip tip(tips.tp.platform, &editor);
    EXPECT_EQ(tip.windowTitle(), QStringLiteral("Quiz Script Editor - Tip of the Day"));
    EXPECT_FALSE(tip.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(tip.lblTitle->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(tip.lblTitle->font().pointSize(), 14);
    EXPECT_TRUE(tip.lblTitle->font().bold());
    EXPECT_EQ(tip.txtTip->font().family(), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(tip.txtTip->font().pointSizeF(), 9.75);
    EXPECT_EQ(tip.picTip->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(tip.cmdNext->text(), QStringLiteral("&Next Tip"));
    EXPECT_EQ(tip.cmdPrevious->text(), QStringLiteral("&Previous Tip"));
    EXPECT_EQ(tip.cmdMark->text(), QStringLiteral("&Mark as Last Tip Viewed"));
    EXPECT_FALSE(tip.cmdMark->isEnabled());
    EXPECT_EQ(tip.cmdOK->text(), QStringLiteral("Good Tip!!! "));
    EXPECT_TRUE(tip.cmdOK->isDefault());
    EXPECT_EQ(tip.chkShowTips->text(), QStringLiteral("&Show Tips at Startup"));
    EXPECT_TRUE(tip.chkShowTips->isChecked());
    EXPECT_EQ(tip.UnloadTimer->interval(), 100);
    EXPECT_LE((tip.geometry().center() - editor.geometry().center()).manhattanLength(), 8) << "centred, give or take the window frame";
    expectTidy(tip);
}

TEST(TipWindow, TheLastTipDisablesNextAndStartsOverNextTime)
{
    Tips tips;
    tips.writeFive();
    tips.tp.settings.saveInt(keys::Settings, keys::QTipNum, 5);
    {
        auto tip = tips.open();
        EXPECT_EQ(shown(*tip), QStringLiteral("tip 5"));
        EXPECT_EQ(tip->lblTitle->text(), QStringLiteral("Quiz Script Editor Tips . . ."));
        EXPECT_FALSE(tip->cmdNext->isEnabled());
        EXPECT_TRUE(tip->cmdPrevious->isEnabled());
        EXPECT_EQ(tips.stored(), "1");
    }
    auto tip = tips.open();
    EXPECT_EQ(shown(*tip), QStringLiteral("tip 1"));
    EXPECT_FALSE(tip->cmdPrevious->isEnabled());
    EXPECT_TRUE(tip->cmdNext->isEnabled());
    EXPECT_EQ(tips.stored(), "2");
}

TEST(TipWindow, MarkingAfterTwoStepsMakesTheNextStartShowTheTipAfter)
{
    Tips tips;
    tips.writeFive();
    tips.tp.settings.saveInt(keys::Settings, keys::QTipNum, 2);
    {
        auto tip = tips.open();
        tip->show();
        QTest::mouseClick(tip->cmdNext, Qt::LeftButton);
        EXPECT_TRUE(tip->cmdMark->isEnabled());
        QTest::mouseClick(tip->cmdNext, Qt::LeftButton);
        EXPECT_EQ(shown(*tip), QStringLiteral("tip 4"));
        EXPECT_EQ(tips.stored(), "3") << "stepping alone stores nothing";
        QTest::mouseClick(tip->cmdMark, Qt::LeftButton);
        EXPECT_EQ(tips.stored(), "5");
        EXPECT_FALSE(tip->cmdMark->isEnabled());
        QTest::mouseClick(tip->cmdPrevious, Qt::LeftButton);
        EXPECT_EQ(shown(*tip), QStringLiteral("tip 3"));
        EXPECT_TRUE(tip->cmdMark->isEnabled());
    }
    EXPECT_EQ(shown(*tips.open()), QStringLiteral("tip 5"));
}

TEST(TipWindow, TitleAndLineBreaksFromTheTipLine)
{
    Tips tips;
    tips.write("|Answer pools|Write a pool~between [POOLA] and [/POOLA].\n");
    auto tip = tips.open();
    EXPECT_EQ(tip->lblTitle->text(), QStringLiteral("Answer pools"));
    EXPECT_EQ(shown(*tip), QStringLiteral("Write a pool\nbetween [POOLA] and [/POOLA]."));
    EXPECT_EQ(tip->txtTip->document()->blockCount(), 2);
    EXPECT_EQ(tips.stored(), "1");
}

TEST(TipWindow, EveryShippedTipFitsThePanel)
{
    TestPlatform tp;
    ScopedProgramFolder folder(ORBA_SOURCE_DIR "/data");
    frmQTip tip(tp.platform);
    tip.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tip));
    expectTidy(tip);
    int count = 1;
    for (;; ++count) {
        QCoreApplication::processEvents();
        EXPECT_EQ(tip.txtTip->verticalScrollBar()->maximum(), 0) << "tip " << count << " needs scrolling";
        EXPECT_LE(tip.lblTitle->sizeHint().width(), tip.lblTitle->width()) << "title of tip " << count;
        if (count == 2)
            saveToolWindowShot(&tip, "frmQTip");
        if (!tip.cmdNext->isEnabled())
            break;
        QTest::mouseClick(tip.cmdNext, Qt::LeftButton);
    }
    EXPECT_GE(count, 10);
}

TEST(TipWindow, WithoutTipsItSaysSoAndStoresNothing)
{
    Tips tips;
    {
        auto tip = tips.open();
        EXPECT_EQ(shown(*tip), QString::fromLatin1(frmQTip::MissingFileText));
        EXPECT_TRUE(shown(*tip).startsWith(QStringLiteral("if you go into the folder where you installed the ORBA")));
        EXPECT_FALSE(tip->cmdNext->isEnabled());
        EXPECT_FALSE(tip->cmdPrevious->isEnabled());
        EXPECT_FALSE(tip->cmdMark->isEnabled());
        EXPECT_EQ(tips.stored(), "none");
    }
    tips.write("\r\n\r\n");
    auto tip = tips.open();
    EXPECT_EQ(shown(*tip), QStringLiteral("The file QTips.txt holds no tips."));
    EXPECT_FALSE(tip->cmdNext->isEnabled());
    EXPECT_FALSE(tip->cmdPrevious->isEnabled());
    EXPECT_EQ(tips.stored(), "none");
}

TEST(TipWindow, ShowTipsAtStartupIsStored)
{
    Tips tips;
    tips.writeFive();
    auto tip = tips.open();
    tip->show();
    QTest::mouseClick(tip->chkShowTips, Qt::LeftButton, {}, QPoint(8, tip->chkShowTips->height() / 2));
    EXPECT_EQ(tips.tp.settings.get(keys::Settings, keys::QTips), "False");
    QTest::mouseClick(tip->chkShowTips, Qt::LeftButton, {}, QPoint(8, tip->chkShowTips->height() / 2));
    EXPECT_EQ(tips.tp.settings.get(keys::Settings, keys::QTips), "True");
}

TEST(TipWindow, AnyKeyClosesItButAccessKeysStillWork)
{
    Tips tips;
    tips.writeFive();
    auto tip = tips.open();
    tip->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tip.get()));

    // An access key presses its button, which takes a moment to come up again.
    QTest::keyClick(tip.get(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(*tip) == QStringLiteral("tip 2"); }, 2000));
    EXPECT_TRUE(tip->isVisible());
    QTest::keyClick(tip->cmdNext, Qt::Key_Tab);
    EXPECT_TRUE(tip->isVisible());

    QTest::keyClick(tip->cmdPrevious, Qt::Key_X);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_FALSE(tip->UnloadTimer->isActive());
}

TEST(TipWindow, ClosesOnceAnotherWindowIsActive)
{
    Tips tips;
    tips.writeFive();
    auto tip = tips.open();
    tip->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tip.get()));
    EXPECT_TRUE(tip->UnloadTimer->isActive());
    tip->UnloadTimer_Timer();
    EXPECT_TRUE(tip->isVisible()) << "still the active window";

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    tip->UnloadTimer_Timer();
    EXPECT_FALSE(tip->isVisible());
}
