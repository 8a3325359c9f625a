#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"
#include "quizfile/Ansi.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer answerOf(QMessageBox::StandardButton button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: break;
    }
    // Closed without a button: the way out the box offers.
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel: break;
    }
    return MsgAnswer::Cancel;
}

QString nativePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

QtDialogs::QtDialogs(std::string programTitle)
    : programTitle_(std::move(programTitle))
{
}

void QtDialogs::setOwner(QWidget* owner)
{
    owner_ = owner;
}

QWidget* QtDialogs::owner() const
{
    return owner_.data();
}

QWidget* QtDialogs::parentWidget() const
{
    if (owner_)
        return owner_.data();
    return QApplication::activeWindow();
}

QString QtDialogs::titleOr(const std::string& title) const
{
    return quizfile::toQString(title.empty() ? programTitle_ : title);
}

MsgAnswer QtDialogs::message(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& title)
{
    QMessageBox box(parentWidget());
    box.setWindowTitle(titleOr(title));
    // Quiz texts are shown as written, never as rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(quizfile::toQString(text));
    box.setIcon(qtIcon(icon));
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()), buttons);
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText)
{
    QInputDialog dialog(parentWidget());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(quizfile::toQString(prompt));
    dialog.setTextValue(quizfile::toQString(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return quizfile::fromQString(dialog.textValue());
}

std::string QtDialogs::openFile(const std::string& title, const std::string& filter, const std::string& startFolder)
{
    const QString chosen = QFileDialog::getOpenFileName(parentWidget(), quizfile::toQString(title),
                                                        nativePath(startFolder),
                                                        qtNameFilters(filter).join(QStringLiteral(";;")));
    return nativePath(chosen);
}

std::string QtDialogs::saveFile(const std::string& title, const std::string& filter, const std::string& suggestedName)
{
    const QString chosen = QFileDialog::getSaveFileName(parentWidget(), quizfile::toQString(title),
                                                        nativePath(suggestedName),
                                                        qtNameFilters(filter).join(QStringLiteral(";;")),
                                                        nullptr, QFileDialog::DontConfirmOverwrite);
    return nativePath(chosen);
}

std::optional<FontChoice> QtDialogs::pickFont(const FontChoice& initial)
{
    QFont font(quizfile::toQString(initial.name));
    if (initial.size > 0)
        font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parentWidget());
    if (!ok)
        return std::nullopt;
    return FontChoice{quizfile::fromQString(chosen.family()), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

std::optional<std::string> QtDialogs::browseFolder(const std::string& title)
{
    const QString folder = QFileDialog::getExistingDirectory(parentWidget(), quizfile::toQString(title));
    if (folder.isEmpty())
        return std::nullopt;
    return nativePath(folder);
}
