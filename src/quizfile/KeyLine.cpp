#include "quizfile/KeyLine.h"

#include "quizfile/Cipher.h"

#include <algorithm>

namespace quizfile {

namespace {

constexpr int kPasswordOffset = 11; // the password follows position 11 and n fillers

char filler(Rng& rng)
{
    return static_cast<char>(32 + rng.below(224));
}

// high * r + low with r drawn from 0..highCount-1, drawn again while the
// code would end the line. The low part stays below the step, so only one r
// can give a CR or an LF and the loop ends.
char highPart(Rng& rng, int high, int highCount, int low)
{
    for (;;) {
        const int code = high * rng.below(highCount) + low;
        if (code != '\r' && code != '\n')
            return static_cast<char>(code);
    }
}

unsigned char codeAt(std::string_view line, int position)
{
    return static_cast<unsigned char>(line[static_cast<std::size_t>(position - 1)]);
}

} // namespace

bool isStorablePassword(std::string_view password)
{
    return !password.empty() && password.size() <= static_cast<std::size_t>(kMaxPasswordLength)
        && std::none_of(password.begin(), password.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; });
}

std::string makeKeyLine(std::string_view password, bool remember, Rng& rng)
{
    if (!isStorablePassword(password))
        return {};
    const int length = static_cast<int>(password.size());
    const int n = rng.below(10);
    const int t = rng.below(32);
    const int s = rng.below(32);

    std::string line;
    for (int i = 0; i < 5; ++i)
        line += filler(rng);
    line += highPart(rng, 16, 15, length % 16);
    line += filler(rng);
    line += highPart(rng, 10, 24, n);
    line += filler(rng);
    line += highPart(rng, 32, 8, t);
    line += highPart(rng, 32, 8, s);
    for (int i = 0; i < n; ++i)
        line += filler(rng);
    line += encipherPassword(password, s);
    const int trailing = rng.below(6);
    for (int i = 0; i < trailing; ++i)
        line += filler(rng);
    line += static_cast<char>(remember ? kKeyLineRemember : kKeyLineForget);
    return line;
}

std::optional<KeyLine> readKeyLine(std::string_view keyLine)
{
    if (keyLine.size() < static_cast<std::size_t>(kMinKeyLineLength))
        return std::nullopt;
    const unsigned char flag = static_cast<unsigned char>(keyLine.back());
    if (flag != kKeyLineForget && flag != kKeyLineRemember)
        return std::nullopt;

    KeyLine key;
    key.passwordLength = codeAt(keyLine, 6) % 16;
    if (key.passwordLength == 0)
        key.passwordLength = 16;
    key.fillerCount = codeAt(keyLine, 8) % 10;
    key.textStart = codeAt(keyLine, 10) % 32;
    key.passwordStart = codeAt(keyLine, 11) % 32;
    key.remember = flag == kKeyLineRemember;

    // The password must end before the flag; a shorter line is damaged.
    const std::size_t first = static_cast<std::size_t>(kPasswordOffset + key.fillerCount);
    const std::size_t length = static_cast<std::size_t>(key.passwordLength);
    if (first + length > keyLine.size() - 1)
        return std::nullopt;
    key.storedPassword = std::string(keyLine.substr(first, length));
    return key;
}

bool passwordMatches(std::string_view keyLine, std::string_view typedPassword)
{
    const auto key = readKeyLine(keyLine);
    return key && passwordMatches(*key, typedPassword);
}

bool passwordMatches(const KeyLine& key, std::string_view typedPassword)
{
    return decipherPassword(key.storedPassword, key.passwordStart) == typedPassword;
}

} // namespace quizfile
