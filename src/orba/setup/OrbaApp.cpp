#include "orba/setup/OrbaApp.h"

#include "orba/results/frmSummary.h"
#include "orba/runner/frmQuiz.h"
#include "orba/setup/frmChapters.h"
#include "orba/state/QuizState.h"
#include "shared_ui/frmAbout.h"

#include <QTimer>

OrbaApp::OrbaApp(QuizState& state, Platform& platform, const LanguageTable& lang)
    : state_(state), platform_(platform), lang_(lang)
{
}

OrbaApp::~OrbaApp()
{
    ending_ = true;
    delete summary_;
    delete quiz_;
    delete chapters_;
}

void OrbaApp::dispose(QWidget* window)
{
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

void OrbaApp::start() { openChapters(); }

void OrbaApp::openChapters()
{
    dispose(chapters_);
    chapters_ = nullptr;
    chapters_ = new frmChapters(state_, platform_, lang_);
    chapters_->onQuizReady = [this] { startQuiz(); };
    chapters_->onProgramEnd = [this] { endProgram(); };
    chapters_->start();
}

void OrbaApp::startQuiz()
{
    dispose(chapters_);
    chapters_ = nullptr;
    dispose(quiz_);
    quiz_ = nullptr;
    quiz_ = new frmQuiz(state_, platform_, lang_);
    quiz_->onShowSummary = [this](const QRect& geometry, bool maximized) { showSummary(geometry, maximized); };
    quiz_->onOpenAnother = [this] {
        dispose(quiz_);
        quiz_ = nullptr;
        // The chapter window runs its open dialog: let the quiz window's
        // menu command finish first.
        QTimer::singleShot(0, &context_, [this] { openChapters(); });
    };
    quiz_->onProgramEnd = [this] { endProgram(); };
    quiz_->start();
}

void OrbaApp::showSummary(const QRect& geometry, bool maximized)
{
    dispose(summary_);
    summary_ = nullptr;
    summary_ = new frmSummary(state_, platform_, lang_);
    summary_->onReturnToQuiz = [this](const QRect& place) { returnToQuiz(place); };
    summary_->onNewQuiz = [this] { newQuiz(); };
    summary_->onProgramEnd = [this] { endProgram(); };
    summary_->onAbout = [this] {
        if (summary_)
            (new frmAbout(platform_, summary_))->showAbout();
    };
    summary_->load(geometry, maximized);
}

void OrbaApp::returnToQuiz(const QRect& geometry)
{
    dispose(summary_);
    summary_ = nullptr;
    if (quiz_)
        quiz_->returnFromSummary(geometry);
}

void OrbaApp::newQuiz()
{
    dispose(quiz_);
    quiz_ = nullptr;
    dispose(summary_);
    summary_ = nullptr;
    QTimer::singleShot(0, &context_, [this] { openChapters(); });
}

void OrbaApp::endProgram()
{
    if (ending_)
        return;
    ending_ = true;
    for (QWidget* w : {static_cast<QWidget*>(summary_), static_cast<QWidget*>(quiz_),
                       static_cast<QWidget*>(chapters_)})
        if (w)
            w->hide();
    if (onProgramEnd)
        onProgramEnd();
}
