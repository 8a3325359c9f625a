#pragma once

// Owns orba's main windows and passes the quiz from one to the next: the
// chapter window draws it, the quiz window runs it, the summary ends it and
// leads back to a review, a retake or a new quiz.

#include <QObject>
#include <QRect>

#include <functional>

struct Platform;
struct QuizState;
class LanguageTable;
class frmChapters;
class frmQuiz;
class frmSummary;

class OrbaApp final {
public:
    OrbaApp(QuizState& state, Platform& platform, const LanguageTable& lang);
    ~OrbaApp();
    OrbaApp(const OrbaApp&) = delete;
    OrbaApp& operator=(const OrbaApp&) = delete;

    // Loads the chapter window, which opens PendingPath or asks for a file.
    void start();

    // Called once when the program is to end.
    std::function<void()> onProgramEnd;

    frmChapters* chapters() const { return chapters_; }
    frmQuiz* quiz() const { return quiz_; }
    frmSummary* summary() const { return summary_; }

private:
    void openChapters();
    void startQuiz();
    void showSummary(const QRect& geometry, bool maximized);
    void returnToQuiz(const QRect& geometry);
    void newQuiz();
    void endProgram();
    // Windows go once control has left their own handlers.
    static void dispose(QWidget* window);

    QuizState& state_;
    Platform& platform_;
    const LanguageTable& lang_;
    frmChapters* chapters_ = nullptr;
    frmQuiz* quiz_ = nullptr;
    frmSummary* summary_ = nullptr;
    bool ending_ = false;
    // Context of the deferred steps: they die with the application object.
    QObject context_;
};
