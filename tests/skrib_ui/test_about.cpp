#include "ToolWindowSupport.h"

#include "shared_ui/frmAbout.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

struct AboutOwner {
    TestPlatform tp;
    QWidget owner;
    frmAbout* about = nullptr;

    AboutOwner()
    {
        owner.setGeometry(120, 90, 900, 640);
        owner.show();
        about = new frmAbout(tp.platform, &owner);
        about->showAbout();
        EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    }
};

} // namespace

TEST(AboutWindow, ShowsTheProgramAndItsVersion)
{
    AboutOwner w;
    frmAbout& about = *w.about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral(" About ORBA . . ."));
    const QString version = QString::number(ORBA_VERSION_MAJOR) + QLatin1Char('.') + QString::number(ORBA_VERSION_MINOR);
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("ORBA v") + version);
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(about.autoFillBackground());
    EXPECT_TRUE(about.lblAbout->text().contains(QStringLiteral("skrib")));
    EXPECT_TRUE(about.lblBuilt->text().startsWith(QStringLiteral("Built with Qt")));
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("okay! "));
    EXPECT_TRUE(about.cmdOK->isDefault());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(about.UnloadTimer->interval(), 100);
    EXPECT_LE((about.geometry().center() - w.owner.geometry().center()).manhattanLength(), 8) << "centred, give or take the window frame";
    expectTidy(about);
    saveToolWindowShot(&about, "frmAbout");
}

TEST(AboutWindow, OkayAndEscapeCloseIt)
{
    AboutOwner w;
    QTest::mouseClick(w.about->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(w.about->isVisible());
    EXPECT_FALSE(w.about->UnloadTimer->isActive());

    w.about->showAbout();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.about));
    EXPECT_TRUE(w.about->UnloadTimer->isActive());
    QTest::keyClick(w.about->cmdSysInfo, Qt::Key_Escape);
    EXPECT_FALSE(w.about->isVisible());
}

TEST(AboutWindow, SystemInfoTellsWhatTheSystemIs)
{
    AboutOwner w;
    w.tp.dialogs.expectMessage();
    QTest::mouseClick(w.about->cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(w.tp.dialogs.messages().size(), 1u);
    const ScriptedDialogs::Message& shown = w.tp.dialogs.messages()[0];
    EXPECT_EQ(shown.title, "System Info");
    EXPECT_NE(shown.text.find(std::string("Qt: ") + qVersion()), std::string::npos) << shown.text;
    EXPECT_NE(shown.text.find("Kernel: "), std::string::npos) << shown.text;
    EXPECT_NE(shown.text.find("Processor: "), std::string::npos) << shown.text;
    EXPECT_TRUE(w.about->isVisible()) << "the message does not close the window";
    EXPECT_TRUE(w.about->UnloadTimer->isActive());

    w.about->readSystemFacts = [] { return SystemFacts{}; };
    w.tp.dialogs.expectMessage();
    QTest::mouseClick(w.about->cmdSysInfo, Qt::LeftButton);
    EXPECT_EQ(w.tp.dialogs.messageTexts().back(), "System Information Is Unavailable At This Time");
}

TEST(AboutWindow, SystemInfoText)
{
    SystemFacts facts{"Debian GNU/Linux 12 (bookworm)", "linux 6.1.0", "x86_64", "6.4.2", 1920, 1080};
    EXPECT_EQ(systemInfoText(facts), "Operating system: Debian GNU/Linux 12 (bookworm)\r\n"
                                     "Kernel: linux 6.1.0\r\n"
                                     "Processor: x86_64\r\n"
                                     "Qt: 6.4.2\r\n"
                                     "Screen: 1920 x 1080 pixels");
    facts.productName.clear();
    facts.screenWidth = 0;
    EXPECT_EQ(systemInfoText(facts), "Kernel: linux 6.1.0\r\nProcessor: x86_64\r\nQt: 6.4.2");
    facts.kernel.clear();
    EXPECT_EQ(systemInfoText(facts), std::nullopt) << "too little to be worth showing";
}

TEST(AboutWindow, ClosesOnceAnotherWindowIsActive)
{
    AboutOwner w;
    w.about->UnloadTimer_Timer();
    EXPECT_TRUE(w.about->isVisible()) << "still the active window";

    // The person clicks the editor behind it.
    w.owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w.owner; }, 2000));
    w.about->UnloadTimer_Timer();
    EXPECT_FALSE(w.about->isVisible());
}
