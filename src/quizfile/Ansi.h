#pragma once

// Scripts, saved tests, tips and settings are Windows-1252 bytes held in
// std::string. These are the only conversions to and from Unicode.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quizfile {

// The Unicode code point of a Windows-1252 byte (0x80 is the euro sign;
// the five unassigned bytes map to their C1 control code points).
char16_t ansiToUnicode(unsigned char byte);

std::u16string ansiToUtf16(std::string_view ansi);
std::string ansiToUtf8(std::string_view ansi);

// Characters Windows-1252 cannot hold become '?'; their number is added to
// *unmappable when given.
std::string utf16ToAnsi(std::u16string_view text, std::size_t* unmappable = nullptr);
std::string utf8ToAnsi(std::string_view utf8, std::size_t* unmappable = nullptr);

// The bytes as Windows-1252 when they are UTF-8 by the rule below, in one
// pass; nothing when they are not (then they are Windows-1252 already).
std::optional<std::string> convertedFromUtf8(std::string_view bytes, std::size_t* unmappable = nullptr);

// True when the bytes are valid UTF-8 and hold at least one multi-byte
// sequence, or start with a UTF-8 byte-order mark.
bool looksLikeUtf8(std::string_view bytes);

} // namespace quizfile

#ifdef QT_CORE_LIB
#include <QString>
namespace quizfile {
inline QString toQString(std::string_view ansi) { return QString::fromStdU16String(ansiToUtf16(ansi)); }
inline std::string fromQString(const QString& text, std::size_t* unmappable = nullptr) { return utf16ToAnsi(text.toStdU16String(), unmappable); }
} // namespace quizfile
#endif
