#pragma once

#include <QMainWindow>

#include <functional>
#include <string>

struct Platform;
struct QuizState;
class LanguageTable;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTextEdit;

// The score summary: the overall score, the chapter-by-chapter breakdown,
// and the way back into the quiz (review or retake) or on to a new quiz.
class frmSummary final : public QMainWindow {
public:
    frmSummary(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent = nullptr);

    // Takes the quiz window's place (its geometry(), frame excluded), shows
    // itself and fills in the score. The summary opens maximized when the
    // quiz window is.
    void load(const QRect& quizWindowGeometry, bool maximized);

    // Set by whoever owns the windows. The hand-over callbacks run before the
    // summary closes itself; an owner that drops it uses deleteLater().
    // The review and retake buttons, after setting WindowMode: show the quiz
    // window, in this window's place when it is in the normal state.
    std::function<void(const QRect& summaryGeometry)> onReturnToQuiz;
    // "New Quiz" and File, Open, after clearing ReviewingIncorrect and
    // setting WindowMode to "Summary": close the quiz and load the chapter window.
    std::function<void()> onNewQuiz;
    // File, Exit, or the user closing this window: end the program.
    std::function<void()> onProgramEnd;
    // Help, About; nothing happens while it is empty.
    std::function<void()> onAbout;

    QTextEdit* txtStats;
    QLabel* lblScore;
    QPushButton* cmdReviewEntire;
    QPushButton* cmdReviewIncorrect;
    QPushButton* cmdRetakeEntire;
    QPushButton* cmdRetakeIncorrect;
    QPushButton* cmdNewQuiz;

    QMenu* mnuFile;
    QAction* mnuFileOpen;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
    QAction* mnuEditOpen;
    QMenu* mnuConv;
    QAction* mnuConvert;
    QAction* mnuRevert;
    QMenu* mnuHelp;
    QAction* mnuContents;
    QAction* mnuHelpAbout;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout();
    void setMenuCaptions();
    void showTexts();
    bool confirmed(const std::string& text);
    void returnToQuiz(const char* mode);
    void retakeEntire();
    void retakeIncorrect();
    void newQuiz();
    void exitProgram();
    void closeByProgram();

    QuizState& state_;
    Platform& platform_;
    const LanguageTable& lang_;
    bool closingByProgram_ = false;
};
