#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QString>

// The dialogs on Qt Widgets: QMessageBox, QInputDialog, QFileDialog,
// QFontDialog, all modal to the owner window.
class QtDialogs final : public Dialogs {
public:
    // programTitle (Windows-1252) is the title of messages given none.
    explicit QtDialogs(std::string programTitle = "ORBA");

    void setOwner(QWidget* owner) override;
    QWidget* owner() const override;

    MsgAnswer message(const std::string& text, MsgIcon icon = MsgIcon::None,
                      MsgButtons buttons = MsgButtons::Ok, const std::string& title = {}) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string openFile(const std::string& title, const std::string& filter,
                         const std::string& startFolder = {}) override;
    std::string saveFile(const std::string& title, const std::string& filter,
                         const std::string& suggestedName = {}) override;
    std::optional<FontChoice> pickFont(const FontChoice& initial) override;
    std::optional<std::string> browseFolder(const std::string& title) override;

private:
    QWidget* parentWidget() const;
    QString titleOr(const std::string& title) const;

    std::string programTitle_;
    QPointer<QWidget> owner_;
};
