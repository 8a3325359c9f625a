#pragma once

// Judging an answer by the rule of its kind. Each check works on the
// question's choice slots and the stored answer, and says what the window
// marks; the window draws only that.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using AnswerSlots = std::array<std::string, 8>;

enum class QuestionLayout { Choices, Blank, DragDrop, Essay, FlashCard };

// The layout of a kind tag, compared exactly: "[FC]", "[BL]"/"[bL]",
// "[DD]", "[ES]"/"[eS]"; anything else is multiple choice.
QuestionLayout layoutOfKind(std::string_view kind);

// Blank and essay questions take letters and number-pad keys for their text
// box (the kind upper-cased is "[BL]" or "[ES]").
bool isTypingKind(std::string_view kind);

// --- Multiple choice ---------------------------------------------------------

enum class ChoiceMark : std::uint8_t { None, ShouldBeChecked, ShouldBeUnchecked };

struct ChoicesCheck {
    bool wrong = false;
    std::array<ChoiceMark, 8> marks{};
};
// Right only when the ticked set equals the starred set exactly.
ChoicesCheck checkChoices(const AnswerSlots& choices, const std::array<bool, 8>& ticked);

// The slot text without a trailing choice comment "<?...?>".
std::string withoutChoiceComment(const std::string& slot);
// Whether the slot ends with "?>" and holds a "<?".
bool hasChoiceComment(const std::string& slot);
// The comment between the first "<?" and the final "?>", or empty.
std::string choiceComment(const std::string& slot);
// "A) " + text without its star and comment, for slot j.
std::string choiceCaption(int j, const std::string& slot);

// --- Fill in the blank ---------------------------------------------------------

struct BlankCheck {
    bool wrong = true;
    // The accepted answers to show under a wrong answer, each ">" + text,
    // up to the first empty slot (at most five).
    std::vector<std::string> shownAnswers;
};
// "[BL]" ignores letter case, "[bL]" does not; nothing is trimmed; an empty
// answer is never right; slots 0..4 are the accepted answers.
BlankCheck checkBlank(std::string_view kind, const AnswerSlots& choices, const std::string& typed);

// --- Drag and drop ---------------------------------------------------------------

// The number of drag items: the index of the first empty slot among 2..7,
// else 8. Never fewer than two.
int dragItemCount(const AnswerSlots& choices);

struct DragDropCheck {
    bool wrong = false;
    int items = 2;
    // For item k (1..items): the right-column box (9..16) that lists it after
    // checking, and whether the item lies in its own target box.
    std::array<int, 9> listedIn{};
    std::array<bool, 9> itemRight{};
    // Whether item k lies in the left column and stays visible; the others
    // are hidden by the check, with or without feedback.
    std::array<bool, 9> inLeftColumn{};
    // The text shown in right-column box b (9..16) after checking.
    std::array<std::string, 17> listed;
};
// dropSlot[k] is the box (1..16) item k lies in; 0 counts as its home box.
DragDropCheck checkDragDrop(const AnswerSlots& choices, const std::array<std::uint8_t, 9>& dropSlot);

// --- Typed answer (essay) -------------------------------------------------------------

struct EssayCheck {
    bool wrong = false;
    std::string expected; // slot lines joined with CR LF, up to the first empty slot
    std::string shown;    // the typed text without one trailing line break (CR LF or LF)
};
// "[eS]" compares exactly; "[ES]" compares both upper-cased; one trailing
// line break is dropped from both before comparing. Line breaks typed as LF
// (as a Qt text box gives them) compare equal to CR LF.
EssayCheck checkEssay(std::string_view kind, const AnswerSlots& choices, const std::string& typed);

// --- Pictures and help -----------------------------------------------------------------

// 1-based position of the "<" of a picture tag ending the text ("<name.ext>"
// with a three-letter extension), or 0 when there is none.
std::size_t pictureTagPos(std::string_view text);
// The text before the tag (all of it without one).
std::string withoutPictureTag(std::string_view text);
// The file name inside the tag, or empty.
std::string pictureTagName(std::string_view text);

// The question as shown: text before the picture tag, "[CR]" (exact case)
// turned into line breaks ("\n").
std::string shownQuestionText(std::string_view question);

// The text of the help box: the comments of ticked choices ("ANSWER B: ..."
// joined by " | ") when choices are on screen and any has one; otherwise the
// help comment without its leading "?" and its picture tag, "[CR]" as line
// breaks. Empty when there is no help.
std::string helpBoxText(const std::string& help, const AnswerSlots& choices, const std::array<bool, 8>& ticked,
                        bool choicesOnScreen);
// Whether the help button appears after an answer.
bool hasHelp(const std::string& help, const AnswerSlots& choices, const std::array<bool, 8>& ticked,
             bool choicesOnScreen);
