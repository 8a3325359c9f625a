#include "orba/state/QuizState.h"

void QuizState::resetForNewScript()
{
    ChapterCount = 0;
    BankCount = 0;
    Catalogue.clear();
    QuizCodes.clear();
    QuizLength = 0;
    BankQuestion.assign(1, {});
    BankKind.assign(1, {});
    BankAnswers.assign(1, {});
    BankHelp.assign(1, {});
    BankOrder.assign(1, {});
    QuizQuestion.assign(1, {});
    QuizKind.assign(1, {});
    QuizChoices.assign(1, {});
    QuizHelp.assign(1, {});
    TypedAnswer.assign(1, {});
    ChoiceChecked.assign(1, {});
    DropSlot.assign(1, {});
    ChapterNames.fill({});
    for (auto& pool : PoolEntries)
        pool.clear();
    PoolIndex.fill({});
    QuizTitle.clear();
    QuizAuthor.clear();
    QuizCompiler.clear();
    QuizModified.clear();
    MinVersion.clear();
    QuizNote.clear();
    TimerSeconds = 0;
    MonoFont = false;
    SequentialPick = false;
    RecycleIncorrect = false;
    FeedbackMode = 0;
    AvailableCount = 0;
}

void QuizState::resetTallies()
{
    ReachedNumber = 0;
    AnsweredCount = 0;
    CorrectCount = 0;
    IncorrectCount = 0;
    IncorrectList.assign(1, 0);
    ScorePercent.clear();
    ChapterAsked.fill(0);
    ChapterCorrect.fill(0);
    ChapterFlashCards.fill(0);
}

void QuizState::resetForRetake()
{
    resetTallies();
    ReviewingIncorrect = false;
    createAnswerArrays(QuizLength > BankCount ? QuizLength : BankCount);
}

void QuizState::createAnswerArrays(int upper)
{
    const auto n = static_cast<std::size_t>(upper < 0 ? 0 : upper) + 1;
    TypedAnswer.assign(n, {});
    ChoiceChecked.assign(n, {});
    DropSlot.assign(n, {});
}

int chapterOfCode(char letter)
{
    const int code = static_cast<unsigned char>(letter);
    const int chapter = code >= 97 ? code - 96 : code - 64;
    // A damaged saved test must not send a tally outside its array.
    return chapter >= 0 && chapter <= 25 ? chapter : 0;
}

int QuizState::chapterOfQuestion(int q) const
{
    const auto at = static_cast<std::size_t>(q) * 5 - 5;
    if (q < 1 || at >= QuizCodes.size())
        return 0;
    return chapterOfCode(QuizCodes[at]);
}
