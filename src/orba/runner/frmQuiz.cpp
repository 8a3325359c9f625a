#include "orba/runner/frmQuiz.h"

#include "orba/loader/FileInfoText.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/runner/PictureForm.h"
#include "shared_ui/frmAbout.h"
#include "orba/runner/QuizArt.h"
#include "orba/runner/logic/QuizLayout.h"
#include "orba/runner/logic/SoundResponses.h"
#include "orba/runner/logic/Tally.h"
#include "orba/setup/FileCommands.h"
#include "settings/RecentFiles.h"
#include "orba/state/QuizState.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"
#include "quizfile/Grammar.h"
#include "settings/Keys.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>

using quizfile::fromQString;
using quizfile::toQString;

namespace {

constexpr int kDesignWidth = 11880;
constexpr int kDesignHeight = 7680;
constexpr std::uint32_t kPaleYellow = 0xFFFFC0; // &HFFFFC0: help
constexpr std::uint32_t kPaleGreen = 0xC0FFC0;  // the picture button
constexpr std::uint32_t kPaleCyan = 0xC0FFFF;   // &HC0FFFF: help open
constexpr std::uint32_t kGrey = 0xE0E0E0;
constexpr std::uint32_t kRed = 0x0000FF;

void place(QWidget* w, const TwipsRect& r) { w->setGeometry(twipsToRect(r.left, r.top, r.width, r.height)); }

void setColours(QWidget* w, std::uint32_t backBgr, const QColor& text)
{
    QPalette pal = w->palette();
    const QColor back = colorFromBgr(backBgr);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QFont namedFont(const char* family, double points, bool bold, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString shownText(const std::string& ansi) { return toQString(ansi); }

} // namespace

frmQuiz::frmQuiz(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), lang_(lang)
{
    setObjectName(QStringLiteral("frmQuiz"));
    body_ = new QWidget(this);
    setCentralWidget(body_);
    buildMenus();
    buildControls();
    picForm_ = std::make_unique<frmPicForm>(platform_, this);
    helpPicForm_ = std::make_unique<frmHelpPicForm>(platform_, this);
    auto pictureClosed = [this] {
        if (submitWasEnabled_)
            cmdSubmit->setEnabled(true);
        if (txtBlank->isVisible())
            txtBlank->setFocus();
        else if (cmdSubmit->isEnabled() && isVisible())
            cmdSubmit->setFocus();
    };
    picForm_->onClosed = pictureClosed;
    helpPicForm_->onClosed = pictureClosed;

    const QSize minimum(twipsToPixels(kQuizMinWidth), twipsToPixels(kQuizMinHeight));
    setMinimumSize(minimum);
    resize(std::max(minimum.width(), twipsToPixels(kDesignWidth)), std::max(minimum.height(), twipsToPixels(kDesignHeight)));
}

frmQuiz::~frmQuiz() = default;

void frmQuiz::buildMenus()
{
    auto tx = [&](const char* english) { return toQString(lang_.text(english)); };
    mnuFile = menuBar()->addMenu(tx("&File"));
    mnuFileOpen = mnuFile->addAction(tx("&Open"));
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFile->addSeparator();
    for (int n = 0; n < 4; ++n) {
        mnuFilePrevious[static_cast<std::size_t>(n)] = mnuFile->addAction(QString());
        mnuFilePrevious[static_cast<std::size_t>(n)]->setVisible(false);
        connect(mnuFilePrevious[static_cast<std::size_t>(n)], &QAction::triggered, this, [this, n] { openPreviousFile(n); });
    }
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(tx("E&xit ORBA"));
    mnuEdit = menuBar()->addMenu(tx("&Edit"));
    mnuEditOpen = mnuEdit->addAction(tx("Open &Quiz Script Editor"));
    mnuConv = menuBar()->addMenu(tx("&Convert"));
    mnuConvert = mnuConv->addAction(tx("&Convert .txt to .qzf"));
    mnuRevert = mnuConv->addAction(tx("&Revert .qzf to .txt"));
    mnuHelp = menuBar()->addMenu(tx("&Help"));
    mnuContents = mnuHelp->addAction(tx("&Contents and Index"));
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(tx("&About the ORBA"));

    connect(mnuFileOpen, &QAction::triggered, this, &frmQuiz::openAnother);
    connect(mnuFileExit, &QAction::triggered, this, [this] {
        closePictures();
        closingByProgram_ = true;
        saveWindowPlace();
        close();
        if (onProgramEnd)
            onProgramEnd();
    });
    connectSharedCommands(this, {mnuEditOpen, mnuConvert, mnuRevert, mnuContents}, platform_, lang_);
    connect(mnuHelpAbout, &QAction::triggered, this, [this] {
        if (!about_)
            about_ = new frmAbout(platform_, this);
        about_->showAbout();
    });
}

void frmQuiz::buildControls()
{
    auto named = [](QWidget* w, const QString& name) {
        w->setObjectName(name);
        return w;
    };

    txtQuestion = new QTextEdit(body_);
    named(txtQuestion, QStringLiteral("txtQuestion"));
    txtQuestion->setReadOnly(true);
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtQuestion->setFocusPolicy(Qt::NoFocus);
    setColours(txtQuestion, 0xFFFFFF, Qt::black);

    for (int j = 0; j < 8; ++j) {
        auto* box = new QCheckBox(body_);
        named(box, QStringLiteral("chk%1").arg(j));
        box->setText(QString(QChar(u'A' + j)) + QStringLiteral(") "));
        box->installEventFilter(this);
        box->hide();
        chk[static_cast<std::size_t>(j)] = box;
        auto* mark = new QLabel(body_);
        named(mark, QStringLiteral("picYes%1").arg(j));
        mark->setScaledContents(true);
        mark->hide();
        picYes[static_cast<std::size_t>(j)] = mark;
    }

    const QFont blankFont = namedFont("Courier New", 15.75, true);
    txtBlankBack = new QLineEdit(QStringLiteral(">"), body_);
    named(txtBlankBack, QStringLiteral("txtBlankBack"));
    txtBlankBack->setReadOnly(true);
    txtBlankBack->setFocusPolicy(Qt::NoFocus);
    txtBlankBack->setFont(blankFont);
    setColours(txtBlankBack, 0x000000, QColor(0x00, 0xff, 0x00));
    txtBlank = new QLineEdit(body_);
    named(txtBlank, QStringLiteral("txtBlank"));
    txtBlank->setFrame(false);
    txtBlank->setMaxLength(56);
    txtBlank->setFont(blankFont);
    setColours(txtBlank, 0x000000, QColor(0x00, 0xff, 0x00));
    txtBlank->installEventFilter(this);
    connect(txtBlank, &QLineEdit::returnPressed, this, [this] {
        if (cmdSubmit->isEnabled()) {
            cmdSubmit->setFocus();
            cmdSubmit->click();
        }
    });
    for (int i = 0; i < 5; ++i) {
        auto* ans = new QLineEdit(body_);
        named(ans, QStringLiteral("txtBlankAns%1").arg(i));
        ans->setReadOnly(true);
        ans->setFocusPolicy(Qt::NoFocus);
        ans->setFont(blankFont);
        setColours(ans, 0x00FF00, Qt::black);
        ans->hide();
        txtBlankAns[static_cast<std::size_t>(i)] = ans;
    }
    txtBlankBack->hide();
    txtBlank->hide();

    const QFont itemFont = namedFont("Tahoma", 8.25, true);
    txtDrop[0] = nullptr;
    for (int b = 1; b <= 16; ++b) {
        auto* box = new QLabel(body_);
        named(box, QStringLiteral("txtDrop%1").arg(b));
        box->setFrameShape(QFrame::Box);
        box->setWordWrap(true);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setMargin(4);
        box->setFont(itemFont);
        setColours(box, kGrey, Qt::black);
        box->hide();
        txtDrop[static_cast<std::size_t>(b)] = box;
    }
    txtDrag[0] = nullptr;
    for (int k = 1; k <= 8; ++k) {
        auto* item = new QLabel(body_);
        named(item, QStringLiteral("txtDrag%1").arg(k));
        item->setFrameShape(QFrame::Panel);
        item->setFrameShadow(QFrame::Raised);
        item->setLineWidth(2);
        item->setWordWrap(true);
        item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setMargin(4);
        item->setFont(itemFont);
        item->setCursor(Qt::OpenHandCursor);
        setColours(item, 0xFFFFFF, Qt::black);
        item->installEventFilter(this);
        item->hide();
        txtDrag[static_cast<std::size_t>(k)] = item;
    }

    for (int i = 0; i < 2; ++i) {
        auto* essay = new QPlainTextEdit(body_);
        named(essay, QStringLiteral("txtEssay%1").arg(i));
        essay->setLineWrapMode(QPlainTextEdit::NoWrap);
        essay->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        essay->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        if (i == 0) {
            setColours(essay, 0x000000, QColor(0x00, 0xff, 0x00));
            essay->installEventFilter(this);
        } else {
            essay->setReadOnly(true);
            setColours(essay, 0x00FF00, Qt::black);
        }
        essay->hide();
        txtEssay[static_cast<std::size_t>(i)] = essay;
    }

    txtFlash = new QLabel(body_);
    named(txtFlash, QStringLiteral("txtFlash"));
    txtFlash->setAlignment(Qt::AlignCenter);
    txtFlash->setWordWrap(true);
    txtFlash->setFrameShape(QFrame::Box);
    txtFlash->setFont(namedFont("Tahoma", 12, true, true));
    setColours(txtFlash, kGrey, Qt::black);
    txtFlash->hide();

    txtHelpComment = new QTextEdit(body_);
    named(txtHelpComment, QStringLiteral("txtHelpComment"));
    txtHelpComment->setReadOnly(true);
    txtHelpComment->setFocusPolicy(Qt::NoFocus);
    setColours(txtHelpComment, kPaleYellow, Qt::black);
    txtHelpComment->hide();

    cmdSubmit = new QPushButton(body_);
    named(cmdSubmit, QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(namedFont("Arial", 12, true));
    // Enter on the focused button answers, as Space does.
    cmdSubmit->setAutoDefault(true);
    cmdSubmit->installEventFilter(this);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmQuiz::submitClicked);

    cmdHelp = new QPushButton(QStringLiteral("? "), body_);
    named(cmdHelp, QStringLiteral("cmdHelp"));
    cmdHelp->setFont(namedFont("DejaVu Serif", 16, true, true));
    setColours(cmdHelp, kPaleYellow, Qt::black);
    cmdHelp->hide();
    connect(cmdHelp, &QPushButton::clicked, this, &frmQuiz::toggleHelp);

    cmdPic = new QPushButton(QStringLiteral("pic"), body_);
    named(cmdPic, QStringLiteral("cmdPic"));
    cmdPic->setFont(namedFont("Arial", 10, true));
    setColours(cmdPic, kPaleGreen, Qt::black);
    cmdPic->hide();
    connect(cmdPic, &QPushButton::clicked, this, &frmQuiz::togglePicture);

    const int arrowSide = twipsToPixels(495) - 10;
    const std::pair<QPushButton**, StepArrow> steps[] = {
        {&cmdBack, StepArrow::First}, {&cmdOneBack, StepArrow::Previous},
        {&cmdOneUp, StepArrow::Next}, {&cmdUp, StepArrow::Last}};
    const QString stepNames[] = {QStringLiteral("cmdBack"), QStringLiteral("cmdOneBack"), QStringLiteral("cmdOneUp"),
                                 QStringLiteral("cmdUp")};
    const QString stepTips[] = {QStringLiteral("First question"), QStringLiteral("Previous question"),
                                QStringLiteral("Next question"), QStringLiteral("Last question reached")};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* b = new QPushButton(body_);
        named(b, stepNames[i]);
        b->setIcon(stepArrowIcon(steps[i].second, arrowSide));
        b->setIconSize(QSize(arrowSide, arrowSide));
        b->setToolTip(stepTips[i]);
        b->setEnabled(false);
        b->installEventFilter(this);
        *steps[i].first = b;
    }
    connect(cmdBack, &QPushButton::clicked, this, [this] { stepTo(Step::First); });
    connect(cmdOneBack, &QPushButton::clicked, this, [this] { stepTo(Step::Previous); });
    connect(cmdOneUp, &QPushButton::clicked, this, [this] { stepTo(Step::Next); });
    connect(cmdUp, &QPushButton::clicked, this, [this] { stepTo(Step::Last); });

    txtTally = new QLabel(body_);
    named(txtTally, QStringLiteral("txtTally"));
    txtTally->setFont(namedFont("Courier New", 12, true));
    txtTally->setFrameShape(QFrame::Panel);
    txtTally->setFrameShadow(QFrame::Sunken);
    txtTally->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtTally->setMargin(2);

    txtTimr = new QLabel(body_);
    named(txtTimr, QStringLiteral("txtTimr"));
    txtTimr->setFont(namedFont("Courier New", 12, true));
    txtTimr->setAlignment(Qt::AlignCenter);
    setColours(txtTimr, 0x000000, QColor(0x00, 0xff, 0x00));
    txtTimr->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmQuiz::Timer1_Timer);

    txtQuestion->installEventFilter(this);
    body_->installEventFilter(this);
}

void frmQuiz::applyFonts()
{
    using namespace keys;
    auto read = [this](std::string_view name, std::string_view size, std::string_view bold, std::string_view italic,
                       const defaults::FontDefault& def) {
        QFont f(toQString(platform_.settings.get(FontSet, name, def.name)));
        f.setPointSizeF(platform_.settings.getNumber(FontSet, size, def.size));
        f.setBold(platform_.settings.getBool(FontSet, bold, def.bold));
        f.setItalic(platform_.settings.getBool(FontSet, italic, def.italic));
        return f;
    };
    auto align = [this](std::string_view key) {
        const int a = platform_.settings.getInt(FontSet, key, 0);
        return a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    };
    txtQuestion->setFont(read(QuestionFontName, QuestionFontSize, QuestionFontBold, QuestionFontItalic,
                              defaults::quizWindow::Question));
    txtQuestion->setProperty("orbaAlign", static_cast<int>(align(QuestionAlign)));
    txtHelpComment->setFont(read(HelpCommentFontName, HelpCommentFontSize, HelpCommentFontBold,
                                 HelpCommentFontItalic, defaults::quizWindow::HelpComment));
    txtHelpComment->setProperty("orbaAlign", static_cast<int>(align(HelpAlign)));
    const QFont essay = read(EssayFontName, EssayFontSize, EssayFontBold, EssayFontItalic, defaults::quizWindow::Essay);
    for (QPlainTextEdit* e : txtEssay)
        e->setFont(essay);
    const QFont choice = read(chkFontName, chkFontSize, chkFontBold, chkFontItalic, defaults::quizWindow::chk);
    for (QCheckBox* box : chk)
        box->setFont(choice);
}

void frmQuiz::start()
{
    restoreWindowPlace();
    setWindowTitle(toQString(programCaption() + (state_.QuizName.empty() ? "" : " - " + state_.QuizName + ".")));
    state_.resetTallies();
    if (static_cast<int>(state_.TypedAnswer.size()) <= state_.QuizLength)
        state_.createAnswerArrays(std::max(state_.QuizLength, state_.BankCount));
    startCountdown();
    cmdSubmit->setEnabled(true);
    txtQuestion->setEnabled(true);
    applyFonts();
    state_.PendingPath.clear();
    rememberPreviousFile(platform_, state_.QuizPath);
    refreshPreviousFiles();
    const std::string sounds = dataFile("~Sounds");
    rightSoundTop_ = soundTop(sounds, 'C');
    wrongSoundTop_ = soundTop(sounds, 'W');
    if (state_.MonoFont && txtQuestion->font().family() != QStringLiteral("Courier New")) {
        const std::string ask = lang_.text("This quiz recommends a Monotype font for the Question Window.") + "\r\n\r\n"
                                + lang_.text("Press OK to go with the suggested Monotype font") + "\r\n"
                                + lang_.text("or Cancel to stick with the User Defined Fonts.");
        if (platform_.dialogs.message(ask, MsgIcon::Question, MsgButtons::OkCancel) == MsgAnswer::Ok)
            txtQuestion->setFont(namedFont("Courier New", 14, true));
    }
    ShowNextQuestion();
    if (!isVisible())
        show();
}

// --- Window place -------------------------------------------------------------------------

void frmQuiz::restoreWindowPlace()
{
    const int windowState = platform_.settings.getInt(keys::Settings, keys::PposWS, -1);
    if (windowState == 0) {
        const double w = std::max(platform_.settings.getNumber(keys::Settings, keys::PposW, 0), double{kQuizMinWidth});
        const double h = std::max(platform_.settings.getNumber(keys::Settings, keys::PposH, 0), double{kQuizMinHeight});
        const double l = platform_.settings.getNumber(keys::Settings, keys::PposL, 0);
        const double t = platform_.settings.getNumber(keys::Settings, keys::PposT, 0);
        setGeometry(twipsToRect(l, t, w, h));
    } else if (windowState == 2) {
        setWindowState(Qt::WindowMaximized);
    } else if (windowState == -1) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r = geometry();
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
    }
}

void frmQuiz::saveWindowPlace()
{
    const int windowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    platform_.settings.saveInt(keys::Settings, keys::PposWS, windowState);
    if (windowState != 0)
        return;
    const QRect g = geometry();
    platform_.settings.saveNumber(keys::Settings, keys::PposL, pixelsToTwips(g.x()));
    platform_.settings.saveNumber(keys::Settings, keys::PposT, pixelsToTwips(g.y()));
    platform_.settings.saveNumber(keys::Settings, keys::PposW, pixelsToTwips(g.width()));
    platform_.settings.saveNumber(keys::Settings, keys::PposH, pixelsToTwips(g.height()));
}

void frmQuiz::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    closePictures();
    if (!closingByProgram_) {
        saveWindowPlace();
        closingByProgram_ = true;
        event->accept();
        // The user closed the quiz window: the program ends with it.
        if (onProgramEnd)
            onProgramEnd();
        return;
    }
    event->accept();
}

// --- Layout ----------------------------------------------------------------------------------

void frmQuiz::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (isMinimized() || state_.LoadingSavedQuiz)
        return;
    layoutQuestion();
}

void frmQuiz::layoutButtonRow()
{
    const QuizMeasures m = quizMeasures(static_cast<int>(pixelsToTwips(body_->width())),
                                        static_cast<int>(pixelsToTwips(body_->height())));
    const ButtonRowLayout row = buttonRowLayout(m);
    place(cmdSubmit, row.cmdSubmit);
    place(cmdPic, row.cmdPic);
    place(cmdHelp, row.cmdHelp);
    place(cmdBack, row.cmdBack);
    place(cmdOneBack, row.cmdOneBack);
    place(cmdOneUp, row.cmdOneUp);
    place(cmdUp, row.cmdUp);
    place(txtTally, row.txtTally);
    place(txtTimr, row.txtTimr);
}

void frmQuiz::layoutQuestion()
{
    const QuizMeasures m = quizMeasures(static_cast<int>(pixelsToTwips(body_->width())),
                                        static_cast<int>(pixelsToTwips(body_->height())));
    TwipsRect question = questionBoxRect(m);
    if (helpOpen_ && layoutOfKind(shownKind()) != QuestionLayout::FlashCard)
        question.height = helpBoxLayout(m, false).questionHeight;
    place(txtQuestion, question);
    if (helpOpen_)
        place(txtHelpComment, helpBoxLayout(m, layoutOfKind(shownKind()) == QuestionLayout::FlashCard).txtHelpComment);
    layoutButtonRow();
    if (state_.ShownNumber < 1)
        return;
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    switch (layoutOfKind(shownKind())) {
    case QuestionLayout::Choices: {
        const ChoicesLayout l = choicesLayout(m, state_.QuizChoices[q]);
        for (std::size_t j = 0; j < 8; ++j) {
            place(chk[j], l.chk[j]);
            place(picYes[j], l.picYes[j]);
        }
        break;
    }
    case QuestionLayout::Blank: {
        const BlankLayout l = blankLayout(m);
        place(txtBlankBack, l.txtBlankBack);
        place(txtBlank, l.txtBlank);
        for (std::size_t i = 0; i < 5; ++i)
            place(txtBlankAns[i], l.txtBlankAns[i]);
        break;
    }
    case QuestionLayout::DragDrop: {
        const DragDropLayout l = dragDropLayout(m, DragItemCount());
        for (std::size_t b = 1; b <= 16; ++b)
            place(txtDrop[b], l.txtDrop[b]);
        for (int k = 1; k <= l.items; ++k) {
            auto& slot = state_.DropSlot[q][static_cast<std::size_t>(k)];
            if (slot == 0)
                slot = static_cast<std::uint8_t>(k + 8);
            place(txtDrag[static_cast<std::size_t>(k)], l.txtDrop[slot]);
        }
        break;
    }
    case QuestionLayout::Essay: {
        const EssayLayout l = essayLayout(m);
        place(txtEssay[0], l.input);
        place(txtEssay[1], l.expected);
        break;
    }
    case QuestionLayout::FlashCard: {
        const FlashCardLayout l = flashCardLayout(m);
        if (!helpOpen_)
            place(txtHelpComment, l.txtHelpComment);
        place(txtFlash, l.txtFlash);
        break;
    }
    }
}

// --- Showing a question ----------------------------------------------------------------------

const std::string& frmQuiz::shownKind() const
{
    static const std::string none;
    const int q = state_.ShownNumber;
    return q >= 1 && q < static_cast<int>(state_.QuizKind.size()) ? state_.QuizKind[static_cast<std::size_t>(q)] : none;
}

bool frmQuiz::choicesOnScreen() const { return chk[0]->isVisible() || chk[0]->isVisibleTo(body_); }

int frmQuiz::ShownNumber() const { return state_.ShownNumber; }

QString frmQuiz::submitTag() const { return QString::number(static_cast<int>(tag_)); }

bool frmQuiz::IsAnswerable() const
{
    return tag_ == SubmitTag::Pending && state_.ShownNumber == state_.ReachedNumber;
}

int frmQuiz::DragItemCount() const
{
    return dragItemCount(state_.QuizChoices[static_cast<std::size_t>(state_.ShownNumber)]);
}

void frmQuiz::ClearQuestionArea()
{
    closePictures();
    helpOpen_ = false;
    txtHelpComment->hide();
    cmdHelp->hide();
    setColours(cmdHelp, kPaleYellow, Qt::black);
    cmdHelp->setText(QStringLiteral("? "));
    txtBlank->hide();
    txtBlankBack->hide();
    for (QLineEdit* a : txtBlankAns)
        a->hide();
    txtFlash->hide();
    for (std::size_t j = 0; j < 8; ++j) {
        chk[j]->hide();
        picYes[j]->hide();
    }
    for (QPlainTextEdit* e : txtEssay)
        e->hide();
    for (std::size_t b = 1; b <= 16; ++b) {
        txtDrop[b]->hide();
        txtDrop[b]->clear();
    }
    for (std::size_t k = 1; k <= 8; ++k) {
        txtDrag[k]->hide();
        txtDrag[k]->clear();
    }
    layoutQuestion();
}

void frmQuiz::showQuestionText()
{
    findQuestionPicture();
    const std::string& question = state_.QuizQuestion[static_cast<std::size_t>(state_.ShownNumber)];
    txtQuestion->setPlainText(shownText(shownQuestionText(question)));
    const auto alignment = static_cast<Qt::Alignment>(txtQuestion->property("orbaAlign").toInt());
    QTextCursor all(txtQuestion->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment ? alignment : Qt::AlignLeft);
    all.mergeBlockFormat(format);
    typingKind_ = isTypingKind(shownKind());
}

void frmQuiz::ShowNextQuestion()
{
    ClearQuestionArea();
    int next = state_.ReachedNumber + 1;
    if (state_.ReviewingIncorrect) {
        state_.ReviewPosition += 1;
        if (state_.ReviewPosition >= 1 && state_.ReviewPosition <= state_.IncorrectCount)
            next = state_.IncorrectList[static_cast<std::size_t>(state_.ReviewPosition)];
    }
    if (next < 1 || next > state_.QuizLength)
        return;
    state_.ReachedNumber = next;
    state_.ShownNumber = next;
    showQuestionText();
    switch (layoutOfKind(shownKind())) {
    case QuestionLayout::FlashCard: ShowFlashCard(); break;
    case QuestionLayout::Blank: ShowBlank(); break;
    case QuestionLayout::DragDrop: ShowDragDrop(); break;
    case QuestionLayout::Essay: ShowEssay(); break;
    case QuestionLayout::Choices: ShowChoices(); break;
    }
    shownWrong_ = false;
    setSubmit(SubmitTag::Pending);
    applyStepButtons();
    UpdateTally();
    if (layoutOfKind(shownKind()) == QuestionLayout::Choices && cmdSubmit->isEnabled())
        cmdSubmit->setFocus();
}

void frmQuiz::ShowChoices()
{
    layoutQuestion();
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    const AnswerSlots& choices = state_.QuizChoices[q];
    const ChoicesLayout l = choicesLayout(quizMeasures(static_cast<int>(pixelsToTwips(body_->width())),
                                                       static_cast<int>(pixelsToTwips(body_->height()))),
                                          choices);
    for (std::size_t j = 0; j < 8; ++j) {
        chk[j]->setEnabled(true);
        chk[j]->setChecked(false);
        picYes[j]->hide();
    }
    for (int j = 0; j <= l.lastChoice; ++j) {
        const auto s = static_cast<std::size_t>(j);
        const std::string& slot = choices[s];
        chk[s]->setText(toQString(choiceCaption(j, slot)));
        chk[s]->setEnabled(!withoutChoiceComment(slot).empty());
        chk[s]->setChecked(state_.ChoiceChecked[q][s]);
        chk[s]->show();
    }
}

void frmQuiz::ShowBlank()
{
    layoutQuestion();
    txtBlank->setText(toQString(state_.TypedAnswer[static_cast<std::size_t>(state_.ShownNumber)]));
    txtBlank->setReadOnly(false);
    txtBlankBack->show();
    txtBlank->show();
    txtBlank->raise();
    if (isVisible())
        txtBlank->setFocus();
}

void frmQuiz::ShowEssay()
{
    layoutQuestion();
    txtEssay[0]->setPlainText(toQString(state_.TypedAnswer[static_cast<std::size_t>(state_.ShownNumber)]));
    txtEssay[0]->setReadOnly(false);
    txtEssay[0]->show();
    if (isVisible())
        txtEssay[0]->setFocus();
}

void frmQuiz::ShowFlashCard()
{
    std::string text = "\r\n" + lang_.text("Flash Card Mode") + "\r\n\r\n(" + lang_.text("answer to yourself, hit submit answer");
    if (!platform_.settings.getBool(keys::Settings, keys::AutoHelp, true))
        text += lang_.text(", check the help [?] button");
    text += ")";
    txtFlash->setText(toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    layoutQuestion();
    txtFlash->show();
}

void frmQuiz::ShowDragDrop()
{
    layoutQuestion();
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    const int n = DragItemCount();
    for (int b = 1; b <= n; ++b) {
        const auto home = static_cast<std::size_t>(b + 8);
        setColours(txtDrop[home], kGrey, Qt::black);
        txtDrop[home]->show();
        txtDrop[static_cast<std::size_t>(b)]->show();
        const std::string& slot = state_.QuizChoices[q][static_cast<std::size_t>(b - 1)];
        txtDrag[static_cast<std::size_t>(b)]->setText(toQString(slot.empty() ? slot : slot.substr(1)));
        txtDrag[static_cast<std::size_t>(b)]->show();
        txtDrag[static_cast<std::size_t>(b)]->raise();
    }
}

void frmQuiz::RecordDragBoxes()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    const int n = DragItemCount();
    for (int k = 1; k <= n; ++k) {
        auto& slot = state_.DropSlot[q][static_cast<std::size_t>(k)];
        if (slot == 0) {
            slot = static_cast<std::uint8_t>(k + 8);
            continue;
        }
        const QPoint at = txtDrag[static_cast<std::size_t>(k)]->pos();
        for (int c = 1; c <= n; ++c) {
            if (txtDrop[static_cast<std::size_t>(c)]->pos() == at)
                slot = static_cast<std::uint8_t>(c);
            else if (txtDrop[static_cast<std::size_t>(c + 8)]->pos() == at)
                slot = static_cast<std::uint8_t>(c + 8);
        }
    }
}

void frmQuiz::dragItemOnto(int k, int b)
{
    if (!IsAnswerable() || k < 1 || k > DragItemCount() || b < 1 || b > 16)
        return;
    QLabel* item = txtDrag[static_cast<std::size_t>(k)];
    item->setGeometry(txtDrop[static_cast<std::size_t>(b)]->geometry());
    item->raise();
    RecordDragBoxes();
}

void frmQuiz::UpdateTally()
{
    const bool flashCard = layoutOfKind(shownKind()) == QuestionLayout::FlashCard;
    const TallyLook look = tallyLook(state_, lang_, IsAnswerable(), flashCard, shownWrong_);
    txtTally->setText(toQString(look.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    setColours(txtTally, look.backBgr, colorFromBgr(look.foreBgr));
}

// --- Answering ---------------------------------------------------------------------------------

void frmQuiz::setSubmit(SubmitTag tag)
{
    tag_ = tag;
    const char* caption = tag == SubmitTag::Pending ? "Submit Answer" : tag == SubmitTag::Answered ? "Next Question" : "View Summary";
    cmdSubmit->setText(toQString(lang_.text(caption)));
}

void frmQuiz::submitClicked()
{
    switch (tag_) {
    case SubmitTag::Pending: SubmitAnswer(); break;
    case SubmitTag::Answered: ShowNextQuestion(); break;
    case SubmitTag::Ended: ShowSummary(); break;
    }
}

void frmQuiz::SubmitAnswer()
{
    const auto r = static_cast<std::size_t>(state_.ReachedNumber);
    if (state_.ReachedNumber < 1 || state_.ShownNumber != state_.ReachedNumber)
        return;
    const QuestionLayout layout = layoutOfKind(state_.QuizKind[r]);
    switch (layout) {
    case QuestionLayout::FlashCard:
        shownWrong_ = false;
        ShowFlashCard();
        break;
    case QuestionLayout::Blank:
        state_.TypedAnswer[r] = fromQString(txtBlank->text());
        CheckBlank();
        break;
    case QuestionLayout::DragDrop:
        CheckDragDrop();
        break;
    case QuestionLayout::Essay:
        state_.TypedAnswer[r] = fromQString(txtEssay[0]->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        CheckEssay();
        break;
    case QuestionLayout::Choices:
        for (std::size_t j = 0; j < 8; ++j)
            state_.ChoiceChecked[r][j] = chk[j]->isChecked();
        CheckChoices();
        break;
    }
    const SubmitTag next = recordAnswer(state_, shownWrong_, platform_.rng);
    if (layout != QuestionLayout::FlashCard)
        playResponse(shownWrong_ ? 'W' : 'C');
    showHelpButton();
    if (next == SubmitTag::Answered) {
        tag_ = SubmitTag::Answered;
        if (state_.FeedbackMode < 0) {
            ShowNextQuestion();
            return;
        }
        setSubmit(SubmitTag::Answered);
    } else {
        setSubmit(SubmitTag::Ended);
    }
    applyStepButtons();
    UpdateTally();
    if (cmdSubmit->isEnabled())
        cmdSubmit->setFocus();
}

void frmQuiz::CheckChoices()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    const ChoicesCheck result = checkChoices(state_.QuizChoices[q], state_.ChoiceChecked[q]);
    shownWrong_ = result.wrong;
    if (state_.FeedbackMode < 0)
        return;
    const int side = twipsToPixels(375);
    for (std::size_t j = 0; j < 8; ++j) {
        if (result.marks[j] == ChoiceMark::None)
            continue;
        picYes[j]->setPixmap(result.marks[j] == ChoiceMark::ShouldBeChecked ? shouldBeCheckedMark(side)
                                                                              : shouldBeUncheckedMark(side));
        picYes[j]->show();
        picYes[j]->raise();
    }
}

void frmQuiz::CheckBlank()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    layoutQuestion();
    txtBlank->setText(toQString(state_.TypedAnswer[q]));
    txtBlank->setReadOnly(!IsAnswerable());
    txtBlankBack->show();
    txtBlank->show();
    txtBlank->raise();
    const BlankCheck result = checkBlank(state_.QuizKind[q], state_.QuizChoices[q], state_.TypedAnswer[q]);
    shownWrong_ = result.wrong;
    if (!result.wrong || state_.FeedbackMode < 0)
        return;
    for (std::size_t k = 0; k < result.shownAnswers.size() && k < 5; ++k) {
        txtBlankAns[k]->setText(toQString(result.shownAnswers[k]));
        txtBlankAns[k]->show();
    }
}

void frmQuiz::CheckDragDrop()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    const DragDropCheck result = checkDragDrop(state_.QuizChoices[q], state_.DropSlot[q]);
    const int left = twipsToPixels(240);
    for (std::size_t k = 1; k <= 8; ++k)
        if (txtDrag[k]->x() != left)
            txtDrag[k]->hide();
    shownWrong_ = result.wrong;
    if (state_.FeedbackMode < 0)
        return;
    for (int k = 1; k <= result.items; ++k) {
        const auto box = static_cast<std::size_t>(result.listedIn[static_cast<std::size_t>(k)]);
        if (box < 9 || box > 16)
            continue;
        txtDrop[box]->setText(toQString(result.listed[box]));
        if (!result.itemRight[static_cast<std::size_t>(k)])
            setColours(txtDrop[box], kRed, Qt::white);
    }
}

void frmQuiz::CheckEssay()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    layoutQuestion();
    const EssayCheck result = checkEssay(state_.QuizKind[q], state_.QuizChoices[q], state_.TypedAnswer[q]);
    txtEssay[0]->setPlainText(toQString(result.shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtEssay[0]->setReadOnly(!IsAnswerable());
    txtEssay[0]->show();
    shownWrong_ = result.wrong;
    if (result.wrong && state_.FeedbackMode >= 0) {
        txtEssay[1]->setPlainText(toQString(result.expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        txtEssay[1]->show();
    }
}

void frmQuiz::ShowSummary()
{
    Timer1->stop();
    closePictures();
    const bool maximized = isMaximized();
    platform_.settings.saveInt(keys::Settings, keys::PposWS, maximized ? 2 : isMinimized() ? 1 : 0);
    const QRect place = geometry();
    if (!maximized) {
        saveWindowPlace();
        state_.WindowMode = "Quiz";
        hide();
    }
    if (onShowSummary)
        onShowSummary(place, maximized);
}

void frmQuiz::playResponse(char kind)
{
    if (!platform_.settings.getBool(keys::Settings, keys::SoundResponses, true))
        return;
    platform_.rng.seedFromTimeOfDay();
    const std::string file = responseFile(dataFile("~Sounds"), kind, kind == 'C' ? rightSoundTop_ : wrongSoundTop_,
                                          platform_.rng);
    if (!file.empty())
        platform_.sound.play(file);
}

// --- Stepping and review ----------------------------------------------------------------------

void frmQuiz::applyStepButtons()
{
    const StepButtons b = stepButtons(state_);
    cmdBack->setEnabled(b.back);
    cmdOneBack->setEnabled(b.back);
    cmdOneUp->setEnabled(b.up);
    cmdUp->setEnabled(b.up);
    cmdSubmit->setEnabled(b.submit);
}

void frmQuiz::KeepPartialAnswer()
{
    const auto r = static_cast<std::size_t>(state_.ReachedNumber);
    if (state_.ReachedNumber < 1)
        return;
    switch (layoutOfKind(state_.QuizKind[r])) {
    case QuestionLayout::Blank:
        state_.TypedAnswer[r] = fromQString(txtBlank->text());
        break;
    case QuestionLayout::Essay:
        state_.TypedAnswer[r] = fromQString(txtEssay[0]->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        break;
    case QuestionLayout::DragDrop:
        break;
    case QuestionLayout::FlashCard:
    case QuestionLayout::Choices:
        for (std::size_t j = 0; j < 8; ++j)
            state_.ChoiceChecked[r][j] = chk[j]->isChecked();
        break;
    }
}

void frmQuiz::stepTo(Step where)
{
    if ((where == Step::First || where == Step::Previous) && state_.ShownNumber == state_.ReachedNumber)
        KeepPartialAnswer();
    step(state_, where);
    RedisplayQuestion();
}

void frmQuiz::RedisplayQuestion()
{
    applyStepButtons();
    ClearQuestionArea();
    if (state_.ShownNumber < 1 || state_.ShownNumber > state_.QuizLength)
        return;
    showQuestionText();
    const bool answerable = IsAnswerable();
    switch (layoutOfKind(shownKind())) {
    case QuestionLayout::FlashCard:
        ShowFlashCard();
        if (!answerable) {
            setColours(cmdHelp, kPaleYellow, Qt::black);
            cmdHelp->show();
            if (platform_.settings.getBool(keys::Settings, keys::AutoHelp, true))
                toggleHelp();
        }
        shownWrong_ = false;
        break;
    case QuestionLayout::Blank:
        if (answerable)
            ShowBlank();
        else
            CheckBlank();
        break;
    case QuestionLayout::DragDrop:
        ShowDragDrop();
        if (!answerable)
            CheckDragDrop();
        break;
    case QuestionLayout::Essay:
        if (answerable)
            ShowEssay();
        else
            CheckEssay();
        break;
    case QuestionLayout::Choices:
        ShowChoices();
        if (answerable) {
            if (!isVisible())
                show();
            if (cmdSubmit->isEnabled())
                cmdSubmit->setFocus();
        } else {
            CheckChoices();
        }
        break;
    }
    if (!answerable && layoutOfKind(shownKind()) != QuestionLayout::FlashCard)
        showHelpButton();
    UpdateTally();
}

void frmQuiz::TakeWindowMode()
{
    const ModeTaken taken = takeWindowMode(state_);
    if (taken == ModeTaken::Review) {
        RedisplayQuestion();
    } else if (taken == ModeTaken::Retake) {
        startCountdown();
        cmdSubmit->setEnabled(true);
        txtQuestion->setEnabled(true);
        ShowNextQuestion();
    }
}

void frmQuiz::returnFromSummary(const QRect& summaryGeometry)
{
    if (!isMaximized() && !isMinimized())
        setGeometry(summaryGeometry);
    show();
    activateWindow();
    TakeWindowMode();
}

// --- Help and pictures --------------------------------------------------------------------------

void frmQuiz::findQuestionPicture()
{
    const std::string& question = state_.QuizQuestion[static_cast<std::size_t>(state_.ShownNumber)];
    cmdPic->hide();
    questionPicturePath_.clear();
    if (pictureTagPos(question) == 0)
        return;
    questionPicturePath_ = state_.PictureFolder + pictureTagName(question);
    cmdPic->show();
    if (platform_.settings.getBool(keys::Settings, keys::AutoPic, true))
        openPicture(false);
}

void frmQuiz::showHelpButton()
{
    const auto q = static_cast<std::size_t>(state_.ShownNumber);
    if (!hasHelp(state_.QuizHelp[q], state_.QuizChoices[q], state_.ChoiceChecked[q], choicesOnScreen()))
        return;
    findHelpPicture();
    cmdHelp->setText(QStringLiteral("? "));
    cmdHelp->show();
    if (platform_.settings.getBool(keys::Settings, keys::AutoHelp, true))
        toggleHelp();
}

void frmQuiz::findHelpPicture()
{
    const std::string& help = state_.QuizHelp[static_cast<std::size_t>(state_.ShownNumber)];
    helpPicturePath_.clear();
    if (pictureTagPos(help) == 0)
        return;
    helpPicturePath_ = state_.PictureFolder + pictureTagName(help);
    if (!platform_.settings.getBool(keys::Settings, keys::TurnOffExplain, false))
        openPicture(true);
}

void frmQuiz::toggleHelp()
{
    if (!helpOpen_) {
        const auto q = static_cast<std::size_t>(state_.ShownNumber);
        const std::string text = helpBoxText(state_.QuizHelp[q], state_.QuizChoices[q], state_.ChoiceChecked[q],
                                             choicesOnScreen());
        txtHelpComment->setPlainText(toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const auto alignment = static_cast<Qt::Alignment>(txtHelpComment->property("orbaAlign").toInt());
        QTextCursor all(txtHelpComment->document());
        all.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(alignment ? alignment : Qt::AlignLeft);
        all.mergeBlockFormat(format);
        helpOpen_ = true;
        layoutQuestion();
        txtHelpComment->show();
        txtHelpComment->raise();
        setColours(cmdHelp, kPaleCyan, Qt::black);
        cmdHelp->setText(QString());
    } else {
        helpOpen_ = false;
        layoutQuestion();
        txtHelpComment->hide();
        setColours(cmdHelp, kPaleYellow, Qt::black);
        cmdHelp->setText(QStringLiteral("? "));
    }
}

void frmQuiz::togglePicture()
{
    if (picForm_->isVisible())
        picForm_->close();
    else
        openPicture(false);
}

void frmQuiz::openPicture(bool help)
{
    PictureForm* form = help ? static_cast<PictureForm*>(helpPicForm_.get()) : static_cast<PictureForm*>(picForm_.get());
    submitWasEnabled_ = cmdSubmit->isEnabled();
    form->open(help ? helpPicturePath_ : questionPicturePath_, frameGeometry(),
               platform_.settings.getBool(keys::Settings, keys::PicOnTop, false));
}

void frmQuiz::closePictures()
{
    if (picForm_ && picForm_->isVisible())
        picForm_->close();
    if (helpPicForm_ && helpPicForm_->isVisible())
        helpPicForm_->close();
}

// --- Countdown -----------------------------------------------------------------------------------

void frmQuiz::startCountdown()
{
    if (state_.TimerSeconds <= 0) {
        Timer1->stop();
        txtTimr->hide();
        return;
    }
    txtTimr->setText(QString::fromStdString(timerText(state_.TimerSeconds)));
    txtTimr->show();
    Timer1->start();
}

void frmQuiz::Timer1_Timer()
{
    if (state_.TimerSeconds <= 0) {
        Timer1->stop();
        return;
    }
    state_.TimerSeconds -= 1;
    txtTimr->setText(QString::fromStdString(timerText(state_.TimerSeconds)));
    if (state_.TimerSeconds == 0)
        timeExpired();
}

void frmQuiz::timeExpired()
{
    Timer1->stop();
    platform_.dialogs.message(lang_.text("Time has expired for this quiz."));
    for (QCheckBox* box : chk)
        box->setEnabled(false);
    for (QPushButton* b : {cmdBack, cmdOneBack, cmdOneUp, cmdUp})
        b->setEnabled(false);
    expireQuiz(state_);
    setSubmit(SubmitTag::Ended);
    cmdSubmit->setEnabled(true);
}

// --- Files -----------------------------------------------------------------------------------------

void frmQuiz::refreshPreviousFiles()
{
    const PreviousFileList list = readPreviousFiles(platform_.settings, keys::PreviousFiles);
    for (int n = 0; n < 4; ++n) {
        const std::string caption = previousFileCaption(list, n);
        QAction* entry = mnuFilePrevious[static_cast<std::size_t>(n)];
        entry->setText(QString::fromStdString(caption).replace(QStringLiteral("&"), QStringLiteral("&&"))
                           .replace(0, 2, QStringLiteral("&")));
        entry->setVisible(!caption.empty());
    }
}

void frmQuiz::leaveForChapterWindow()
{
    Timer1->stop();
    state_.ReviewingIncorrect = false;
    state_.WindowMode = "Quiz";
    saveWindowPlace();
    closePictures();
    closingByProgram_ = true;
    hide();
    if (onOpenAnother)
        onOpenAnother();
}

void frmQuiz::openAnother()
{
    state_.PendingPath.clear();
    leaveForChapterWindow();
}

void frmQuiz::openPreviousFile(int n)
{
    const std::string path = readPreviousFiles(platform_.settings, keys::PreviousFiles)[static_cast<std::size_t>(n)];
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) {
        forgetPreviousFile(platform_, path);
        refreshPreviousFiles();
        return;
    }
    // The chapter window opens it without asking.
    state_.PendingPath = path;
    leaveForChapterWindow();
}

// --- Keyboard and dragging ----------------------------------------------------------------------

bool frmQuiz::handleKey(QKeyEvent* key)
{
    QuizKeyPress press;
    const bool keypad = key->modifiers() & Qt::KeypadModifier;
    const int k = key->key();
    if (k == Qt::Key_Escape)
        press.kind = QuizKeyPress::Kind::Escape;
    else if (keypad && k == Qt::Key_Minus)
        press.kind = QuizKeyPress::Kind::KeypadMinus;
    else if (keypad && k == Qt::Key_Plus)
        press.kind = QuizKeyPress::Kind::KeypadPlus;
    else if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9)
        press.kind = QuizKeyPress::Kind::KeypadDigit, press.digit = k - Qt::Key_0;
    else if (k >= Qt::Key_A && k <= Qt::Key_Z && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        press.kind = QuizKeyPress::Kind::Letter, press.letter = static_cast<char>('A' + (k - Qt::Key_A));
    else
        return false;
    const QuizKeyCommand command = quizKeyCommand(press, state_, typingKind_, cmdPic->isVisible());
    switch (command.action) {
    case QuizKeyCommand::Action::None:
        return false;
    case QuizKeyCommand::Action::OpenPicture:
        openPicture(false);
        return true;
    case QuizKeyCommand::Action::StepBack:
        stepTo(Step::Previous);
        return true;
    case QuizKeyCommand::Action::StepForward:
        stepTo(Step::Next);
        return true;
    case QuizKeyCommand::Action::ToggleChoice: {
        QCheckBox* box = chk[static_cast<std::size_t>(command.choice)];
        if (box->isVisible() && box->isEnabled())
            box->toggle();
        return true;
    }
    }
    return false;
}

void frmQuiz::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QMainWindow::keyPressEvent(event);
}

bool frmQuiz::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (handleKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    for (int k = 1; k <= 8; ++k) {
        QLabel* item = txtDrag[static_cast<std::size_t>(k)];
        if (watched != item)
            continue;
        if (event->type() == QEvent::MouseButtonPress && IsAnswerable()) {
            dragging_ = k;
            dragGrip_ = static_cast<QMouseEvent*>(event)->position().toPoint();
            item->raise();
            item->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        if (event->type() == QEvent::MouseMove && dragging_ == k) {
            const QPoint at = item->mapTo(body_, static_cast<QMouseEvent*>(event)->position().toPoint());
            // The item jumps to whichever box the pointer passes over.
            for (int b = 1; b <= 16; ++b) {
                QLabel* box = txtDrop[static_cast<std::size_t>(b)];
                if (box->isVisible() && box->geometry().contains(at) && item->pos() != box->pos()) {
                    dragItemOnto(k, b);
                    break;
                }
            }
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && dragging_ == k) {
            dragging_ = 0;
            item->setCursor(Qt::OpenHandCursor);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
