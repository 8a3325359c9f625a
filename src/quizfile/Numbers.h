#pragma once

#include <string>
#include <string_view>

namespace quizfile {

// The leading decimal number of a text: optional blanks, an optional sign,
// digits with an optional fraction and exponent. "1.5abc" gives 1.5; text
// without a number gives 0.
double leadingNumber(std::string_view text);

// Rounding to a whole number, halves to the even neighbour (2.5 -> 2).
long long roundHalfEven(double value);

// Percentages shown to the user: halves away from zero (62.5 -> 63).
long long roundHalfAway(double value);

// "75%" for 3 of 4; the caller guarantees total > 0.
std::string percentText(long long part, long long total);

// Zero-padded decimal with at least `digits` digits ("0#" is 2, "000#" is 4).
std::string zeroPadded(long long value, int digits);

// Whole-number text of a number that may have a fraction, as the settings
// store writes positions: "120" or "120.5".
std::string shortNumberText(double value);

} // namespace quizfile
