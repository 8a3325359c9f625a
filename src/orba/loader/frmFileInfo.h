#pragma once

#include <QDialog>

struct Platform;
struct QuizState;
class LanguageTable;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

// The quiz information screen: title, author, date, minimum version, note
// and time limit of a script with header lines, shown while it loads.
class frmFileInfo final : public QDialog {
public:
    enum class Outcome { Go, Open, ExitProgram };

    frmFileInfo(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent = nullptr);

    // Shows the screen modally; loading goes on when it closes.
    Outcome run();

    QPlainTextEdit* txtFileInfo;
    QPlainTextEdit* txtNote;
    QLineEdit* txtTimrInfo;
    QLabel* Picture1;
    QPushButton* cmdGoQuiz;
    QMenuBar* menuBar;
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

private:
    void placeWindow();

    QuizState& state_;
    Platform& platform_;
    const LanguageTable& lang_;
    Outcome outcome_ = Outcome::Go;
};
