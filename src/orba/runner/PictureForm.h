#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>

struct Platform;
class QLabel;

// A window showing one picture of the quiz at its own size, or where the
// picture should have been, "FILE NOT FOUND.". It remembers where the user
// left it.
class PictureForm : public QDialog {
public:
    // Opens the picture over the quiz window (geometry in screen pixels).
    void open(const std::string& path, const QRect& quizWindow, bool onTop);

    // Called once the window has closed, however it closed.
    std::function<void()> onClosed;

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;

protected:
    PictureForm(Platform& platform, std::string_view leftKey, std::string_view topKey, QWidget* parent);
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Platform& platform_;
    std::string_view leftKey_;
    std::string_view topKey_;
};

// The question's picture.
class frmPicForm final : public PictureForm {
public:
    frmPicForm(Platform& platform, QWidget* parent = nullptr);
};

// The picture that explains the answer.
class frmHelpPicForm final : public PictureForm {
public:
    frmHelpPicForm(Platform& platform, QWidget* parent = nullptr);
};
