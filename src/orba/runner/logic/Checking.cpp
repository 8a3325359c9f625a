#include "orba/runner/logic/Checking.h"

#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string replaceLineBreakTags(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(quizfile::kLineBreak); at != std::string_view::npos;
         at = text.find(quizfile::kLineBreak, from)) {
        out.append(text.substr(from, at - from));
        out += '\n';
        from = at + quizfile::kLineBreak.size();
    }
    out.append(text.substr(from));
    return out;
}

// Every line break as CR LF: the text box gives LF, the expected text is
// built with CR LF.
std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

std::string withoutTrailingCrLf(std::string text)
{
    if (endsWith(text, kCrLf))
        text.resize(text.size() - 2);
    return text;
}

// The row a drag item belongs in, from the digit that leads its slot; a
// slot without a digit belongs in the first row.
int dragTargetRow(const std::string& slot)
{
    if (!slot.empty() && slot[0] >= '0' && slot[0] <= '7')
        return slot[0] - '0';
    return 0;
}

} // namespace

QuestionLayout layoutOfKind(std::string_view kind)
{
    if (kind == quizfile::kFlashCard)
        return QuestionLayout::FlashCard;
    if (kind == quizfile::kBlank || kind == quizfile::kBlankCase)
        return QuestionLayout::Blank;
    if (kind == quizfile::kDragDrop)
        return QuestionLayout::DragDrop;
    if (kind == quizfile::kEssay || kind == quizfile::kEssayCase)
        return QuestionLayout::Essay;
    return QuestionLayout::Choices;
}

bool isTypingKind(std::string_view kind)
{
    const std::string u = quizfile::toUpperAnsi(kind);
    return u == quizfile::kBlank || u == quizfile::kEssay;
}

ChoicesCheck checkChoices(const AnswerSlots& choices, const std::array<bool, 8>& ticked)
{
    ChoicesCheck result;
    for (std::size_t j = 0; j < 8; ++j) {
        const bool correct = !choices[j].empty() && choices[j][0] == quizfile::kCorrectMark;
        if (correct && !ticked[j]) {
            result.wrong = true;
            result.marks[j] = ChoiceMark::ShouldBeChecked;
        } else if (!correct && ticked[j]) {
            result.wrong = true;
            result.marks[j] = ChoiceMark::ShouldBeUnchecked;
        }
    }
    return result;
}

bool hasChoiceComment(const std::string& slot)
{
    return endsWith(slot, "?>") && slot.find("<?") != std::string::npos;
}

std::string withoutChoiceComment(const std::string& slot)
{
    return hasChoiceComment(slot) ? slot.substr(0, slot.find("<?")) : slot;
}

std::string choiceComment(const std::string& slot)
{
    if (!hasChoiceComment(slot))
        return {};
    const std::size_t start = slot.find("<?") + 2;
    const std::size_t end = slot.size() - 2;
    // "<?>" opens and closes on the same question mark.
    return end > start ? slot.substr(start, end - start) : std::string();
}

std::string choiceCaption(int j, const std::string& slot)
{
    std::string text = withoutChoiceComment(slot);
    if (!text.empty() && text[0] == quizfile::kCorrectMark)
        text.erase(0, 1);
    return std::string(1, static_cast<char>('A' + j)) + ") " + text;
}

BlankCheck checkBlank(std::string_view kind, const AnswerSlots& choices, const std::string& typed)
{
    BlankCheck result;
    const bool exact = kind == quizfile::kBlankCase;
    const std::string typedUpper = quizfile::toUpperAnsi(typed);
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string& accepted = choices[k];
        if (accepted.empty())
            continue;
        if (exact ? accepted == typed : quizfile::toUpperAnsi(accepted) == typedUpper)
            result.wrong = false;
    }
    if (result.wrong) {
        for (std::size_t k = 0; k < 5 && !choices[k].empty(); ++k)
            result.shownAnswers.push_back(">" + choices[k]);
    }
    return result;
}

int dragItemCount(const AnswerSlots& choices)
{
    for (int k = 2; k < 8; ++k) {
        if (choices[static_cast<std::size_t>(k)].empty())
            return k;
    }
    return 8;
}

DragDropCheck checkDragDrop(const AnswerSlots& choices, const std::array<std::uint8_t, 9>& dropSlot)
{
    DragDropCheck result;
    result.items = dragItemCount(choices);
    for (int k = 1; k <= result.items; ++k) {
        const auto item = static_cast<std::size_t>(k);
        const std::string& slot = choices[item - 1];
        const int row = dragTargetRow(slot);
        const int box = dropSlot[item] == 0 ? k + 8 : dropSlot[item];
        result.inLeftColumn[item] = box >= 1 && box <= 8;
        result.listedIn[item] = row + 9;
        // An empty item (a question with one real item) must not blank out
        // the row listed for the real one.
        if (slot.size() > 1)
            result.listed[static_cast<std::size_t>(row + 9)] = slot.substr(1);
        result.itemRight[item] = box == row + 1;
        if (!result.itemRight[item])
            result.wrong = true;
    }
    return result;
}

EssayCheck checkEssay(std::string_view kind, const AnswerSlots& choices, const std::string& typed)
{
    EssayCheck result;
    for (const std::string& line : choices) {
        if (line.empty())
            break;
        if (!result.expected.empty())
            result.expected += kCrLf;
        result.expected += line;
    }
    result.shown = typed;
    if (endsWith(result.shown, kCrLf))
        result.shown.resize(result.shown.size() - 2);
    else if (endsWith(result.shown, "\n"))
        result.shown.pop_back();

    const std::string given = withoutTrailingCrLf(withCrLf(typed));
    const std::string& wanted = result.expected;
    result.wrong = kind == quizfile::kEssayCase ? given != wanted
                                                : quizfile::toUpperAnsi(given) != quizfile::toUpperAnsi(wanted);
    return result;
}

std::size_t pictureTagPos(std::string_view text)
{
    const std::size_t n = text.size();
    if (n < 5 || text[n - 1] != '>' || text[n - 5] != '.')
        return 0;
    // The rightmost "<" among positions 1..n-5 (1-based).
    const std::size_t at = text.substr(0, n - 5).rfind('<');
    return at == std::string_view::npos ? 0 : at + 1;
}

std::string withoutPictureTag(std::string_view text)
{
    const std::size_t p = pictureTagPos(text);
    return std::string(p == 0 ? text : text.substr(0, p - 1));
}

std::string pictureTagName(std::string_view text)
{
    const std::size_t p = pictureTagPos(text);
    if (p == 0)
        return {};
    return std::string(text.substr(p, text.size() - p - 1));
}

std::string shownQuestionText(std::string_view question) { return replaceLineBreakTags(withoutPictureTag(question)); }

std::string helpBoxText(const std::string& help, const AnswerSlots& choices, const std::array<bool, 8>& ticked,
                        bool choicesOnScreen)
{
    std::string text;
    if (choicesOnScreen) {
        for (std::size_t j = 0; j < 8; ++j) {
            if (!ticked[j] || !hasChoiceComment(choices[j]))
                continue;
            if (!text.empty())
                text += " | ";
            text += "ANSWER ";
            text += static_cast<char>('A' + j);
            text += ": " + choiceComment(choices[j]);
        }
    }
    if (text.empty() && !help.empty()) {
        // Past the "?" that marks a help line, and before its picture tag.
        const std::string body = withoutPictureTag(help);
        text = replaceLineBreakTags(body.size() > 1 ? std::string_view(body).substr(1) : std::string_view());
    }
    return text;
}

bool hasHelp(const std::string& help, const AnswerSlots& choices, const std::array<bool, 8>& ticked,
             bool choicesOnScreen)
{
    if (!help.empty())
        return true;
    if (!choicesOnScreen)
        return false;
    for (std::size_t j = 0; j < 8; ++j) {
        if (ticked[j] && hasChoiceComment(choices[j]))
            return true;
    }
    return false;
}
