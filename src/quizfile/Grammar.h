#pragma once

// The words of the quiz script grammar, shared by orba and skrib.

#include <array>
#include <string>
#include <string_view>

namespace quizfile {

inline constexpr std::string_view kEncryptedMagic = "[ENCRYPTED ORBA QUIZ FILE]";

inline constexpr std::string_view kTitleKey = "TITL:";
inline constexpr std::string_view kAuthorKey = "AUTH:";
inline constexpr std::string_view kCompilerKey = "COMP:";
inline constexpr std::string_view kModifiedKey = "MODI:";
inline constexpr std::string_view kMinVersionKey = "MVER:";
inline constexpr std::string_view kNoteKey = "NOTE:";
inline constexpr std::string_view kTimeKey = "TIME:";
inline constexpr std::array<std::string_view, 7> kHeaderKeys = {
    kTitleKey, kAuthorKey, kCompilerKey, kModifiedKey, kMinVersionKey, kNoteKey, kTimeKey};

inline constexpr std::string_view kUserTime = "<USER>";

inline constexpr std::string_view kOptionMono = "<MONO>";
inline constexpr std::string_view kOptionSequential = "<SEQQ>";
inline constexpr std::string_view kOptionRecycle = "<RECY>";
inline constexpr std::string_view kOptionNoFeedback = "<NOFB>";

inline constexpr std::string_view kFlashCard = "[FC]";
inline constexpr std::string_view kBlank = "[BL]";
inline constexpr std::string_view kBlankCase = "[bL]";
inline constexpr std::string_view kDragDrop = "[DD]";
inline constexpr std::string_view kWrittenOrder = "[SO]";
inline constexpr std::string_view kMultipleChoice = "[MC]";
inline constexpr std::string_view kEssay = "[ES]";
inline constexpr std::string_view kEssayCase = "[eS]";

inline constexpr std::string_view kLineBreak = "[CR]";
inline constexpr char kChapterMark = '\'';
inline constexpr char kCorrectMark = '*';
inline constexpr char kHelpMark = '?';

inline constexpr int kMaxQuestions = 9999;
inline constexpr int kMaxChapters = 25;
inline constexpr int kAnswerSlots = 8;
inline constexpr int kMaxPools = 20;
inline constexpr int kMaxPoolEntries = 1000;

// The kind a tag line names, as stored: upper case, except that exactly
// "[bL]" and "[eS]" keep their letter case. Empty when the line is no tag.
std::string kindTagOf(std::string_view line);

// The header key the line starts with (its first five characters, any letter
// case), or empty.
std::string_view headerKeyOf(std::string_view line);

// "[POOLA]".."[POOLT]" and their end lines, for pool index 0..19.
std::string poolStartLine(int pool);
std::string poolEndLine(int pool);

// Pool number 1..20 of a pool kind "[PA]".."[PT]", else 0.
int poolNumberOfKind(std::string_view kind);

} // namespace quizfile
