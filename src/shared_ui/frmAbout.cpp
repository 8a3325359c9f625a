#include "shared_ui/frmAbout.h"

#include "platform/Platform.h"
#include "quizfile/Ansi.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

using quizfile::fromQString;

SystemFacts currentSystemFacts()
{
    SystemFacts facts;
    facts.productName = fromQString(QSysInfo::prettyProductName());
    const QString kernel = QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
    facts.kernel = fromQString(kernel.trimmed());
    facts.cpu = fromQString(QSysInfo::currentCpuArchitecture());
    facts.qtVersion = qVersion();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        facts.screenWidth = screen->size().width();
        facts.screenHeight = screen->size().height();
    }
    return facts;
}

std::optional<std::string> systemInfoText(const SystemFacts& facts)
{
    if (facts.productName.empty() && facts.kernel.empty())
        return std::nullopt;
    std::string text;
    auto line = [&text](const char* label, const std::string& value) {
        if (value.empty())
            return;
        if (!text.empty())
            text += "\r\n";
        text += label;
        text += value;
    };
    line("Operating system: ", facts.productName);
    line("Kernel: ", facts.kernel);
    line("Processor: ", facts.cpu);
    line("Qt: ", facts.qtVersion);
    if (facts.screenWidth > 0 && facts.screenHeight > 0)
        line("Screen: ", std::to_string(facts.screenWidth) + " x " + std::to_string(facts.screenHeight) + " pixels");
    return text;
}

void centreOnOwner(QWidget& window, const QWidget* owner)
{
    if (!owner)
        return;
    const QWidget* ownerWindow = owner->window();
    QRect place(QPoint(), window.size());
    place.moveCenter(ownerWindow->geometry().center());
    window.move(place.topLeft());
}

namespace {

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About ORBA . . ."));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    lblTitle = whiteLabel(QStringLiteral("ORBA v%1.%2").arg(ORBA_VERSION_MAJOR).arg(ORBA_VERSION_MINOR), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QPalette gold = lblTitle->palette();
    gold.setColor(QPalette::WindowText, QColor(0xff, 0xcc, 0x33));
    lblTitle->setPalette(gold);

    lblAbout = whiteLabel(QStringLiteral("A quiz system for the desktop.\n\n"
                                         "orba asks the questions of a quiz script, keeps the\n"
                                         "score, and prints tests and answer keys.\n\n"
                                         "skrib, the Quiz Script Editor, writes and checks\n"
                                         "quiz scripts, plain or encrypted.\n\n"
                                         "renovo keeps both programs up to date."),
                          this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));

    lblBuilt = whiteLabel(QStringLiteral("Built with Qt " QT_VERSION_STR ". Thanks to everyone who\n"
                                         "writes a quiz and passes it on."),
                          this);
    lblBuilt->setObjectName(QStringLiteral("lblBuilt"));
    QPalette grey = lblBuilt->palette();
    grey.setColor(QPalette::WindowText, QColor(0xbb, 0xbb, 0xbb));
    lblBuilt->setPalette(grey);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    cmdOK = new QPushButton(QStringLiteral("okay! "), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(lblTitle);
    layout->addWidget(lblAbout);
    layout->addWidget(lblBuilt);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();

    UnloadTimer = new QTimer(this);
    UnloadTimer->setInterval(100);
    connect(UnloadTimer, &QTimer::timeout, this, &frmAbout::UnloadTimer_Timer);

    // "okay! " is the way out for Escape too, which rejects the dialog.
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    centreOnOwner(*this, owner);
}

void frmAbout::showAbout()
{
    centreOnOwner(*this, parentWidget());
    show();
    raise();
    activateWindow();
}

void frmAbout::showEvent(QShowEvent* e)
{
    beenActive_ = false;
    UnloadTimer->start();
    QDialog::showEvent(e);
}

void frmAbout::hideEvent(QHideEvent* e)
{
    UnloadTimer->stop();
    QDialog::hideEvent(e);
}

bool frmAbout::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        beenActive_ = true;
    return QDialog::event(e);
}

void frmAbout::UnloadTimer_Timer()
{
    if (beenActive_ && !isActiveWindow())
        close();
}

void frmAbout::cmdSysInfo_Click()
{
    // The message box becomes the active window; the window must not close under it.
    UnloadTimer->stop();
    {
        ScopedDialogOwner owner(platform_.dialogs, this);
        const std::optional<std::string> text = readSystemFacts ? systemInfoText(readSystemFacts()) : std::nullopt;
        if (text)
            platform_.dialogs.message(*text, MsgIcon::Information, MsgButtons::Ok, "System Info");
        else
            platform_.dialogs.message("System Information Is Unavailable At This Time", MsgIcon::Information);
    }
    if (isVisible())
        UnloadTimer->start();
}
