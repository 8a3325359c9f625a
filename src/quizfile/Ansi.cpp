#include "quizfile/Ansi.h"

#include <array>

namespace quizfile {
namespace {

// Bytes 0x80-0x9F of Windows-1252. The five unassigned bytes keep their C1
// code points so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int unicodeToAnsi(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes there are not well-formed UTF-8 (overlongs and surrogates included).
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2; cp = b0 & 0x1F; min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3; cp = b0 & 0x0F; min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4; cp = b0 & 0x07; min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

char16_t ansiToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

std::u16string ansiToUtf16(std::string_view ansi)
{
    std::u16string out;
    out.reserve(ansi.size());
    for (char c : ansi)
        out += ansiToUnicode(static_cast<unsigned char>(c));
    return out;
}

std::string ansiToUtf8(std::string_view ansi)
{
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (char c : ansi)
        appendUtf8(out, ansiToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string utf16ToAnsi(std::u16string_view text, std::size_t* unmappable)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        // A surrogate pair is one character and becomes one '?'.
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i, cp = 0x10000;
        const int b = unicodeToAnsi(cp);
        if (b < 0) {
            out += '?';
            if (unmappable)
                ++*unmappable;
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

std::string utf8ToAnsi(std::string_view utf8, std::size_t* unmappable)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            // Not UTF-8 after all: keep the byte as it is.
            out += utf8[i++];
            continue;
        }
        const int b = unicodeToAnsi(cp);
        if (b < 0) {
            out += '?';
            if (unmappable)
                ++*unmappable;
        } else {
            out += static_cast<char>(b);
        }
        i += len;
    }
    return out;
}

std::optional<std::string> convertedFromUtf8(std::string_view bytes, std::size_t* unmappable)
{
    const bool bom = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    std::string out;
    out.reserve(bytes.size());
    bool multiByte = false;
    std::size_t bad = 0;
    std::size_t i = bom ? 3 : 0;
    while (i < bytes.size()) {
        // Plain ASCII runs are copied whole.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes.data() + i, run - i);
        i = run;
        if (i >= bytes.size())
            break;
        char32_t cp = 0;
        const std::size_t len = decodeUtf8(bytes, i, cp);
        if (len == 0)
            return std::nullopt;
        multiByte = true;
        const int b = unicodeToAnsi(cp);
        if (b < 0) {
            out += '?';
            ++bad;
        } else {
            out += static_cast<char>(b);
        }
        i += len;
    }
    if (!multiByte && !bom)
        return std::nullopt;
    if (unmappable)
        *unmappable += bad;
    return out;
}

bool looksLikeUtf8(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return true;
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        std::size_t len = decodeUtf8(bytes, i, cp);
        if (len == 0)
            return false;
        multiByte = multiByte || len > 1;
        i += len;
    }
    return multiByte;
}

} // namespace quizfile
