#include "orba/results/frmSummary.h"

#include "orba/loader/Artwork.h"
#include "orba/loader/FileInfoText.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/results/RetakeReview.h"
#include "orba/results/SummaryLayout.h"
#include "orba/results/SummaryText.h"
#include "orba/setup/FileCommands.h"
#include "orba/state/QuizState.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

using quizfile::toQString;

namespace {

// The buttons are narrower than their captions: the caption wraps onto
// several lines, and a font that still does not fit is drawn smaller.
class WrappingButton final : public QPushButton {
public:
    WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fittedFont(const QRect& area) const;
};

constexpr auto kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setFont(fittedFont(area));
    style()->drawItemText(&painter, area, kCaptionFlags, option.palette, isEnabled(), text(), QPalette::ButtonText);
}

QFont WrappingButton::fittedFont(const QRect& area) const
{
    constexpr double kSmallest = 6.0;
    QFont f = font();
    while (f.pointSizeF() > kSmallest) {
        const QRect needed = QFontMetrics(f).boundingRect(area, kCaptionFlags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    return f;
}

QFont designFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void place(QWidget* w, const TwipsRect& r) { w->setGeometry(twipsToRect(r.left, r.top, r.width, r.height)); }

// The text controls show lines; CR LF is the state's line end, not theirs.
QString shownText(const std::string& text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmSummary::frmSummary(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), lang_(lang)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowIcon(QIcon(orbaEmblem(QSize(64, 64))));
    setMinimumSize(twipsToPixels(kSummaryMinWidth), twipsToPixels(kSummaryMinHeight));

    mnuFile = menuBar()->addMenu(QString());
    mnuFileOpen = mnuFile->addAction(QString());
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(QString());
    mnuEdit = menuBar()->addMenu(QString());
    mnuEditOpen = mnuEdit->addAction(QString());
    mnuConv = menuBar()->addMenu(QString());
    mnuConvert = mnuConv->addAction(QString());
    mnuRevert = mnuConv->addAction(QString());
    mnuHelp = menuBar()->addMenu(QString());
    mnuContents = mnuHelp->addAction(QString());
    mnuHelp->addSeparator();
    mnuHelpAbout = mnuHelp->addAction(QString());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);

    txtStats = new QTextEdit(client);
    txtStats->setObjectName(QStringLiteral("txtStats"));
    txtStats->setReadOnly(true);
    txtStats->setAcceptRichText(false);
    txtStats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtStats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtStats->setFont(designFont(QStringLiteral("Tahoma"), 11.25, true));
    QPalette statsColours = txtStats->palette();
    statsColours.setColor(QPalette::Base, QColor(255, 192, 192));
    statsColours.setColor(QPalette::Text, Qt::black);
    txtStats->setPalette(statsColours);

    lblScore = new QLabel(client);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setTextFormat(Qt::PlainText);
    lblScore->setWordWrap(true);
    lblScore->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblScore->setLineWidth(1);
    lblScore->setAutoFillBackground(true);
    lblScore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblScore->setFont(designFont(QStringLiteral("Courier New"), 12, true));
    QPalette panelColours = lblScore->palette();
    panelColours.setColor(QPalette::Window, Qt::black);
    panelColours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    lblScore->setPalette(panelColours);

    auto button = [client](const QString& caption, const QString& name, double points) {
        auto* b = new WrappingButton(caption, client);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setFont(designFont(QStringLiteral("MS Sans Serif"), points, true));
        return b;
    };
    cmdReviewEntire = button(QStringLiteral("Review Entire Quiz"), QStringLiteral("cmdReviewEntire"), 9.75);
    cmdReviewIncorrect = button(QStringLiteral("Review Incorrect"), QStringLiteral("cmdReviewIncorrect"), 9.75);
    cmdRetakeEntire = button(QStringLiteral("Retake Entire Quiz"), QStringLiteral("cmdRetakeEntire"), 9.75);
    cmdRetakeIncorrect = button(QStringLiteral("Retake Incorrect"), QStringLiteral("cmdRetakeIncorrect"), 9.75);
    cmdNewQuiz = button(QStringLiteral("New Quiz"), QStringLiteral("cmdNewQuiz"), 12);
    cmdReviewIncorrect->setEnabled(false);
    cmdRetakeIncorrect->setEnabled(false);

    connect(cmdReviewEntire, &QPushButton::clicked, this, [this] { returnToQuiz("ReviewEntire"); });
    connect(cmdReviewIncorrect, &QPushButton::clicked, this, [this] { returnToQuiz("ReviewIncorrect"); });
    connect(cmdRetakeEntire, &QPushButton::clicked, this, &frmSummary::retakeEntire);
    connect(cmdRetakeIncorrect, &QPushButton::clicked, this, &frmSummary::retakeIncorrect);
    connect(cmdNewQuiz, &QPushButton::clicked, this, &frmSummary::newQuiz);

    connect(mnuFileOpen, &QAction::triggered, this, &frmSummary::newQuiz);
    connect(mnuFileExit, &QAction::triggered, this, &frmSummary::exitProgram);
    connectSharedCommands(this, {mnuEditOpen, mnuConvert, mnuRevert, mnuContents}, platform_, lang_);
    connect(mnuHelpAbout, &QAction::triggered, this, [this] {
        if (onAbout)
            onAbout();
    });
}

void frmSummary::load(const QRect& quizWindowGeometry, bool maximized)
{
    closingByProgram_ = false;
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    setGeometry(quizWindowGeometry);
    applyLayout();
    setMenuCaptions();
    if (maximized)
        showMaximized();
    else
        show();
    setWindowTitle(toQString(programCaption()));
    const bool anyWrong = state_.IncorrectCount > 0;
    cmdReviewIncorrect->setEnabled(anyWrong);
    cmdRetakeIncorrect->setEnabled(anyWrong);
    showTexts();
}

void frmSummary::setMenuCaptions()
{
    auto tx = [this](const char* english) { return toQString(lang_.text(english)); };
    mnuFile->setTitle(tx("&File"));
    mnuFileOpen->setText(tx("&Open"));
    mnuFileExit->setText(tx("E&xit ORBA"));
    mnuEdit->setTitle(tx("&Edit"));
    mnuEditOpen->setText(tx("Open &Quiz Script Editor"));
    mnuConv->setTitle(tx("&Convert"));
    mnuConvert->setText(tx("&Convert .txt to .qzf"));
    mnuRevert->setText(tx("&Revert .qzf to .txt"));
    mnuHelp->setTitle(tx("&Help"));
    mnuContents->setText(tx("&Contents and Index"));
    mnuHelpAbout->setText(tx("&About the ORBA"));
}

void frmSummary::showTexts()
{
    txtStats->setPlainText(shownText(summaryText(state_)));
    QTextCursor all(txtStats->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    lblScore->setText(shownText(scorePanelText(state_)));
}

void frmSummary::applyLayout()
{
    const QWidget* client = centralWidget();
    const auto width = static_cast<int>(pixelsToTwips(client->width()));
    const auto height = static_cast<int>(pixelsToTwips(client->height()));
    const SummaryLayout l = summaryLayout(width, height);
    place(txtStats, l.txtStats);
    place(lblScore, l.lblScore);
    place(cmdReviewEntire, l.cmdReviewEntire);
    place(cmdReviewIncorrect, l.cmdReviewIncorrect);
    place(cmdRetakeEntire, l.cmdRetakeEntire);
    place(cmdRetakeIncorrect, l.cmdRetakeIncorrect);
    place(cmdNewQuiz, l.cmdNewQuiz);
}

bool frmSummary::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && !isMinimized())
        applyLayout();
    return QMainWindow::eventFilter(watched, event);
}

bool frmSummary::confirmed(const std::string& text)
{
    const ScopedDialogOwner owner(platform_.dialogs, this);
    return platform_.dialogs.message(text, MsgIcon::None, MsgButtons::OkCancel, "ORBA") == MsgAnswer::Ok;
}

void frmSummary::returnToQuiz(const char* mode)
{
    state_.WindowMode = mode;
    // The quiz window is shown before this one closes: a moment without any
    // window would end the program.
    const QPointer<frmSummary> self(this);
    const auto handOver = onReturnToQuiz;
    if (handOver)
        handOver(geometry());
    if (self)
        closeByProgram();
}

void frmSummary::retakeEntire()
{
    if (confirmed(lang_.text("The quiz you just took will now be reset and readministered.")))
        returnToQuiz("Retake");
}

void frmSummary::retakeIncorrect()
{
    if (!confirmed(std::string(kRetakeIncorrectPrompt)))
        return;
    if (reduceToIncorrect(state_) == 0) {
        const ScopedDialogOwner owner(platform_.dialogs, this);
        platform_.dialogs.message("None of the questions answered incorrectly can be found in this quiz.",
                                  MsgIcon::Warning, MsgButtons::Ok, "ORBA");
        return;
    }
    returnToQuiz("Retake");
}

void frmSummary::newQuiz()
{
    state_.ReviewingIncorrect = false;
    state_.WindowMode = "Summary";
    const QPointer<frmSummary> self(this);
    const auto start = onNewQuiz;
    if (start)
        start();
    if (self)
        closeByProgram();
}

void frmSummary::exitProgram()
{
    closeByProgram();
    const auto end = onProgramEnd;
    if (end)
        end();
}

void frmSummary::closeByProgram()
{
    closingByProgram_ = true;
    close();
}

void frmSummary::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingByProgram_) {
        // The user closed the window: the program ends with it.
        closingByProgram_ = true;
        const auto end = onProgramEnd;
        if (end)
            end();
    }
}
