#pragma once

#include "skrib/frmFind.h"

#include <QDialog>

#include <functional>

// " Replace": the Find window with a replace text, "[CR]", "Replace" and
// "Replace All" (the default button). It deletes itself when closed and
// calls onClosed first. The owner (the editor's window when none is given)
// keeps it above itself.
class frmReplace final : public QDialog {
public:
    frmReplace(QPlainTextEdit& txtT, Platform& platform, QWidget* owner = nullptr);

    void cmdFindNext_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCR_Click();

    std::function<void()> onClosed;

    QLabel* lblFind;
    QLineEdit* txtFind;
    QLabel* lblReplace;
    QLineEdit* txtReplace;
    QPushButton* cmdCR;
    // A line edit does not show line breaks; this says how many the replace text holds.
    QLabel* lblBreaks;
    QPushButton* cmdFindNext;
    QPushButton* cmdReplace;
    QPushButton* cmdReplaceAll;
    QPushButton* cmdCancel;
    QGroupBox* fraDirection;
    QRadioButton* optUp;
    QRadioButton* optDown;
    QCheckBox* chkCase;

private:
    skrib::SearchDirection direction() const;

    EditorSearch search_;
};
