#include "quizfile/Grammar.h"

#include "quizfile/Lines.h"

namespace quizfile {

std::string kindTagOf(std::string_view line)
{
    if (line.size() != 4 || line.front() != '[' || line.back() != ']')
        return {};
    if (line == kBlankCase || line == kEssayCase)
        return std::string(line);
    const std::string up = toUpperAscii(line);
    for (std::string_view tag : {kFlashCard, kBlank, kDragDrop, kWrittenOrder, kMultipleChoice, kEssay})
        if (up == tag)
            return up;
    if (up[1] == 'P' && up[2] >= 'A' && up[2] <= 'T')
        return up;
    return {};
}

std::string_view headerKeyOf(std::string_view line)
{
    if (line.size() < 5)
        return {};
    const std::string head = toUpperAscii(line.substr(0, 5));
    for (std::string_view key : kHeaderKeys)
        if (head == key)
            return key;
    return {};
}

std::string poolStartLine(int pool) { return std::string("[POOL") + static_cast<char>('A' + pool) + "]"; }

std::string poolEndLine(int pool) { return std::string("[/POOL") + static_cast<char>('A' + pool) + "]"; }

int poolNumberOfKind(std::string_view kind)
{
    if (kind.size() == 4 && kind[0] == '[' && (kind[1] == 'P' || kind[1] == 'p') && kind[3] == ']') {
        const char letter = static_cast<char>(kind[2] & ~0x20);
        if (letter >= 'A' && letter <= 'T')
            return letter - 'A' + 1;
    }
    return 0;
}

} // namespace quizfile
