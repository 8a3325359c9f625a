#pragma once

#include "skrib/frmFind.h"

#include <QDialog>

#include <functional>

// " Replace": the Find window with a replace text, "[CR]", "Replace" and
// "Replace All" (the default button).
class frmReplace final : public SearchWindow {
public:
    frmReplace(QPlainTextEdit& txtT, Platform& platform, QWidget* owner = nullptr);

    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCR_Click();

    QLabel* lblReplace;
    QLineEdit* txtReplace;
    QPushButton* cmdCR;
    // A line edit does not show line breaks; this says how many the replace text holds.
    QLabel* lblBreaks;
    QPushButton* cmdReplace;
    QPushButton* cmdReplaceAll;
};
