#include "skrib/frmReplace.h"

#include "quizfile/Ansi.h"
#include "shared_ui/frmAbout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using skrib::SearchDirection;

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

frmReplace::frmReplace(QPlainTextEdit& txtT, Platform& platform, QWidget* owner)
    : SearchWindow(txtT, platform, owner, QStringLiteral("frmReplace"), QStringLiteral(" Replace"))
{
    lblReplace = new QLabel(QStringLiteral("Replace With:"), this);
    lblReplace->setObjectName(QStringLiteral("lblReplace"));
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    cmdCR = button(QStringLiteral("[CR]"), "cmdCR", this);
    cmdCR->setAutoDefault(false);
    cmdCR->setToolTip(QStringLiteral("Add a line break to the replace text"));
    lblBreaks = new QLabel(this);
    lblBreaks->setObjectName(QStringLiteral("lblBreaks"));
    QPalette grey = lblBreaks->palette();
    grey.setColor(QPalette::WindowText, palette().color(QPalette::Disabled, QPalette::WindowText));
    lblBreaks->setPalette(grey);
    cmdReplace = button(QStringLiteral("Replace"), "cmdReplace", this);
    cmdReplaceAll = button(QStringLiteral("Replace All"), "cmdReplaceAll", this);
    cmdReplaceAll->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->addWidget(lblFind, 0, 0);
    grid->addWidget(txtFind, 0, 1, 1, 2);
    grid->addWidget(cmdFindNext, 0, 3);
    grid->addWidget(lblReplace, 1, 0);
    grid->addWidget(txtReplace, 1, 1, 1, 2);
    grid->addWidget(cmdReplace, 1, 3);
    auto* crRow = new QHBoxLayout;
    crRow->setSpacing(10);
    crRow->addWidget(cmdCR);
    crRow->addWidget(lblBreaks, 1);
    grid->addLayout(crRow, 2, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(cmdReplaceAll, 2, 3);
    grid->addWidget(chkCase, 3, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(fraDirection, 3, 2);
    grid->addWidget(cmdCancel, 3, 3, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->activate();

    connect(cmdReplace, &QPushButton::clicked, this, &frmReplace::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmReplace::cmdReplaceAll_Click);
    connect(cmdCR, &QPushButton::clicked, this, &frmReplace::cmdCR_Click);
    connect(txtReplace, &QLineEdit::textChanged, this, [this](const QString& text) {
        const qsizetype breaks = text.count(QStringLiteral("\r\n"));
        lblBreaks->setText(breaks == 0   ? QString()
                           : breaks == 1 ? QStringLiteral("holds 1 line break")
                                         : QStringLiteral("holds %1 line breaks").arg(breaks));
    });
    finishSetup();
}

void frmReplace::cmdReplace_Click()
{
    if (!search_.replace(txtFind->text(), txtReplace->text(), direction(), chkCase->isChecked()))
        close();
}

void frmReplace::cmdReplaceAll_Click()
{
    search_.replaceAll(txtFind->text(), txtReplace->text());
    close();
}

void frmReplace::cmdCR_Click()
{
    const std::string with = skrib::withLineBreak(quizfile::fromQString(txtReplace->text()));
    txtReplace->setText(quizfile::toQString(with));
}
