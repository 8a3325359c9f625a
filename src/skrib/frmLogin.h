#pragma once

#include <QDialog>

struct SkribState;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the password of an encrypted quiz file.
class frmLogin final : public QDialog {
public:
    frmLogin(SkribState& state, bool remember, QWidget* parent = nullptr);

    // OK stores the password and the remember tick in the state; Cancel
    // empties the password. True when OK was pressed.
    bool ask();

    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QCheckBox* chkAutoSaveEncrypted;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    SkribState& state_;
};
