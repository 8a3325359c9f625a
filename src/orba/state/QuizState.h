#pragma once

// The one record of orba: the script's identity and header, the question bank
// as loaded, the quiz drawn from it, the answers and the running tally.
// Arrays keep index 0; arrays indexed by question number use 1..n; answer
// slots are 0..7 (shown as A) to H)).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using AnswerSlots = std::array<std::string, 8>;

struct QuizState {
    // Script identity and header. Paths are native (UTF-8) file names; every
    // other text is Windows-1252.
    std::string QuizPath;
    std::string PendingPath;
    std::string QuizName;
    std::string PictureFolder;
    std::string QuizTitle;
    std::string QuizAuthor;
    std::string QuizCompiler;
    std::string QuizModified;
    std::string MinVersion;
    std::string QuizNote;
    int TimerSeconds = 0;
    bool MonoFont = false;
    bool RecycleIncorrect = false;
    // 0 feedback shown; -1 no feedback; +1 a no-feedback quiz under review.
    int FeedbackMode = 0;
    int BankCount = 0;
    int ChapterCount = 0;
    std::array<std::string, 26> ChapterNames;

    // Question bank (written by the loader, read by assembly).
    std::string Catalogue;
    std::vector<std::string> BankQuestion;
    std::vector<std::string> BankKind;
    std::vector<AnswerSlots> BankAnswers;
    std::vector<std::string> BankHelp;
    std::vector<std::string> BankOrder;
    std::array<std::vector<std::string>, 20> PoolEntries;
    std::array<std::string, 20> PoolIndex;
    int AvailableCount = 0;
    bool SequentialPick = false;

    // The assembled quiz.
    int QuizLength = 0;
    std::string QuizCodes;
    std::vector<std::string> QuizQuestion;
    std::vector<std::string> QuizKind;
    std::vector<AnswerSlots> QuizChoices;
    std::vector<std::string> QuizHelp;

    // Answers and progress.
    std::vector<std::string> TypedAnswer;
    std::vector<std::array<bool, 8>> ChoiceChecked;
    std::vector<std::array<std::uint8_t, 9>> DropSlot;
    int ReachedNumber = 0;
    int ShownNumber = 0;
    int AnsweredCount = 0;
    int CorrectCount = 0;
    int IncorrectCount = 0;
    std::vector<int> IncorrectList{0};
    bool ReviewingIncorrect = false;
    int ReviewPosition = 0;
    std::string ScorePercent;
    std::array<int, 26> ChapterAsked{};
    std::array<int, 26> ChapterCorrect{};
    std::array<int, 26> ChapterFlashCards{};
    std::string WindowMode;
    bool LoadingSavedQuiz = false;
    int PrintMode = 0;

    // Done by the chapter window before each load. Leaves QuizPath,
    // PendingPath, WindowMode and the tallies alone.
    void resetForNewScript();
    // Done by the quiz window when it loads.
    void resetTallies();
    // Done for a retake: the tallies, and the answers made anew.
    void resetForRetake();
    // Empty answer arrays with upper bound `upper`.
    void createAnswerArrays(int upper);

    // Chapter number of quiz question q (1..QuizLength): its code letter
    // minus 64, or minus 96 for a lower-case letter.
    int chapterOfQuestion(int q) const;
};

// Chapter number of a five-character question code's letter.
int chapterOfCode(char letter);
