#pragma once

#include <QDialog>

#include <optional>
#include <string>

class LanguageTable;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the time limit of a quiz that lets the user set it.
class frmGetTime final : public QDialog {
public:
    explicit frmGetTime(const LanguageTable& lang, QWidget* parent = nullptr);

    // The text typed when OK was pressed; nothing when the dialog was closed
    // any other way.
    std::optional<std::string> ask();

    QLabel* lblAllows;
    QLabel* lblUserSets;
    QLabel* lblEnterUsing;
    QLineEdit* txtTime;
    QPushButton* cmdOK;
};
