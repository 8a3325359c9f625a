// Encrypted quiz files come from anywhere: whatever the bytes, reading them
// must neither crash nor read outside the input, and whatever we write must
// read back.

#include "quizfile/Cipher.h"
#include "quizfile/Container.h"
#include "quizfile/KeyLine.h"
#include "quizfile/Lines.h"
#include "quizfile/Rng.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void readAll(std::string_view bytes)
{
    using namespace quizfile;
    (void)isEncrypted(bytes);
    const auto key = encryptedKeyLine(bytes);
    for (std::string_view password : {"Secret", "x", "", "ABCDEFGHIJKLMNOP"}) {
        const auto lines = readEncrypted(bytes, password);
        // A readable file has a readable key line, and the two agree.
        if (lines.ok() && !key.ok())
            __builtin_trap();
    }

    (void)readKeyLine(bytes);
    (void)passwordMatches(bytes, "Secret");
    TextCipher cipher(textCipherStart(bytes));
    std::string copy(bytes.substr(0, 512));
    cipher.decipher(copy);
}

void roundTrip(std::string_view bytes)
{
    using namespace quizfile;
    if (bytes.empty())
        return;
    // The first byte picks a password length; the rest become script lines
    // of printable codes, which the cipher must restore exactly.
    const std::size_t length = 1 + static_cast<unsigned char>(bytes[0]) % 16;
    std::string password(bytes.substr(1, length));
    if (password.empty())
        return;
    std::vector<std::string> lines = splitLines(bytes.substr(1), LineEnds::CrOnly);
    for (auto& line : lines)
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 32)
                c = ' ';
    if (lines.size() == 1 && lines[0].empty())
        lines.clear();

    Rng rng(bytes.size() * 2654435761u + static_cast<unsigned char>(bytes.back()));
    const bool remember = bytes.size() % 2 == 0;
    const std::string file = writeEncrypted(lines, password, remember, rng);
    if (!isStorablePassword(password)) {
        if (!file.empty())
            __builtin_trap();
        return;
    }
    const auto read = readEncrypted(file, password);
    if (!read.ok() || read.value() != lines)
        __builtin_trap();
    const auto key = encryptedKeyLine(file);
    if (!key.ok() || key.value().remember != remember)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAll(bytes);
    roundTrip(bytes);
    return 0;
}
