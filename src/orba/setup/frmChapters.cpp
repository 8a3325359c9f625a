#include "orba/setup/frmChapters.h"

#include "orba/loader/Artwork.h"
#include "orba/loader/FileInfoText.h"
#include "orba/loader/ScriptLoader.h"
#include "orba/loader/frmFileInfo.h"
#include "orba/loader/frmGetTime.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/setup/ChapterLayout.h"
#include "orba/state/QuizState.h"
#include "platform/Platform.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"
#include "quizfile/Lines.h"
#include "settings/Keys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <filesystem>

using quizfile::toQString;

namespace {

void setRect(QWidget* w, const TwipsRect& r) { w->setGeometry(twipsToRect(r.left, r.top, r.width, r.height)); }

// The loader's dialogs, as windows over the hidden chapter window.
class WindowPrompts final : public LoaderPrompts {
public:
    WindowPrompts(QWidget* chapters, Platform& platform, const LanguageTable& lang)
        : chapters_(chapters), platform_(platform), lang_(lang) {}

    std::optional<std::string> askTimer() override
    {
        frmGetTime dialog(lang_, chapters_);
        return dialog.ask();
    }

    void showFileInfo(QuizState& state) override
    {
        chapters_->hide();
        frmFileInfo info(state, platform_, lang_, chapters_);
        exitRequested = info.run() == frmFileInfo::Outcome::ExitProgram;
    }

    bool exitRequested = false;

private:
    QWidget* chapters_;
    Platform& platform_;
    const LanguageTable& lang_;
};

} // namespace

frmChapters::frmChapters(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state), platform_(platform), lang_(lang)
{
    setObjectName(QStringLiteral("frmChapters"));
    auto tx = [&](const char* english) { return toQString(lang_.text(english)); };
    setWindowTitle(toQString(programCaption()));

    fraFrame = new QGroupBox(this);
    fraFrame->setObjectName(QStringLiteral("fraFrame"));
    QFont frameFont = fraFrame->font();
    frameFont.setBold(true);
    fraFrame->setFont(frameFont);

    optSelectAll = new QRadioButton(tx("SELECT ALL CHAPTERS"), fraFrame);
    optSelectAll->setObjectName(QStringLiteral("optSelectAll"));
    optUnselect = new QRadioButton(tx("UNSELECT ALL"), fraFrame);
    optUnselect->setObjectName(QStringLiteral("optUnselect"));
    optSelectAll->setChecked(true);
    optSelectAll->hide();
    optUnselect->hide();

    QFont boxFont = font();
    boxFont.setBold(false);
    for (std::size_t i = 0; i < chkChap.size(); ++i) {
        auto* box = new QCheckBox(fraFrame);
        box->setObjectName(QStringLiteral("chkChap%1").arg(i));
        box->setFont(boxFont);
        box->setChecked(true);
        box->hide();
        connect(box, &QCheckBox::clicked, this, &frmChapters::chapterClicked);
        chkChap[i] = box;
    }
    optSelectAll->setFont(boxFont);
    optUnselect->setFont(boxFont);

    picOrba = new QLabel(fraFrame);
    picOrba->setObjectName(QStringLiteral("picOrba"));
    picOrba->setAlignment(Qt::AlignCenter);
    picOrba->hide();

    lblAvailable = new QLabel(this);
    lblAvailable->setObjectName(QStringLiteral("lblAvailable"));
    lblAskHowMany = new QLabel(tx("How Many Shall We Do?"), this);
    lblAskHowMany->setObjectName(QStringLiteral("lblAskHowMany"));
    QFont askFont = lblAskHowMany->font();
    askFont.setBold(true);
    lblAskHowMany->setFont(askFont);
    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setMaxLength(4);
    txtInput->setAlignment(Qt::AlignCenter);
    txtInput->installEventFilter(this);
    cmdQuizMe = new QPushButton(tx("Quiz Me!") + QStringLiteral(" "), this);
    cmdQuizMe->setObjectName(QStringLiteral("cmdQuizMe"));
    cmdQuizMe->setDefault(true);
    cmdQuizMe->setAutoDefault(false);
    QFont quizFont = cmdQuizMe->font();
    quizFont.setBold(true);
    cmdQuizMe->setFont(quizFont);
    for (QWidget* w : std::initializer_list<QWidget*>{lblAvailable, lblAskHowMany, txtInput, cmdQuizMe})
        w->hide();

    connect(optSelectAll, &QRadioButton::clicked, this, [this] { setAllBoxes(true); });
    connect(optUnselect, &QRadioButton::clicked, this, [this] { setAllBoxes(false); });
    connect(cmdQuizMe, &QPushButton::clicked, this, &frmChapters::quizMe);

    applyLayout();
}

void frmChapters::applyLayout()
{
    const ChapterLayout l = chapterLayout(state_.ChapterCount);
    setRect(fraFrame, l.frame);
    setRect(optSelectAll, l.selectAll);
    setRect(optUnselect, l.unselectAll);
    setRect(picOrba, l.picture);
    for (std::size_t i = 0; i < chkChap.size(); ++i)
        setRect(chkChap[i], chapterBoxRect(static_cast<int>(i)));
    setRect(lblAvailable, l.available);
    setRect(lblAskHowMany, l.askHowMany);
    setRect(txtInput, l.input);
    setRect(cmdQuizMe, l.quizMe);
    setFixedSize(twipsToPixels(l.clientWidth), twipsToPixels(l.clientHeight));
}

void frmChapters::placeWindow()
{
    const double left = platform_.settings.getNumber(keys::Settings, keys::PposL, -1);
    const double top = platform_.settings.getNumber(keys::Settings, keys::PposT, -1);
    if (left < 0 || top < 0) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r(QPoint(0, 0), size());
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
    } else {
        move(twipsToPoint(left, top));
    }
}

void frmChapters::start()
{
    placeWindow();
    show();
    platform_.rng.seedFromTimeOfDay();
    if (loadChosenFile())
        setUpChapterSelection();
}

bool frmChapters::loadChosenFile()
{
    for (;;) {
        state_.resetForNewScript();
        std::string path;
        if (!state_.PendingPath.empty()) {
            path = state_.PendingPath;
            state_.PendingPath.clear();
        } else {
            const std::string files = lang_.text("Files");
            path = platform_.dialogs.openFile(lang_.text("Open") + " ORBA " + files,
                                              "ORBA " + files + " (*.qzf;*.qzp)|*.qzf;*.qzp|");
        }
        std::error_code ec;
        if (path.empty() || !std::filesystem::exists(path, ec)) {
            endProgram();
            return false;
        }
        state_.QuizPath = std::filesystem::absolute(path, ec).lexically_normal().string();
        if (ec)
            state_.QuizPath = path;

        WindowPrompts prompts(this, platform_, lang_);
        const LoadResult result = loadScriptFile(state_, platform_.rng, prompts);
        if (prompts.exitRequested) {
            endProgram();
            return false;
        }
        switch (result.outcome) {
        case LoadOutcome::Loaded:
            return true;
        case LoadOutcome::SavedTest:
            // Resuming a saved test needs the quiz window; until then, say so.
            state_.LoadingSavedQuiz = false;
            platform_.dialogs.message("Saved tests in progress cannot be resumed by this version of ORBA yet.",
                                      MsgIcon::Information);
            break;
        case LoadOutcome::Refused:
            show();
            platform_.dialogs.message(result.message, MsgIcon::Warning);
            break;
        }
    }
}

void frmChapters::setUpChapterSelection()
{
    placeWindow();
    show();
    state_.createAnswerArrays(state_.BankCount);
    applyLayout();
    setWindowTitle(toQString(programCaption() + " - " + state_.QuizName + "."));
    const bool chapters = state_.ChapterCount >= 2;
    fraFrame->setTitle(toQString(lang_.text(chapters ? "Choose Which Chapters You Wish to Be Quizzed On."
                                                     : "Choose the Amount of Questions for this Quiz.")
                                 + " "));
    optSelectAll->setVisible(chapters);
    optUnselect->setVisible(chapters);
    if (state_.ChapterCount < 3) {
        const QSize size = picOrba->size();
        const int side = std::min(size.width(), size.height());
        picOrba->setPixmap(orbaEmblem(QSize(side, side)));
        picOrba->show();
    }
    state_.AvailableCount = countAvailable(state_, allChaptersTicked());
    updateCountDisplay();
    for (int i = 1; i <= state_.ChapterCount; ++i) {
        std::string& name = state_.ChapterNames[static_cast<std::size_t>(i)];
        name = quizfile::replaceAll(name, " & ", " && ");
        QCheckBox* box = chkChap[static_cast<std::size_t>(i - 1)];
        box->setText(toQString(name));
        box->setToolTip(toQString(quizfile::replaceAll(name, "&&", "&")));
        box->show();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblAvailable, lblAskHowMany, txtInput, cmdQuizMe})
        w->show();
    txtInput->setFocus();
}

void frmChapters::updateCountDisplay()
{
    lblAvailable->setText(toQString(availableText(state_.AvailableCount, state_.ChapterCount)));
    txtInput->setText(QString::number(state_.AvailableCount));
    countEdited_ = false;
}

ChapterTicks frmChapters::ticks() const
{
    ChapterTicks t{};
    for (std::size_t i = 0; i < chkChap.size(); ++i)
        t[i] = chkChap[i]->isChecked();
    return t;
}

void frmChapters::chapterClicked()
{
    if (settingBoxes_)
        return;
    state_.AvailableCount = countAvailable(state_, ticks());
    if (state_.AvailableCount == countAvailable(state_, allChaptersTicked()))
        optSelectAll->setChecked(true);
    if (state_.AvailableCount == 0)
        optUnselect->setChecked(true);
    txtInput->setFocus();
    updateCountDisplay();
}

void frmChapters::setAllBoxes(bool ticked)
{
    settingBoxes_ = true;
    for (QCheckBox* box : chkChap)
        box->setChecked(ticked);
    settingBoxes_ = false;
    state_.AvailableCount = ticked ? countAvailable(state_, allChaptersTicked()) : 0;
    updateCountDisplay();
}

bool frmChapters::eventFilter(QObject* watched, QEvent* event)
{
    // The first key typed replaces the suggested number.
    if (watched == txtInput && event->type() == QEvent::KeyPress && !countEdited_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text != QStringLiteral("\r") && text != QStringLiteral("\n")
            && text != QStringLiteral("\x1b")) {
            txtInput->clear();
            countEdited_ = true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmChapters::quizMe()
{
    const auto length = validQuizLength(quizfile::fromQString(txtInput->text()), state_.AvailableCount);
    if (!length) {
        txtInput->setText(QString::number(state_.AvailableCount));
        countEdited_ = false;
        txtInput->setFocus();
        return;
    }
    assembleQuiz(state_, ticks(), *length, platform_.rng);

    state_.WindowMode = "Chapters";
    const int windowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    platform_.settings.saveInt(keys::Settings, keys::PposWS, windowState);
    if (windowState == 0) {
        platform_.settings.saveNumber(keys::Settings, keys::PposL, pixelsToTwips(x()));
        platform_.settings.saveNumber(keys::Settings, keys::PposT, pixelsToTwips(y()));
    }
    closingByProgram_ = true;
    close();
    if (onQuizReady)
        onQuizReady();
}

void frmChapters::endProgram()
{
    closingByProgram_ = true;
    close();
    if (onProgramEnd)
        onProgramEnd();
}

void frmChapters::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingByProgram_) {
        // The user closed the window: the program ends with it.
        closingByProgram_ = true;
        if (onProgramEnd)
            onProgramEnd();
    }
}

void frmChapters::keyPressEvent(QKeyEvent* event)
{
    // Escape would close a dialog; this window closes only by its title bar.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
