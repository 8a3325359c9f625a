#include "skrib/frmQTip.h"

#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "quizfile/Ansi.h"
#include "settings/Keys.h"
#include "shared_ui/frmAbout.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <fstream>
#include <iterator>

using quizfile::toQString;

const char* const frmQTip::MissingFileText =
    "if you go into the folder where you installed the ORBA and move or delete the file called QTips.txt, you end "
    "up stuck with this message.  (But you probably just figured that out right now, didn't you?)";

namespace {

constexpr const char* kNoTipsText = "The file QTips.txt holds no tips.";

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QString shownText(const std::string& text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmQTip::frmQTip(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("frmQTip"));
    setWindowTitle(QStringLiteral("Quiz Script Editor - Tip of the Day"));

    picTip = new QFrame(this);
    picTip->setObjectName(QStringLiteral("picTip"));
    picTip->setFrameShape(QFrame::Box);
    picTip->setFrameShadow(QFrame::Plain);
    picTip->setFixedSize(600, 250);
    QPalette white = picTip->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::WindowText, Qt::darkGray); // the panel's border

    white.setColor(QPalette::Text, Qt::black);
    picTip->setPalette(white);
    picTip->setAutoFillBackground(true);

    lblTitle = new QLabel(toQString(skrib::DefaultTipTitle), picTip);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setTextFormat(Qt::PlainText);
    lblTitle->setWordWrap(true);
    QPalette ink = lblTitle->palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    lblTitle->setPalette(ink);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    txtTip = new QPlainTextEdit(picTip);
    txtTip->setObjectName(QStringLiteral("txtTip"));
    txtTip->setReadOnly(true);
    txtTip->setFrameShape(QFrame::NoFrame);
    txtTip->setFocusPolicy(Qt::NoFocus);
    txtTip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTip->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont tipFont(QStringLiteral("Courier New"));
    tipFont.setStyleHint(QFont::Monospace);
    tipFont.setPointSizeF(9.75);
    txtTip->setFont(tipFont);
    txtTip->hide();

    auto* panel = new QVBoxLayout(picTip);
    panel->setContentsMargins(16, 12, 12, 12);
    panel->setSpacing(10);
    panel->addWidget(lblTitle);
    panel->addWidget(txtTip, 1);
    panel->addStretch(0);

    cmdPrevious = new QPushButton(QStringLiteral("&Previous Tip"), this);
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cmdNext = new QPushButton(QStringLiteral("&Next Tip"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdMark = new QPushButton(QStringLiteral("&Mark as Last Tip Viewed"), this);
    cmdMark->setObjectName(QStringLiteral("cmdMark"));
    cmdMark->setEnabled(false);
    cmdOK = new QPushButton(QStringLiteral("Good Tip!!! "), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    chkShowTips = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    chkShowTips->setObjectName(QStringLiteral("chkShowTips"));
    chkShowTips->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdMark);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(picTip);
    layout->addLayout(buttons);
    layout->addWidget(chkShowTips);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();

    UnloadTimer = new QTimer(this);
    UnloadTimer->setInterval(100);
    connect(UnloadTimer, &QTimer::timeout, this, &frmQTip::UnloadTimer_Timer);

    connect(cmdNext, &QPushButton::clicked, this, &frmQTip::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmQTip::cmdPrevious_Click);
    connect(cmdMark, &QPushButton::clicked, this, &frmQTip::cmdMark_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(chkShowTips, &QCheckBox::toggled, this, [this](bool on) {
        platform_.settings.saveBool(keys::Settings, keys::QTips, on, BoolForm::TrueFalse);
    });
    // The window sees every key before its controls do.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    centreOnOwner(*this, owner);

    const std::optional<std::string> file = readFile(dataFile("QTips.txt"));
    if (!file) {
        // Stepping through tips that are not there would go nowhere.
        cmdNext->setEnabled(false);
        cmdPrevious->setEnabled(false);
        txtTip->setPlainText(QString::fromLatin1(MissingFileText));
        txtTip->show();
        return;
    }
    tips_ = skrib::parseTips(*file);
    nav_ = skrib::TipNavigator(static_cast<int>(tips_.size()),
                               platform_.settings.getInt(keys::Settings, keys::QTipNum, keys::defaults::QTipNum));
    if (!nav_.hasTips()) {
        updateButtons();
        txtTip->setPlainText(QString::fromLatin1(kNoTipsText));
        txtTip->show();
        return;
    }
    showTip();
    platform_.settings.saveInt(keys::Settings, keys::QTipNum, nav_.numberToStore());
}

void frmQTip::updateButtons()
{
    cmdNext->setEnabled(nav_.canGoNext());
    cmdPrevious->setEnabled(nav_.canGoPrevious());
    cmdMark->setEnabled(nav_.canMark());
}

void frmQTip::showTip()
{
    updateButtons();
    const skrib::Tip& tip = tips_[static_cast<std::size_t>(nav_.current() - 1)];
    lblTitle->setText(toQString(tip.title));
    txtTip->setPlainText(shownText(tip.text));
    txtTip->show();
}

void frmQTip::cmdNext_Click()
{
    if (!nav_.canGoNext())
        return;
    nav_.next();
    showTip();
}

void frmQTip::cmdPrevious_Click()
{
    if (!nav_.canGoPrevious())
        return;
    nav_.previous();
    showTip();
}

void frmQTip::cmdMark_Click()
{
    if (!nav_.canMark())
        return;
    platform_.settings.saveInt(keys::Settings, keys::QTipNum, nav_.markAsLastViewed());
    updateButtons();
}

void frmQTip::UnloadTimer_Timer()
{
    if (beenActive_ && !isActiveWindow())
        close();
}

void frmQTip::showEvent(QShowEvent* e)
{
    beenActive_ = false;
    UnloadTimer->start();
    QDialog::showEvent(e);
}

void frmQTip::hideEvent(QHideEvent* e)
{
    UnloadTimer->stop();
    QDialog::hideEvent(e);
}

bool frmQTip::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        beenActive_ = true;
    return QDialog::event(e);
}

bool frmQTip::closesWindow(const QEvent* e) const
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(e);
    // Access keys and moving between the controls still work.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return false;
    default:
        return true;
    }
}

bool frmQTip::eventFilter(QObject* watched, QEvent* e)
{
    if (closesWindow(e)) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}
