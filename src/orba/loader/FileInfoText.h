#pragma once

// The texts of the quiz information screen.

#include <string>

struct QuizState;
class LanguageTable;

// Title defaults to the quiz name and is cut to 44 characters; author and
// compiler are cut too; the minimum version defaults to "2.63".
void applyFileInfoDefaults(QuizState& state);

// The four information lines, each label right-aligned in 11 characters,
// each line ending in CR LF.
std::string fileInfoLines(const QuizState& state, const LanguageTable& lang);

// "NOTE: " + note + CR LF, or empty without a note.
std::string fileInfoNote(const QuizState& state, const LanguageTable& lang);

// "Timer = 10:00" or "No Timer".
std::string timerInfoText(int seconds, const LanguageTable& lang);

// " ORBA v3.0", the start of every orba window caption.
std::string programCaption();
