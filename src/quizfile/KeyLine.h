#pragma once

// The second line of an encrypted quiz file: random fillers around the text
// cipher's start, the author's enciphered password and the remember flag.

#include <optional>
#include <string>
#include <string_view>

#include "quizfile/Rng.h"

namespace quizfile {

inline constexpr int kMaxPasswordLength = 16;
inline constexpr int kMinKeyLineLength = 12;
inline constexpr unsigned char kKeyLineForget = 240;
inline constexpr unsigned char kKeyLineRemember = 241;

struct KeyLine {
    int passwordLength = 0;  // L, 1..16
    int fillerCount = 0;     // n, 0..9: fillers between position 11 and the password
    int textStart = 0;       // t, 0..31
    int passwordStart = 0;   // s, 0..31
    std::string storedPassword; // still enciphered
    bool remember = false;   // "Auto Save Encrypted (Remember Password)" when saved
};

// A password the key line can hold: 1..16 characters, none below code 32.
// The cipher does not restore control codes, so such a password could never
// be matched again and the file would stay locked for its own author.
bool isStorablePassword(std::string_view password);

// A new key line, 13..42 characters, none of them CR or LF. Empty when the
// password is not storable.
std::string makeKeyLine(std::string_view password, bool remember, Rng& rng);

// The fields of a key line, or nothing when the line is malformed (shorter
// than 12 characters, no remember flag at its end, or a password that would
// run into the flag).
std::optional<KeyLine> readKeyLine(std::string_view keyLine);

// The deciphered stored password equals the typed one exactly (letter case
// counts). False for a malformed key line.
bool passwordMatches(std::string_view keyLine, std::string_view typedPassword);
bool passwordMatches(const KeyLine& key, std::string_view typedPassword);

} // namespace quizfile
