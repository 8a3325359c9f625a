#include "skrib/frmLogin.h"

#include "quizfile/Ansi.h"
#include "skrib/SkribState.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

frmLogin::frmLogin(SkribState& state, bool remember, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Encrypted Files Secured with Password"));
    setModal(true);
    lblPassword = new QLabel(QStringLiteral("Password:"), this);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setMaxLength(16);
    txtPassword->setMinimumWidth(220);
    chkAutoSaveEncrypted = new QCheckBox(QStringLiteral("Auto Save Encrypted (Remember Password)"), this);
    chkAutoSaveEncrypted->setObjectName(QStringLiteral("chkAutoSaveEncrypted"));
    chkAutoSaveEncrypted->setChecked(remember);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 16, 18, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(lblPassword, 0, 0);
    grid->addWidget(txtPassword, 0, 1);
    grid->addWidget(chkAutoSaveEncrypted, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        state_.EditorPassword = quizfile::fromQString(txtPassword->text());
        state_.AutoSaveEncrypted = chkAutoSaveEncrypted->isChecked();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmLogin::ask()
{
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    txtPassword->setFocus();
    if (exec() == QDialog::Accepted)
        return true;
    state_.EditorPassword.clear();
    return false;
}
