#pragma once

// The encrypted quiz file: the magic line, the key line, then one enciphered
// line per script line, all joined by CR LF with none after the last.

#include <string>
#include <string_view>
#include <vector>

#include "quizfile/KeyLine.h"
#include "quizfile/Result.h"
#include "quizfile/Rng.h"

namespace quizfile {

inline constexpr std::string_view kNotEncryptedMessage = "This is not an encrypted quiz file.";
inline constexpr std::string_view kMalformedKeyLineMessage =
    "Improper Encryption Format.  This file may be unrecoverable.";
inline constexpr std::string_view kWrongPasswordMessage = "Invalid Password.";

// The first line (ended by CR LF or CR) is exactly the magic line. Anything
// else is a plain script.
bool isEncrypted(std::string_view fileBytes);

// The checked key line of an encrypted file, so that the editor can preset
// the remember box before it asks for the password. Fails with
// kNotEncryptedMessage or kMalformedKeyLineMessage.
Result<KeyLine> encryptedKeyLine(std::string_view fileBytes);

// The plain script lines, for the editor. Lines end only at CR LF or CR: an
// LF byte in a key line written elsewhere belongs to that line. A final line
// end leaves an empty last line, as the editor splits its text. Fails with
// kNotEncryptedMessage, kMalformedKeyLineMessage or kWrongPasswordMessage.
Result<std::vector<std::string>> readEncrypted(std::string_view fileBytes, std::string_view password);

// The whole file with a fresh key line; empty when the password is not
// storable (see isStorablePassword), so that nothing gets written.
std::string writeEncrypted(const std::vector<std::string>& plainLines, std::string_view password,
                           bool remember, Rng& rng);

// The same with a key line already made.
std::string writeEncryptedWithKeyLine(const std::vector<std::string>& plainLines, std::string_view keyLine);

} // namespace quizfile
