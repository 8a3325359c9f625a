#include "orba/loader/frmGetTime.h"

#include "orba/prefs/LanguageTable.h"
#include "quizfile/Ansi.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using quizfile::toQString;

frmGetTime::frmGetTime(const LanguageTable& lang, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmGetTime"));
    setWindowTitle(toQString(lang.text("SET THE TIMER.")));
    setModal(true);

    lblAllows = new QLabel(toQString(lang.text("THIS QUIZ ALLOWS")), this);
    lblUserSets = new QLabel(toQString(lang.text("THE USER TO SET THE TIMER.")), this);
    lblEnterUsing = new QLabel(toQString(lang.text("Enter using \"Minutes:Seconds\".")), this);
    for (QLabel* l : {lblAllows, lblUserSets}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    txtTime = new QLineEdit(this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setMaxLength(6);
    txtTime->setAlignment(Qt::AlignCenter);
    txtTime->setFixedWidth(120);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setFixedWidth(120);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    for (QWidget* w : std::initializer_list<QWidget*>{lblAllows, lblUserSets, lblEnterUsing, txtTime, cmdOK})
        layout->addWidget(w, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<std::string> frmGetTime::ask()
{
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return quizfile::fromQString(txtTime->text());
}
