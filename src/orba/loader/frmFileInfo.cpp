#include "orba/loader/frmFileInfo.h"

#include "orba/loader/Artwork.h"
#include "orba/loader/FileInfoText.h"
#include "orba/prefs/LanguageTable.h"
#include "orba/setup/FileCommands.h"
#include "orba/state/QuizState.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"
#include "settings/Keys.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using quizfile::toQString;

namespace {

// Design size of the screen, in twips.
constexpr int kWidth = 9900;
constexpr int kHeight = 6300;

QPlainTextEdit* infoBox(QWidget* parent, const QColor& colour)
{
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, colour);
    box->setPalette(pal);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    font.setBold(true);
    box->setFont(font);
    return box;
}

// The box shows lines; the last line end would only add an empty one.
QString shownLines(const std::string& text)
{
    QString shown = toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

} // namespace

frmFileInfo::frmFileInfo(QuizState& state, Platform& platform, const LanguageTable& lang, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state), platform_(platform), lang_(lang)
{
    setObjectName(QStringLiteral("frmFileInfo"));
    setModal(true);
    menuBar = new QMenuBar(this);
    auto tx = [&](const char* english) { return toQString(lang_.text(english)); };
    mnuFile = menuBar->addMenu(tx("&File"));
    mnuFileOpen = mnuFile->addAction(tx("&Open"));
    mnuFileExit = mnuFile->addAction(tx("E&xit ORBA"));
    mnuEdit = menuBar->addMenu(tx("&Edit"));
    mnuEditOpen = mnuEdit->addAction(tx("Open &Quiz Script Editor"));
    mnuConv = menuBar->addMenu(tx("&Convert"));
    mnuConvert = mnuConv->addAction(tx("&Convert .txt to .qzf"));
    mnuRevert = mnuConv->addAction(tx("&Revert .qzf to .txt"));
    mnuHelp = menuBar->addMenu(tx("&Help"));
    mnuContents = mnuHelp->addAction(tx("&Contents and Index"));
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, twipsToPixels(kWidth), menuHeight);

    // Everything below the menu sits on black; the menu keeps the desktop's colours.
    auto* body = new QWidget(this);
    QPalette black = body->palette();
    black.setColor(QPalette::Window, Qt::black);
    body->setPalette(black);
    body->setAutoFillBackground(true);
    body->setGeometry(0, menuHeight, twipsToPixels(kWidth), twipsToPixels(kHeight));

    auto place = [](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(twipsToRect(left, top, width, height));
    };

    Picture1 = new QLabel(body);
    Picture1->setPixmap(orbaEmblem(twipsToRect(0, 0, 1800, 1800).size()));
    place(Picture1, 240, 240, 1800, 1800);

    txtFileInfo = infoBox(body, QColor(0x33, 0xff, 0x33));
    txtFileInfo->setObjectName(QStringLiteral("txtFileInfo"));
    place(txtFileInfo, 2220, 300, 7440, 1500);

    txtNote = infoBox(body, QColor(0xff, 0xff, 0x33));
    txtNote->setObjectName(QStringLiteral("txtNote"));
    place(txtNote, 240, 2280, 9420, 1800);
    txtNote->hide();

    txtTimrInfo = new QLineEdit(body);
    txtTimrInfo->setObjectName(QStringLiteral("txtTimrInfo"));
    txtTimrInfo->setReadOnly(true);
    txtTimrInfo->setFrame(false);
    txtTimrInfo->setAlignment(Qt::AlignCenter);
    txtTimrInfo->setFocusPolicy(Qt::NoFocus);
    txtTimrInfo->setPalette(txtFileInfo->palette());
    txtTimrInfo->setFont(txtFileInfo->font());
    place(txtTimrInfo, 240, 4260, 9420, 420);

    cmdGoQuiz = new QPushButton(tx("Let's Go!") + QStringLiteral(" "), body);
    cmdGoQuiz->setObjectName(QStringLiteral("cmdGoQuiz"));
    cmdGoQuiz->setDefault(true);
    QFont goFont = cmdGoQuiz->font();
    goFont.setBold(true);
    goFont.setPointSize(goFont.pointSize() + 2);
    cmdGoQuiz->setFont(goFont);
    place(cmdGoQuiz, (kWidth - 2700) / 2, 4980, 2700, 600);

    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight) + menuHeight);

    // Contents.
    setWindowTitle(toQString(programCaption() + " - " + state_.QuizName + "."));
    applyFileInfoDefaults(state_);
    txtFileInfo->setPlainText(shownLines(fileInfoLines(state_, lang_)));
    const std::string note = fileInfoNote(state_, lang_);
    if (!note.empty()) {
        txtNote->setPlainText(shownLines(note));
        txtNote->show();
    }
    txtTimrInfo->setText(toQString(timerInfoText(state_.TimerSeconds, lang_)));

    connect(cmdGoQuiz, &QPushButton::clicked, this, [this] { outcome_ = Outcome::Go; accept(); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] {
        state_.WindowMode = "FileInfo";
        outcome_ = Outcome::Open;
        accept();
    });
    connect(mnuFileExit, &QAction::triggered, this, [this] { outcome_ = Outcome::ExitProgram; accept(); });
    connectSharedCommands(this, {mnuEditOpen, mnuConvert, mnuRevert, mnuContents}, platform_, lang_);
}

void frmFileInfo::placeWindow()
{
    const double left = platform_.settings.getNumber(keys::Settings, keys::PposL, -1);
    const double top = platform_.settings.getNumber(keys::Settings, keys::PposT, -1);
    if (left < 0 || top < 0) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r = frameGeometry();
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
    } else {
        move(twipsToPoint(left, top));
    }
}

frmFileInfo::Outcome frmFileInfo::run()
{
    outcome_ = Outcome::Go;
    placeWindow();
    exec();
    return outcome_;
}
