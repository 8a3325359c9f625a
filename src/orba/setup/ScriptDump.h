#pragma once

// The bank as one JSON object, so that authors can see how a script reads.

#include <string>

struct QuizState;

std::string scriptDumpJson(const QuizState& state);
