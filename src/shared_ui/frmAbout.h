#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

struct Platform;
class QLabel;
class QPushButton;
class QTimer;

// What "&System Info..." tells about the machine.
struct SystemFacts {
    std::string productName; // "Debian GNU/Linux 12 (bookworm)"
    std::string kernel;      // "linux 6.1.0-18-amd64"
    std::string cpu;         // "x86_64"
    std::string qtVersion;   // the Qt the program runs on
    int screenWidth = 0;     // pixels; 0 without a screen
    int screenHeight = 0;
};

SystemFacts currentSystemFacts();

// The message "&System Info..." shows, lines joined with CR LF; nothing when
// neither the system nor its kernel is known.
std::optional<std::string> systemInfoText(const SystemFacts& facts);

// Places a window of its final size over the middle of its owner's window;
// without an owner it stays where it is.
void centreOnOwner(QWidget& window, const QWidget* owner);

// The about window of both programs. Closing only hides it, so the owner
// may keep it and show it again; it closes on its own once another window
// is made active.
class frmAbout final : public QDialog {
public:
    frmAbout(Platform& platform, QWidget* owner);

    // Shows the window, without blocking, over its owner.
    void showAbout();

    // "&System Info...".
    void cmdSysInfo_Click();
    // The tick of UnloadTimer.
    void UnloadTimer_Timer();

    QLabel* lblTitle;
    QLabel* lblAbout;
    QLabel* lblBuilt;
    QPushButton* cmdSysInfo;
    QPushButton* cmdOK;
    QTimer* UnloadTimer;

    // Where "&System Info..." learns about the machine.
    std::function<SystemFacts()> readSystemFacts = currentSystemFacts;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    Platform& platform_;
    // Until the window manager first activates the window, an inactive
    // window is no sign that the user moved on.
    bool beenActive_ = false;
};
