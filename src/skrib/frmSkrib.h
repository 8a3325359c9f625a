#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>

struct Platform;
struct SkribState;
class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class frmAbout;
class frmFind;
class frmQTip;
class frmReplace;

// The Quiz Script Editor: one plain-text box holding the whole script, the
// file commands (plain and encrypted), and the tool windows.
class frmSkrib final : public QMainWindow {
public:
    frmSkrib(SkribState& state, Platform& platform, QWidget* parent = nullptr);
    ~frmSkrib() override;

    // Places the window, sets the font size, shows it and the tip of the day.
    void start();

    std::function<void()> onProgramEnd;

    // The script as the commands see it: Windows-1252, lines joined by CR LF.
    std::string scriptText() const;
    void setScriptText(const std::string& text);
    // The caret as an offset into scriptText().
    std::size_t caretOffset() const;

    // Commands, public so that tests can drive them as the menus do.
    void newScript();
    void openScript();
    bool openFile(const std::string& path);
    void save();
    void saveAs();
    void saveEncrypted();
    void saveEncryptedAs();
    bool SaveScript(bool encrypted);
    bool ConfirmDiscardChanges();
    void addFileInfo();
    void jumpToQuestion1();
    void ResetFormatting();
    void setFontSize(int k);
    void openRecentFile(int n);
    void convertTxtToQzf();
    void revertQzfToTxt();
    void showFind();
    void showReplace();

    QPlainTextEdit* txtT;
    QToolBar* Toolbar1;
    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuFileSaveEncrypted;
    QAction* mnuFileSaveEncryptedAs;
    std::array<QAction*, 4> mnuEditorPreviousFile;
    QAction* mnuEditorPreviousFileLine;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
    QAction* mnuEditFileInfo;
    QAction* mnuEditJumpQ1;
    QAction* mnuEditFind;
    QAction* mnuEditReplace;
    QMenu* mnuView;
    std::array<QAction*, 4> mnuViewSize;
    QMenu* mnuConvert;
    QAction* mnuConvertToQzf;
    QAction* mnuRevertToTxt;
    QMenu* mnuMisc;
    QAction* mnuMiscUnformatted;
    QMenu* mnuDownload;
    QAction* mnuDownloadQuizzes;
    QMenu* mnuHelp;
    QAction* mnuHelpContents;
    QAction* mnuHelpAbout;
    frmFind* findWindow() const { return find_; }
    frmReplace* replaceWindow() const { return replace_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void refreshRecentFiles();
    void rememberFile(const std::string& path);
    void updateTitle();
    void placeCaret(std::size_t offset);
    void saveWindowPlace();
    bool saveAsWith(bool encrypted);

    SkribState& state_;
    Platform& platform_;
    frmFind* find_ = nullptr;
    frmReplace* replace_ = nullptr;
    frmAbout* about_ = nullptr;
    frmQTip* tip_ = nullptr;
    bool closingByProgram_ = false;
};
