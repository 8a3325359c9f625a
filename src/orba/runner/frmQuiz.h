#pragma once

#include "orba/runner/logic/Checking.h"
#include "orba/runner/logic/QuizProgress.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>

struct Platform;
struct QuizState;
class LanguageTable;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QTimer;
class frmAbout;
class frmHelpPicForm;
class frmPicForm;

// The quiz window: one question at a time, in a layout per kind; answers are
// judged, marked and tallied; stepping back and forth, reviews and retakes;
// help, pictures and the countdown.
class frmQuiz final : public QMainWindow {
public:
    frmQuiz(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent = nullptr);
    ~frmQuiz() override;

    // Window load: tallies reset, place restored, the first question shown.
    void start();

    // Shows the window where the summary was and takes the mode it handed over.
    void returnFromSummary(const QRect& summaryGeometry);

    // Hand-overs, wired by whoever owns the windows.
    std::function<void(const QRect& geometry, bool maximized)> onShowSummary;
    std::function<void()> onOpenAnother; // File Open or a previous file: the chapter window takes over
    std::function<void()> onProgramEnd;

    // Operations of the window, public so that tests can drive them.
    void ShowNextQuestion();
    void ClearQuestionArea();
    void ShowChoices();
    void ShowBlank();
    void ShowDragDrop();
    void ShowEssay();
    void ShowFlashCard();
    int DragItemCount() const;
    bool IsAnswerable() const;
    void RecordDragBoxes();
    void UpdateTally();
    void SubmitAnswer();
    void CheckChoices();
    void CheckBlank();
    void CheckDragDrop();
    void CheckEssay();
    void ShowSummary();
    void KeepPartialAnswer();
    void RedisplayQuestion();
    void TakeWindowMode();
    void Timer1_Timer();
    // Drags item k (1..8) onto box b (1..16), as a person's mouse does.
    void dragItemOnto(int k, int b);

    int ShownNumber() const;
    bool ShownWrong() const { return shownWrong_; }
    QString submitTag() const;

    // Controls, named as the program's other parts and its tests know them.
    QTextEdit* txtQuestion;
    std::array<QCheckBox*, 8> chk;
    std::array<QLabel*, 8> picYes;
    QLineEdit* txtBlankBack;
    QLineEdit* txtBlank;
    std::array<QLineEdit*, 5> txtBlankAns;
    std::array<QLabel*, 17> txtDrop;  // 1..16
    std::array<QLabel*, 9> txtDrag;   // 1..8
    std::array<QPlainTextEdit*, 2> txtEssay;
    QLabel* txtFlash;
    QTextEdit* txtHelpComment;
    QPushButton* cmdSubmit;
    QPushButton* cmdHelp;
    QPushButton* cmdPic;
    QPushButton* cmdBack;
    QPushButton* cmdOneBack;
    QPushButton* cmdOneUp;
    QPushButton* cmdUp;
    QLabel* txtTally;
    QLabel* txtTimr;
    QTimer* Timer1;
    frmPicForm* picForm() const { return picForm_.get(); }
    frmHelpPicForm* helpPicForm() const { return helpPicForm_.get(); }

    QMenu* mnuFile;
    QAction* mnuFileOpen;
    std::array<QAction*, 4> mnuFilePrevious;
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
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyFonts();
    void restoreWindowPlace();
    void saveWindowPlace();
    void layoutQuestion();
    void layoutButtonRow();
    void showQuestionText();
    void findQuestionPicture();
    void showHelpButton();
    void findHelpPicture();
    void toggleHelp();
    void togglePicture();
    void openPicture(bool help);
    void closePictures();
    void setSubmit(SubmitTag tag);
    void submitClicked();
    void applyStepButtons();
    void stepTo(Step where);
    void startCountdown();
    void timeExpired();
    void playResponse(char kind);
    void openAnother();
    void leaveForChapterWindow();
    void openPreviousFile(int n);
    void refreshPreviousFiles();
    bool handleKey(QKeyEvent* key);
    const std::string& shownKind() const;
    bool choicesOnScreen() const;

    QuizState& state_;
    Platform& platform_;
    const LanguageTable& lang_;
    QWidget* body_;
    std::unique_ptr<frmPicForm> picForm_;
    std::unique_ptr<frmHelpPicForm> helpPicForm_;
    frmAbout* about_ = nullptr;
    std::string questionPicturePath_;
    std::string helpPicturePath_;
    bool submitWasEnabled_ = true;
    bool shownWrong_ = false;
    bool typingKind_ = false;
    bool closingByProgram_ = false;
    bool helpOpen_ = false;
    int questionHeight_ = 0;
    int rightSoundTop_ = 0;
    int wrongSoundTop_ = 0;
    SubmitTag tag_ = SubmitTag::Pending;
    // The item being dragged (1..8) and where in it the mouse took hold.
    int dragging_ = 0;
    QPoint dragGrip_;
};
