#include "support/ScriptedDialogs.h"

#include "quizfile/Ansi.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool offers(MsgButtons buttons, MsgAnswer answer)
{
    switch (buttons) {
    case MsgButtons::Ok: return answer == MsgAnswer::Ok;
    case MsgButtons::OkCancel: return answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel;
    case MsgButtons::YesNo: return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case MsgButtons::YesNoCancel: return answer != MsgAnswer::Ok;
    }
    return false;
}

template <typename T>
std::optional<T> takeFront(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

const char* toString(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return "Ok";
    case MsgAnswer::Cancel: return "Cancel";
    case MsgAnswer::Yes: return "Yes";
    case MsgAnswer::No: return "No";
    }
    return "?";
}

const char* toString(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok: return "Ok";
    case MsgButtons::OkCancel: return "OkCancel";
    case MsgButtons::YesNo: return "YesNo";
    case MsgButtons::YesNoCancel: return "YesNoCancel";
    }
    return "?";
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (pending() != 0)
        ADD_FAILURE() << pending() << " queued dialog answer(s) were never asked for";
}

void ScriptedDialogs::expectMessage(MsgAnswer answer) { messageAnswers_.push_back(answer); }
void ScriptedDialogs::expectInput(std::optional<std::string> answer) { inputAnswers_.push_back(std::move(answer)); }
void ScriptedDialogs::expectOpenFile(std::string path) { openFileAnswers_.push_back(std::move(path)); }
void ScriptedDialogs::expectSaveFile(std::string path) { saveFileAnswers_.push_back(std::move(path)); }
void ScriptedDialogs::expectFont(std::optional<FontChoice> answer) { fontAnswers_.push_back(std::move(answer)); }
void ScriptedDialogs::expectFolder(std::optional<std::string> answer) { folderAnswers_.push_back(std::move(answer)); }

std::vector<std::string> ScriptedDialogs::messageTexts() const
{
    std::vector<std::string> texts;
    texts.reserve(messages_.size());
    for (const Message& m : messages_)
        texts.push_back(m.text);
    return texts;
}

std::size_t ScriptedDialogs::pending() const
{
    return messageAnswers_.size() + inputAnswers_.size() + openFileAnswers_.size() + saveFileAnswers_.size()
        + fontAnswers_.size() + folderAnswers_.size();
}

MsgAnswer ScriptedDialogs::message(const std::string& text, MsgIcon icon, MsgButtons buttons, const std::string& title)
{
    messages_.push_back({text, icon, buttons, title});
    const auto answer = takeFront(messageAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected message box: \"" << quizfile::ansiToUtf8(text) << '"';
        return MsgAnswer::Cancel;
    }
    if (!offers(buttons, *answer)) {
        ADD_FAILURE() << "Message box \"" << quizfile::ansiToUtf8(text) << "\" has buttons " << toString(buttons)
                      << ", the test answers " << toString(*answer);
    }
    return *answer;
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText)
{
    inputs_.push_back({prompt, title, defaultText});
    auto answer = takeFront(inputAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected input box: \"" << quizfile::ansiToUtf8(prompt) << '"';
        return std::nullopt;
    }
    return *answer;
}

std::string ScriptedDialogs::openFile(const std::string& title, const std::string& filter, const std::string& startFolder)
{
    openFiles_.push_back({title, filter, startFolder});
    auto answer = takeFront(openFileAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected open dialog: \"" << quizfile::ansiToUtf8(title) << "\" filter \""
                      << quizfile::ansiToUtf8(filter) << '"';
        return {};
    }
    return *answer;
}

std::string ScriptedDialogs::saveFile(const std::string& title, const std::string& filter,
                                      const std::string& suggestedName)
{
    saveFiles_.push_back({title, filter, suggestedName});
    auto answer = takeFront(saveFileAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected save dialog: \"" << quizfile::ansiToUtf8(title) << "\" filter \""
                      << quizfile::ansiToUtf8(filter) << '"';
        return {};
    }
    return *answer;
}

std::optional<FontChoice> ScriptedDialogs::pickFont(const FontChoice& initial)
{
    fontsOffered_.push_back(initial);
    auto answer = takeFront(fontAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected font picker, offering \"" << quizfile::ansiToUtf8(initial.name) << '"';
        return std::nullopt;
    }
    return *answer;
}

std::optional<std::string> ScriptedDialogs::browseFolder(const std::string& title)
{
    folderTitles_.push_back(title);
    auto answer = takeFront(folderAnswers_);
    if (!answer) {
        ADD_FAILURE() << "Unexpected folder browser: \"" << quizfile::ansiToUtf8(title) << '"';
        return std::nullopt;
    }
    return *answer;
}
