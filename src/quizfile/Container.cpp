#include "quizfile/Container.h"

#include "quizfile/Cipher.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"

#include <iterator>

namespace quizfile {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool endsWithLineEnd(std::string_view bytes)
{
    return !bytes.empty() && (bytes.back() == '\r' || bytes.ends_with(kCrLf));
}

Result<KeyLine> keyLineOfLines(const std::vector<std::string>& lines)
{
    if (lines.empty() || lines.front() != kEncryptedMagic)
        return Result<KeyLine>::failure(std::string(kNotEncryptedMessage));
    if (lines.size() < 2)
        return Result<KeyLine>::failure(std::string(kMalformedKeyLineMessage));
    auto key = readKeyLine(lines[1]);
    if (!key)
        return Result<KeyLine>::failure(std::string(kMalformedKeyLineMessage));
    return *key;
}

} // namespace

bool isEncrypted(std::string_view fileBytes)
{
    return fileBytes.substr(0, fileBytes.find('\r')) == kEncryptedMagic;
}

Result<KeyLine> encryptedKeyLine(std::string_view fileBytes)
{
    if (!isEncrypted(fileBytes))
        return Result<KeyLine>::failure(std::string(kNotEncryptedMessage));
    // Only the first two lines are needed; avoid splitting a large file.
    std::size_t end = fileBytes.find('\r');
    if (end != std::string_view::npos) {
        end = fileBytes.find('\r', end + 1);
        if (end != std::string_view::npos)
            ++end;
    }
    return keyLineOfLines(splitLines(fileBytes.substr(0, end), LineEnds::CrOnly));
}

Result<std::vector<std::string>> readEncrypted(std::string_view fileBytes, std::string_view password)
{
    using Lines = Result<std::vector<std::string>>;
    std::vector<std::string> lines = splitLines(fileBytes, LineEnds::CrOnly);
    const auto key = keyLineOfLines(lines);
    if (!key)
        return Lines::failure(key.error());
    if (!passwordMatches(key.value(), password))
        return Lines::failure(std::string(kWrongPasswordMessage));

    // A script that ended with CR LF was written with an empty last line.
    if (lines.size() > 2 && endsWithLineEnd(fileBytes))
        lines.emplace_back();
    std::vector<std::string> plain(std::make_move_iterator(lines.begin() + 2),
                                   std::make_move_iterator(lines.end()));
    TextCipher cipher(key.value().textStart);
    for (auto& line : plain)
        cipher.decipher(line);
    return plain;
}

std::string writeEncrypted(const std::vector<std::string>& plainLines, std::string_view password,
                           bool remember, Rng& rng)
{
    const std::string keyLine = makeKeyLine(password, remember, rng);
    if (keyLine.empty())
        return {};
    return writeEncryptedWithKeyLine(plainLines, keyLine);
}

std::string writeEncryptedWithKeyLine(const std::vector<std::string>& plainLines, std::string_view keyLine)
{
    std::string out;
    std::size_t total = kEncryptedMagic.size() + keyLine.size() + 4;
    for (const auto& line : plainLines)
        total += line.size() + 2;
    out.reserve(total);
    out += kEncryptedMagic;
    out += kCrLf;
    out += keyLine;
    out += kCrLf;
    TextCipher cipher(textCipherStart(keyLine));
    for (std::size_t i = 0; i < plainLines.size(); ++i) {
        if (i > 0)
            out += kCrLf;
        std::string line = plainLines[i];
        cipher.encipher(line);
        out += line;
    }
    return out;
}

} // namespace quizfile
