#pragma once

// Recorded responses to right ("C") and wrong ("W") answers: files
// C00.mp3..C99.mp3 and W00.mp3..W99.mp3 in the folder ~Sounds.

#include <string>

namespace quizfile { class Rng; }

// The highest n for which KIND + "0#" + ".mp3" exists in the folder; 0 when none.
int soundTop(const std::string& soundFolder, char kind);

// The file of a response picked from 0..top, or empty when that file is
// missing (a gap in the numbering plays nothing).
std::string responseFile(const std::string& soundFolder, char kind, int top, quizfile::Rng& rng);
