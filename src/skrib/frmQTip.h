#pragma once

#include "skrib/text/Tips.h"

#include <QDialog>

#include <optional>
#include <vector>

struct Platform;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// "Quiz Script Editor - Tip of the Day": shows the tip that "QTipNum" names
// from QTips.txt in the program folder and moves "QTipNum" on. Any key
// closes it, and so does another window becoming active; closing only hides
// it, and it goes with its owner.
class frmQTip final : public QDialog {
public:
    frmQTip(Platform& platform, QWidget* owner = nullptr);

    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdMark_Click();
    // The tick of UnloadTimer.
    void UnloadTimer_Timer();

    QFrame* picTip; // the white panel
    QLabel* lblTitle;
    QPlainTextEdit* txtTip;
    QPushButton* cmdNext;
    QPushButton* cmdPrevious;
    QPushButton* cmdMark;
    QPushButton* cmdOK;
    QCheckBox* chkShowTips;
    QTimer* UnloadTimer;

    // Shown when QTips.txt is missing.
    static const char* const MissingFileText;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void showTip();
    void updateButtons();
    bool closesWindow(const QEvent* e) const;

    Platform& platform_;
    std::vector<skrib::Tip> tips_;
    skrib::TipNavigator nav_{0, 0};
    // Until the window manager first activates the window, an inactive
    // window is no sign that the user moved on.
    bool beenActive_ = false;
};
