#pragma once

// The tally box of the quiz window: question number and running score.

#include <cstdint>
#include <string>

struct QuizState;
class LanguageTable;

struct TallyLook {
    std::string text;        // lines joined with "\r\n"
    std::uint32_t foreBgr = 0; // &HBBGGRR
    std::uint32_t backBgr = 0;
};

// answerable: the shown question is the one being answered and not yet
// submitted; flashCard: the shown question is a flash card; shownWrong: the
// last check of the shown question.
TallyLook tallyLook(const QuizState& state, const LanguageTable& lang, bool answerable, bool flashCard,
                    bool shownWrong);
