#pragma once

#include "orba/setup/QuizAssembly.h"

#include <QDialog>

#include <array>
#include <functional>

struct Platform;
struct QuizState;
class LanguageTable;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The chapter window: its load runs the script loader; then the user ticks
// chapters, types how many questions to take, and "Quiz Me! " draws the quiz.
class frmChapters final : public QDialog {
public:
    frmChapters(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent = nullptr);

    // Places and shows the window, then opens PendingPath or asks for a file
    // and loads it. Returns once chapter selection is ready or the program
    // is to end.
    void start();

    // Called when the quiz has been drawn and handed over, and when the
    // program is to end (no file chosen, the window closed, "Exit").
    std::function<void()> onQuizReady;
    std::function<void()> onProgramEnd;

    std::array<QCheckBox*, 25> chkChap;
    QRadioButton* optSelectAll;
    QRadioButton* optUnselect;
    QGroupBox* fraFrame;
    QLabel* picOrba;
    QLabel* lblAvailable;
    QLabel* lblAskHowMany;
    QLineEdit* txtInput;
    QPushButton* cmdQuizMe;

    bool countEdited() const { return countEdited_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout();
    void placeWindow();
    bool loadChosenFile();
    void setUpChapterSelection();
    void updateCountDisplay();
    ChapterTicks ticks() const;
    void chapterClicked();
    void setAllBoxes(bool ticked);
    void quizMe();
    void endProgram();

    QuizState& state_;
    Platform& platform_;
    const LanguageTable& lang_;
    bool countEdited_ = false;
    bool settingBoxes_ = false;
    bool closingByProgram_ = false;
};
