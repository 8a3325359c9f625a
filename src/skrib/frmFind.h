#pragma once

#include "skrib/text/FindReplace.h"

#include <QDialog>

#include <functional>

struct Platform;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Find Next, Replace and Replace All on the editor's text box, as both search
// windows run them. It keeps what a window remembers from its opening:
// whether a match was found.
class EditorSearch final {
public:
    EditorSearch(Platform& platform, QPlainTextEdit& editor);

    // Selects the next match and gives the editor the focus: true. Otherwise
    // shows why the search ended (nothing for an empty find text): false,
    // and the window closes.
    bool findNext(const QString& what, skrib::SearchDirection direction, bool caseSensitive);
    // Replaces the selection, whatever it holds, and searches on: false when
    // the window closes. Without a selection it only says so.
    bool replace(const QString& what, const QString& with, skrib::SearchDirection direction, bool caseSensitive);
    // Every exact occurrence, in one undo step.
    void replaceAll(const QString& what, const QString& with);

private:
    bool select(const skrib::FindResult& result, skrib::SearchDirection direction, const QString& shown);

    Platform& platform_;
    QPlainTextEdit& editor_;
    bool found_ = false;
};

// The editor's text as the widget counts it, with "\n" between lines.
QString shownEditorText(const QPlainTextEdit& editor);

// The frame "Direction from Cursor" with "Up" and "Down" (chosen), as both
// search windows show it.
QGroupBox* directionFrame(QWidget* parent, QRadioButton*& optUp, QRadioButton*& optDown);

// What the Find and Replace windows share: the find text, the direction,
// the case tick, Find Next and Cancel. A search window is a tool window over
// the editor that searches its text box; it deletes itself when closed and
// calls onClosed first. The owner (the editor's window when none is given)
// keeps it above itself.
class SearchWindow : public QDialog {
public:
    void cmdFindNext_Click();

    std::function<void()> onClosed;

    QLabel* lblFind;
    QLineEdit* txtFind;
    QPushButton* cmdFindNext;
    QPushButton* cmdCancel;
    QGroupBox* fraDirection;
    QRadioButton* optUp;
    QRadioButton* optDown;
    QCheckBox* chkCase;

protected:
    SearchWindow(QPlainTextEdit& txtT, Platform& platform, QWidget* owner, const QString& name, const QString& title);
    // Once the window is laid out: the shared buttons act and it is centred.
    void finishSetup();
    skrib::SearchDirection direction() const;

    EditorSearch search_;
};

// " Find".
class frmFind final : public SearchWindow {
public:
    frmFind(QPlainTextEdit& txtT, Platform& platform, QWidget* owner = nullptr);
};
