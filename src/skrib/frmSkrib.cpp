#include "skrib/frmSkrib.h"

#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "platform/Server.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"
#include "quizfile/Container.h"
#include "quizfile/KeyLine.h"
#include "quizfile/Conversion.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"
#include "settings/Keys.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "shared_ui/frmAbout.h"
#include "skrib/SkribState.h"
#include "skrib/frmFind.h"
#include "skrib/frmLogin.h"
#include "skrib/frmQTip.h"
#include "skrib/frmReplace.h"
#include "skrib/text/EncryptedSave.h"
#include "skrib/text/ScriptText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPen>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QToolBar>

#include <filesystem>
#include <functional>

using quizfile::toQString;

namespace {

constexpr const char* kTitleSuffix = " - Quiz Script Editor";
constexpr const char* kFilter = "ORBA Quizzes & Text Files (*.qzf;*.txt)|*.qzf;*.txt";
constexpr int kMinWidth = 11835;
constexpr int kMinHeight = 3150;

// The hourglass while a command works on a large script.
class BusyCursor final {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString qPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string fileName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Toolbar pictures: white marks on a rounded tile, clear on any theme.
QIcon tileIcon(const QColor& colour, const std::function<void(QPainter&)>& mark)
{
    QPixmap pix(24, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 5, 5);
    mark(p);
    return QIcon(pix);
}

// A few characters on the tile.
QIcon glyphIcon(const QString& text, const QColor& colour)
{
    return tileIcon(colour, [&text](QPainter& p) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(text.size() > 2 ? 9 : 12);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, text);
    });
}

// Find: a magnifying glass on the tile.
QIcon magnifierIcon(const QColor& colour)
{
    return tileIcon(colour, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6, 5.5, 9, 9));
        p.drawLine(QPointF(13.8, 13.3), QPointF(18, 17.5));
    });
}

} // namespace

frmSkrib::frmSkrib(SkribState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform)
{
    setObjectName(QStringLiteral("frmSkrib"));
    txtT = new QPlainTextEdit(this);
    txtT->setObjectName(QStringLiteral("txtT"));
    txtT->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtT->setTabChangesFocus(false);
    setCentralWidget(txtT);
    buildMenus();
    buildToolbar();
    ResetFormatting();
    connect(txtT, &QPlainTextEdit::textChanged, this, [this] { state_.TextChanged = true; });
    setMinimumSize(twipsToPixels(kMinWidth), twipsToPixels(kMinHeight));
    updateTitle();
}

frmSkrib::~frmSkrib() = default;

void frmSkrib::buildMenus()
{
    auto add = [this](QMenu* menu, const char* caption, QKeySequence keys = {}) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        if (!keys.isEmpty())
            a->setShortcut(keys);
        return a;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileNew = add(mnuFile, "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = add(mnuFile, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = add(mnuFile, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = add(mnuFile, "Save &As");
    mnuFileSaveEncrypted = add(mnuFile, "Save &Encrypted", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFileSaveEncryptedAs = add(mnuFile, "Save E&ncrypted As");
    mnuFile->addSeparator();
    for (int n = 0; n < 4; ++n) {
        QAction* entry = mnuFile->addAction(QString());
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, n] { openRecentFile(n); });
        mnuEditorPreviousFile[static_cast<std::size_t>(n)] = entry;
    }
    mnuEditorPreviousFileLine = mnuFile->addSeparator();
    mnuEditorPreviousFileLine->setVisible(false);
    mnuFileExit = add(mnuFile, "E&xit");

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEditFileInfo = add(mnuEdit, "Add / Jump to File i&nfo", QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuEditJumpQ1 = add(mnuEdit, "&Jump to Question 1", QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuEdit->addSeparator();
    mnuEditFind = add(mnuEdit, "&Find", QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuEditReplace = add(mnuEdit, "&Replace", QKeySequence(Qt::CTRL | Qt::Key_H));

    mnuView = menuBar()->addMenu(QStringLiteral("&View"));
    const char* sizes[] = {"&Small Font", "&Medium Font", "&Large Font", "&Extra Large Font"};
    for (int k = 0; k < 4; ++k) {
        QAction* a = add(mnuView, sizes[k]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, k] { setFontSize(k); });
        mnuViewSize[static_cast<std::size_t>(k)] = a;
    }

    mnuConvert = menuBar()->addMenu(QStringLiteral("&Convert"));
    mnuConvertToQzf = add(mnuConvert, "&Convert .txt to .qzf");
    mnuRevertToTxt = add(mnuConvert, "&Revert .qzf. to .txt");

    mnuMisc = menuBar()->addMenu(QStringLiteral("&Misc"));
    mnuMiscUnformatted = add(mnuMisc, "Convert to Unformatted &Text", QKeySequence(Qt::CTRL | Qt::Key_T));

    const std::string server = serverAddress(platform_.settings);
    mnuDownload = menuBar()->addMenu(QStringLiteral("&Download"));
    mnuDownloadQuizzes = mnuDownload->addAction(QStringLiteral("Check User Submitted &Quizzes at ")
                                                + QString::fromStdString(serverSiteName(server)));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpContents = add(mnuHelp, "&Contents and Index");
    mnuHelpAbout = add(mnuHelp, "&About");

    connect(mnuFileNew, &QAction::triggered, this, &frmSkrib::newScript);
    connect(mnuFileOpen, &QAction::triggered, this, &frmSkrib::openScript);
    connect(mnuFileSave, &QAction::triggered, this, &frmSkrib::save);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmSkrib::saveAs);
    connect(mnuFileSaveEncrypted, &QAction::triggered, this, &frmSkrib::saveEncrypted);
    connect(mnuFileSaveEncryptedAs, &QAction::triggered, this, &frmSkrib::saveEncryptedAs);
    connect(mnuFileExit, &QAction::triggered, this, [this] {
        closingByProgram_ = true;
        if (!close())
            closingByProgram_ = false;
    });
    connect(mnuEditFileInfo, &QAction::triggered, this, &frmSkrib::addFileInfo);
    connect(mnuEditJumpQ1, &QAction::triggered, this, &frmSkrib::jumpToQuestion1);
    connect(mnuEditFind, &QAction::triggered, this, &frmSkrib::showFind);
    connect(mnuEditReplace, &QAction::triggered, this, &frmSkrib::showReplace);
    connect(mnuConvertToQzf, &QAction::triggered, this, &frmSkrib::convertTxtToQzf);
    connect(mnuRevertToTxt, &QAction::triggered, this, &frmSkrib::revertQzfToTxt);
    connect(mnuMiscUnformatted, &QAction::triggered, this, &frmSkrib::ResetFormatting);
    connect(mnuDownloadQuizzes, &QAction::triggered, this,
            [this] { platform_.shell.openDocument(serverAddress(platform_.settings) + "/dloads/list.html"); });
    connect(mnuHelpContents, &QAction::triggered, this, [this] { platform_.shell.openDocument(dataFile("orbahelp.html")); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] {
        if (!about_)
            about_ = new frmAbout(platform_, this);
        about_->showAbout();
    });
}

void frmSkrib::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    const QColor blue(0x1f, 0x4e, 0x8c);
    const QColor teal(0x1b, 0x7a, 0x6e);
    auto button = [this](QAction* action, const QIcon& icon, const char* tip) {
        QAction* b = Toolbar1->addAction(icon, QString());
        b->setToolTip(QString::fromUtf8(tip));
        connect(b, &QAction::triggered, action, &QAction::trigger);
        return b;
    };
    button(mnuEditFileInfo, glyphIcon(QStringLiteral("i"), blue), "Add / Jump to File Info");
    button(mnuEditJumpQ1, glyphIcon(QStringLiteral("Q1"), blue), "Jump to Question 1");
    Toolbar1->addSeparator();
    button(mnuEditFind, magnifierIcon(teal), "Find");
    button(mnuEditReplace, glyphIcon(QStringLiteral("a>b"), teal), "Replace");
}

void frmSkrib::start()
{
    refreshRecentFiles();
    const double left = platform_.settings.getNumber(keys::Settings, keys::SkribposL, 0);
    const double top = platform_.settings.getNumber(keys::Settings, keys::SkribposT, 0);
    const double width = std::max(platform_.settings.getNumber(keys::Settings, keys::SkribposW, 12000), double{kMinWidth});
    const double height = std::max(platform_.settings.getNumber(keys::Settings, keys::SkribposH, 8490), double{kMinHeight});
    setGeometry(twipsToRect(left, top, width, height));
    int size = platform_.settings.getInt(keys::Settings, keys::SkribFSize, 10);
    if (size != 10 && size != 12 && size != 14 && size != 16)
        size = 10;
    state_.EditorFontSize = size;
    for (int k = 0; k < 4; ++k)
        mnuViewSize[static_cast<std::size_t>(k)]->setChecked(10 + 2 * k == size);
    ResetFormatting();
    if (platform_.settings.get(keys::Settings, keys::SkribposWS) == "2")
        showMaximized();
    else
        show();
    if (platform_.settings.getBool(keys::Settings, keys::QTips, true)) {
        tip_ = new frmQTip(platform_, this);
        tip_->adjustSize();
        QRect r(QPoint(0, 0), tip_->size());
        r.moveCenter(geometry().center());
        tip_->move(r.topLeft());
        tip_->show();
    }
    state_.TextChanged = false;
}

// --- Text ----------------------------------------------------------------------------------

std::string frmSkrib::scriptText() const
{
    return quizfile::fromQString(txtT->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void frmSkrib::setScriptText(const std::string& text)
{
    QString shown = toQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    txtT->setPlainText(shown);
}

std::size_t frmSkrib::caretOffset() const
{
    const QTextCursor cursor = txtT->textCursor();
    // Each line break counts two characters in the script text.
    return static_cast<std::size_t>(cursor.position() + cursor.blockNumber());
}

void frmSkrib::placeCaret(std::size_t offset)
{
    const auto lines = skrib::SplitScript(scriptText());
    const auto [line, column] = skrib::widgetPositionFromText(lines, offset);
    QTextCursor cursor(txtT->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    txtT->setTextCursor(cursor);
    txtT->setFocus();
    txtT->ensureCursorVisible();
}

void frmSkrib::updateTitle()
{
    setWindowTitle(QString::fromStdString((state_.ScriptPath.empty() ? std::string("Untitled") : fileName(state_.ScriptPath))
                                          + kTitleSuffix));
}

// --- Recent files ---------------------------------------------------------------------------

void frmSkrib::refreshRecentFiles()
{
    const PreviousFileList list = readPreviousFiles(platform_.settings, keys::EditorPreviousFiles);
    for (int n = 0; n < 4; ++n) {
        QAction* entry = mnuEditorPreviousFile[static_cast<std::size_t>(n)];
        const std::string& path = list[static_cast<std::size_t>(n)];
        entry->setText(path.empty() ? QString()
                                    : QStringLiteral("&%1 - ").arg(n + 1) + qPath(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setVisible(!path.empty());
    }
    mnuEditorPreviousFileLine->setVisible(!list[0].empty());
}

void frmSkrib::rememberFile(const std::string& path)
{
    writePreviousFiles(platform_.settings, keys::EditorPreviousFiles,
                       withFileAdded(readPreviousFiles(platform_.settings, keys::EditorPreviousFiles), path));
    refreshRecentFiles();
}

void frmSkrib::openRecentFile(int n)
{
    const std::string path = readPreviousFiles(platform_.settings, keys::EditorPreviousFiles)[static_cast<std::size_t>(n)];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        platform_.dialogs.message(std::string(kMovedOrRenamedMessage));
        writePreviousFiles(platform_.settings, keys::EditorPreviousFiles,
                           withFileRemoved(readPreviousFiles(platform_.settings, keys::EditorPreviousFiles), path));
        refreshRecentFiles();
        return;
    }
    if (ConfirmDiscardChanges())
        openFile(path);
}

// --- File commands -----------------------------------------------------------------------------

bool frmSkrib::ConfirmDiscardChanges()
{
    if (!state_.TextChanged)
        return true;
    const MsgAnswer answer = platform_.dialogs.message(
        "The current quiz has been changed.\r\n\r\nDo you want to save the changes?", MsgIcon::Warning,
        MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::No)
        return true;
    save();
    // Proceed only when the text really went to disk.
    return !state_.ScriptPath.empty() && !state_.SaveFailed && !state_.TextChanged;
}

void frmSkrib::newScript()
{
    if (!ConfirmDiscardChanges())
        return;
    txtT->clear();
    state_.ScriptPath.clear();
    state_.TextChanged = false;
    state_.AutoSaveEncrypted = false;
    updateTitle();
}

void frmSkrib::openScript()
{
    if (!ConfirmDiscardChanges())
        return;
    const std::string path = platform_.dialogs.openFile("Open", "ORBA Quizzes & Text Files (*.qzf;*.txt)|*.qzf;*.txt|All Files|*.*");
    if (path.empty())
        return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        platform_.dialogs.message("There is no such quiz to open.", MsgIcon::Warning);
        return;
    }
    openFile(path);
}

bool frmSkrib::openFile(const std::string& path)
{
    const auto bytes = readFileBytes(path);
    if (!bytes.ok()) {
        platform_.dialogs.message("The file " + quizfile::utf8ToAnsi(path) + " could not be opened.\r\n\r\n"
                                      + quizfile::utf8ToAnsi(bytes.error()),
                                  MsgIcon::Warning);
        return false;
    }
    std::string text;
    const bool encrypted = quizfile::isEncrypted(bytes.value());
    if (encrypted) {
        const auto keyLine = quizfile::encryptedKeyLine(bytes.value());
        if (!keyLine.ok()) {
            platform_.dialogs.message(std::string(quizfile::kMalformedKeyLineMessage));
            return false;
        }
        frmLogin login(state_, keyLine.value().remember, this);
        if (!login.ask() || state_.EditorPassword.empty())
            return false;
        const auto lines = quizfile::readEncrypted(bytes.value(), state_.EditorPassword);
        if (!lines.ok()) {
            platform_.dialogs.message(lines.error());
            return false;
        }
        text = skrib::JoinScript(lines.value());
    } else {
        BusyCursor busy;
        // Scripts written by other editors may be UTF-8; the editor works in Windows-1252.
        const auto converted = quizfile::convertedFromUtf8(bytes.value());
        text = converted ? *converted : bytes.value();
        state_.AutoSaveEncrypted = false;
    }
    {
        BusyCursor busy;
        setScriptText(text);
    }
    if (encrypted)
        state_.EncryptionHeader = std::string(quizfile::kEncryptedMagic);
    state_.ScriptPath = path;
    state_.TextChanged = false;
    rememberFile(path);
    updateTitle();
    return true;
}

void frmSkrib::save()
{
    if (state_.ScriptPath.empty())
        saveAs();
    else
        SaveScript(false);
}

void frmSkrib::saveEncrypted()
{
    if (state_.ScriptPath.empty())
        saveEncryptedAs();
    else
        SaveScript(true);
}

void frmSkrib::saveAs() { saveAsWith(false); }

void frmSkrib::saveEncryptedAs()
{
    state_.AutoSaveEncrypted = false;
    saveAsWith(true);
}

bool frmSkrib::saveAsWith(bool encrypted)
{
    const std::string path = platform_.dialogs.saveFile("Save As", kFilter, fileName(state_.ScriptPath));
    if (path.empty())
        return false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        const MsgAnswer answer = platform_.dialogs.message(
            quizfile::utf8ToAnsi(path) + " already exists.\r\n\r\nDo you want to replace it?", MsgIcon::Warning,
            MsgButtons::YesNoCancel);
        if (answer != MsgAnswer::Yes)
            return false;
    }
    const std::string previous = state_.ScriptPath;
    state_.ScriptPath = path;
    const bool saved = SaveScript(encrypted);
    state_.SaveFailed = !saved;
    if (!saved)
        state_.ScriptPath = previous;
    return saved;
}

bool frmSkrib::SaveScript(bool encrypted)
{
    std::string text = scriptText();
    // Characters Windows-1252 cannot hold would be saved as "?": ask first.
    std::size_t unmappable = 0;
    quizfile::fromQString(txtT->toPlainText(), &unmappable);
    if (unmappable > 0) {
        const std::string ask = std::to_string(unmappable) + (unmappable == 1 ? " character" : " characters")
                                + " of this script cannot be stored in a quiz file and would be saved as \"?\".\r\n\r\n"
                                  "Save anyway?";
        if (platform_.dialogs.message(ask, MsgIcon::Warning, MsgButtons::OkCancel) != MsgAnswer::Ok)
            return false;
    }

    std::string bytes;
    if (encrypted) {
        if (!state_.AutoSaveEncrypted) {
            frmLogin login(state_, false, this);
            login.ask();
        }
        if (state_.EditorPassword.empty()) {
            platform_.dialogs.message("You need a password to Save Encrypted.");
            return false;
        }
        const std::string keyLine = quizfile::makeKeyLine(state_.EditorPassword, state_.AutoSaveEncrypted, platform_.rng);
        if (keyLine.empty()) {
            platform_.dialogs.message("That password cannot be used. Please choose another one.");
            return false;
        }
        state_.EncryptionHeader = std::string(quizfile::kEncryptedMagic) + "\r\n" + keyLine;
        const skrib::EncryptedSave save = skrib::encryptedSaveBytes(text, keyLine);
        if (save.controlsReplaced > 0)
            platform_.dialogs.message(std::to_string(save.controlsReplaced)
                                      + " tab or control character(s) were saved as spaces, because an encrypted quiz "
                                        "file cannot hold them.");
        bytes = save.bytes;
    } else {
        if (!state_.EncryptionHeader.empty()) {
            state_.AutoSaveEncrypted = false;
            state_.EncryptionHeader.clear();
            platform_.dialogs.message("File saved UNENCRYPTED.");
        }
        bytes = skrib::collapseDoubleCr(text);
    }

    const std::size_t caret = caretOffset();
    quizfile::Status written = quizfile::success();
    {
        BusyCursor busy;
        written = writeFileSafely(state_.ScriptPath, bytes);
    }
    if (!written.ok()) {
        platform_.dialogs.message("The file " + quizfile::utf8ToAnsi(state_.ScriptPath) + " could not be saved.\r\n\r\n"
                                      + quizfile::utf8ToAnsi(written.error()),
                                  MsgIcon::Critical);
        return false;
    }
    if (text.find("\r\r") != std::string::npos) {
        setScriptText(skrib::collapseDoubleCr(text));
        placeCaret(caret);
    }
    state_.TextChanged = false;
    rememberFile(state_.ScriptPath);
    updateTitle();
    return true;
}

void frmSkrib::convertTxtToQzf()
{
    const std::string path = platform_.dialogs.openFile("Open", "Text files (*.txt)|*.txt");
    const quizfile::Status done = quizfile::convertTxtToQzf(path);
    if (!done.ok()) {
        // The editor words this one without the dot.
        platform_.dialogs.message(done.error() == quizfile::kQzfExistsMessage ? "There's already a qzf file with that name."
                                                                              : done.error());
        return;
    }
    if (path == state_.ScriptPath)
        state_.ScriptPath = path.substr(0, path.size() - 3) + "qzf";
}

void frmSkrib::revertQzfToTxt()
{
    const std::string path = platform_.dialogs.openFile("Open", "ORBA Quizzes (*.qzf)|*.qzf");
    const quizfile::Status done = quizfile::revertQzfToTxt(path);
    if (!done.ok())
        platform_.dialogs.message(done.error());
}

// --- Edit and View --------------------------------------------------------------------------------

void frmSkrib::addFileInfo()
{
    BusyCursor busy;
    const skrib::FileInfoResult result = skrib::AddFileInfo(scriptText());
    if (result.changed) {
        // One undo step that puts the header in front.
        QTextCursor cursor(txtT->document());
        cursor.beginEditBlock();
        cursor.select(QTextCursor::Document);
        cursor.insertText(toQString(result.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        cursor.endEditBlock();
    }
    placeCaret(result.caret);
}

void frmSkrib::jumpToQuestion1()
{
    BusyCursor busy;
    const skrib::FirstQuestion first = skrib::FindFirstQuestion(skrib::SplitScript(scriptText()));
    if (first.aborted) {
        QGuiApplication::restoreOverrideCursor();
        platform_.dialogs.message(std::string(skrib::kUnclosedPoolMessage));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    placeCaret(first.offset);
}

void frmSkrib::ResetFormatting()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(state_.EditorFontSize);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    txtT->setFont(font);
    txtT->document()->setDefaultFont(font);
}

void frmSkrib::setFontSize(int k)
{
    state_.EditorFontSize = 10 + 2 * k;
    for (int i = 0; i < 4; ++i)
        mnuViewSize[static_cast<std::size_t>(i)]->setChecked(i == k);
    ResetFormatting();
    platform_.settings.saveInt(keys::Settings, keys::SkribFSize, state_.EditorFontSize);
}

namespace {

// Find and Replace stay open beside the editor; a second call brings the
// window that is already open to the front.
template <class Window>
void showSearchWindow(Window*& window, QPlainTextEdit& text, Platform& platform, QWidget* editor)
{
    if (!window) {
        window = new Window(text, platform, editor);
        // The window deletes itself once closed.
        window->onClosed = [&window] { window = nullptr; };
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void frmSkrib::showFind() { showSearchWindow(find_, *txtT, platform_, this); }

void frmSkrib::showReplace() { showSearchWindow(replace_, *txtT, platform_, this); }

// --- Closing ----------------------------------------------------------------------------------------

void frmSkrib::saveWindowPlace()
{
    if (isMinimized())
        return;
    platform_.settings.save(keys::Settings, keys::SkribposWS, isMaximized() ? "2" : "0");
    if (isMaximized())
        return;
    const QRect g = geometry();
    platform_.settings.saveNumber(keys::Settings, keys::SkribposL, pixelsToTwips(g.x()));
    platform_.settings.saveNumber(keys::Settings, keys::SkribposT, pixelsToTwips(g.y()));
    platform_.settings.saveNumber(keys::Settings, keys::SkribposW, pixelsToTwips(g.width()));
    platform_.settings.saveNumber(keys::Settings, keys::SkribposH, pixelsToTwips(g.height()));
}

void frmSkrib::closeEvent(QCloseEvent* event)
{
    if (!ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    saveWindowPlace();
    for (QWidget* tool : {static_cast<QWidget*>(find_), static_cast<QWidget*>(replace_), static_cast<QWidget*>(about_),
                          static_cast<QWidget*>(tip_)})
        if (tool)
            tool->close();
    event->accept();
    if (onProgramEnd)
        onProgramEnd();
}
