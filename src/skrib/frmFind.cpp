#include "skrib/frmFind.h"

#include "platform/Platform.h"
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
#include <QTextCursor>
#include <QTextDocument>

using quizfile::fromQString;
using skrib::FindOutcome;
using skrib::FindResult;
using skrib::SearchDirection;

namespace {

std::u16string_view units(const QString& shown)
{
    return {QStringView(shown).utf16(), static_cast<std::size_t>(shown.size())};
}

// The Windows-1252 text with CR LF line ends that the search works on.
std::string scriptText(const QString& shown)
{
    const std::string lf = fromQString(shown);
    std::string text;
    text.reserve(lf.size() + lf.size() / 16);
    for (char c : lf) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

// What the widget holds for a Windows-1252 text: one paragraph break per CR LF.
QString shownFrom(const std::string& text)
{
    QString shown = quizfile::toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

int shownPosition(const QString& shown, std::size_t offset)
{
    return static_cast<int>(skrib::shownPositionFromText(units(shown), offset));
}

} // namespace

QString shownEditorText(const QPlainTextEdit& editor)
{
    // toPlainText() would turn no-break spaces into spaces.
    QString shown = editor.document()->toRawText();
    shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    shown.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return shown;
}

QGroupBox* directionFrame(QWidget* parent, QRadioButton*& optUp, QRadioButton*& optDown)
{
    auto* frame = new QGroupBox(QStringLiteral("Direction from Cursor"), parent);
    frame->setObjectName(QStringLiteral("fraDirection"));
    optUp = new QRadioButton(QStringLiteral("Up"), frame);
    optUp->setObjectName(QStringLiteral("optUp"));
    optDown = new QRadioButton(QStringLiteral("Down"), frame);
    optDown->setObjectName(QStringLiteral("optDown"));
    optDown->setChecked(true);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(optUp);
    row->addWidget(optDown);
    row->addStretch(1);
    return frame;
}

EditorSearch::EditorSearch(Platform& platform, QPlainTextEdit& editor)
    : platform_(platform), editor_(editor)
{
}

bool EditorSearch::select(const FindResult& result, SearchDirection direction, const QString& shown)
{
    if (result.outcome != FindOutcome::Match) {
        const std::string message = skrib::findMessage(result.outcome, direction);
        if (!message.empty())
            platform_.dialogs.message(message, MsgIcon::Information);
        return false;
    }
    found_ = true;
    QTextCursor cursor = editor_.textCursor();
    cursor.setPosition(shownPosition(shown, result.start));
    cursor.setPosition(shownPosition(shown, result.start + result.length), QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
    editor_.activateWindow();
    editor_.setFocus();
    return true;
}

bool EditorSearch::findNext(const QString& what, SearchDirection direction, bool caseSensitive)
{
    const QString shown = shownEditorText(editor_);
    const std::string text = scriptText(shown);
    const std::string find = fromQString(what);
    const std::size_t caret = skrib::textOffsetFromShown(units(shown), editor_.textCursor().selectionStart());
    const FindResult result = skrib::findNext({text, find, caret, direction, caseSensitive, found_});
    return select(result, direction, shown);
}

bool EditorSearch::replace(const QString& what, const QString& with, SearchDirection direction, bool caseSensitive)
{
    QTextCursor cursor = editor_.textCursor();
    if (!cursor.hasSelection()) {
        platform_.dialogs.message("There's nothing to replace!", MsgIcon::Information);
        return true;
    }
    const int start = cursor.selectionStart();
    cursor.insertText(shownFrom(fromQString(with)));
    const int end = cursor.position();
    editor_.setTextCursor(cursor);

    const QString shown = shownEditorText(editor_);
    const std::string text = scriptText(shown);
    const std::size_t from = skrib::textOffsetFromShown(units(shown), start);
    const std::size_t length = skrib::textOffsetFromShown(units(shown), end) - from;
    const FindResult result =
        skrib::findAfterReplace({text, fromQString(what), from, direction, caseSensitive, found_}, length);
    return select(result, direction, shown);
}

void EditorSearch::replaceAll(const QString& what, const QString& with)
{
    const std::string find = fromQString(what);
    if (find.empty())
        return;
    const QString shown = shownEditorText(editor_);
    const std::string text = scriptText(shown);
    const std::size_t first = text.find(find);
    if (first == std::string::npos)
        return;
    // Only the stretch from the first occurrence to the end of the last one
    // changes; rewriting just that keeps a large script quick to update.
    const std::size_t end = text.rfind(find) + find.size();
    const std::string replaced =
        skrib::replaceAllExact(std::string_view(text).substr(first, end - first), find, fromQString(with));

    QTextCursor cursor(editor_.document());
    cursor.beginEditBlock();
    cursor.setPosition(shownPosition(shown, first));
    cursor.setPosition(shownPosition(shown, end), QTextCursor::KeepAnchor);
    cursor.insertText(shownFrom(replaced));
    cursor.endEditBlock();
}

SearchWindow::SearchWindow(QPlainTextEdit& txtT, Platform& platform, QWidget* owner, const QString& name,
                           const QString& title)
    : QDialog(owner ? owner : txtT.window(), Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      search_(platform, txtT)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);

    lblFind = new QLabel(QStringLiteral("Find What:"), this);
    lblFind->setObjectName(QStringLiteral("lblFind"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMinimumWidth(240);
    cmdFindNext = new QPushButton(QStringLiteral("Find Next"), this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    fraDirection = directionFrame(this, optUp, optDown);
    chkCase = new QCheckBox(QStringLiteral("case sensitive"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
}

void SearchWindow::finishSetup()
{
    connect(cmdFindNext, &QPushButton::clicked, this, &SearchWindow::cmdFindNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &QDialog::finished, this, [this] {
        if (onClosed)
            onClosed();
    });
    centreOnOwner(*this, parentWidget());
}

SearchDirection SearchWindow::direction() const
{
    return optUp->isChecked() ? SearchDirection::Up : SearchDirection::Down;
}

void SearchWindow::cmdFindNext_Click()
{
    if (!search_.findNext(txtFind->text(), direction(), chkCase->isChecked()))
        close();
}

frmFind::frmFind(QPlainTextEdit& txtT, Platform& platform, QWidget* owner)
    : SearchWindow(txtT, platform, owner, QStringLiteral("frmFind"), QStringLiteral(" Find"))
{
    cmdFindNext->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->addWidget(lblFind, 0, 0);
    grid->addWidget(txtFind, 0, 1, 1, 2);
    grid->addWidget(cmdFindNext, 0, 3);
    grid->addWidget(chkCase, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(fraDirection, 1, 2);
    grid->addWidget(cmdCancel, 1, 3, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->activate();
    finishSetup();
}
