#pragma once

// Dialogs that answer from queues the test fills beforehand, and record every
// dialog shown. A dialog the test did not queue an answer for fails the test
// at once and is answered with Cancel (or nothing); answers still queued when
// the object goes away fail the test too.

#include "platform/Dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        std::string text;
        MsgIcon icon;
        MsgButtons buttons;
        std::string title;
    };
    struct Input {
        std::string prompt;
        std::string title;
        std::string defaultText;
    };
    struct FileDialog {
        std::string title;
        std::string filter;
        std::string folderOrName; // the start folder, or the suggested name
    };

    ScriptedDialogs() = default;
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The answers, in the order the dialogs of each kind will be shown.
    void expectMessage(MsgAnswer answer = MsgAnswer::Ok);
    void expectInput(std::optional<std::string> answer);
    void expectOpenFile(std::string path); // "" answers as a cancelled dialog
    void expectSaveFile(std::string path);
    void expectFont(std::optional<FontChoice> answer);
    void expectFolder(std::optional<std::string> answer);

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<Input>& inputs() const { return inputs_; }
    const std::vector<FileDialog>& openFiles() const { return openFiles_; }
    const std::vector<FileDialog>& saveFiles() const { return saveFiles_; }
    const std::vector<FontChoice>& fontsOffered() const { return fontsOffered_; }
    const std::vector<std::string>& folderTitles() const { return folderTitles_; }
    // The texts of all messages shown, for one-line assertions.
    std::vector<std::string> messageTexts() const;
    // Answers queued but not yet asked for.
    std::size_t pending() const;

    void setOwner(QWidget* owner) override { owner_ = owner; }
    QWidget* owner() const override { return owner_; }

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
    std::deque<MsgAnswer> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::string> openFileAnswers_;
    std::deque<std::string> saveFileAnswers_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::deque<std::optional<std::string>> folderAnswers_;

    std::vector<Message> messages_;
    std::vector<Input> inputs_;
    std::vector<FileDialog> openFiles_;
    std::vector<FileDialog> saveFiles_;
    std::vector<FontChoice> fontsOffered_;
    std::vector<std::string> folderTitles_;

    QWidget* owner_ = nullptr;
};

// For readable failure messages.
const char* toString(MsgAnswer answer);
const char* toString(MsgButtons buttons);
