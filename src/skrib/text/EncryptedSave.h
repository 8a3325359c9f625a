#pragma once

// What an encrypted save writes. The line cipher keeps every character from
// code 32 up and nothing below it, so tabs and other control characters are
// saved as spaces rather than coming back as letters.

#include "quizfile/Rng.h"

#include <string>
#include <string_view>
#include <vector>

namespace skrib {

struct EncryptedSave {
    std::string bytes;            // empty when the password cannot be used
    std::size_t controlsReplaced = 0;
};

// `text` is the script with CR LF between lines (doubled CRs are collapsed
// first, as every save does).
EncryptedSave encryptedSaveBytes(std::string_view text, const std::string& keyLine);

} // namespace skrib
