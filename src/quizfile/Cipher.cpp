#include "quizfile/Cipher.h"

#include <algorithm>

namespace quizfile {

namespace {

constexpr int kTextKeyCycle = static_cast<int>(kTextKey.size()) - 1;

static_assert(kTextKey.size() == 194 && kTextKey.back() == kTextKeyEnd
                  && kTextKey.find(kTextKeyEnd) == kTextKey.size() - 1,
              "the text key's cycle mark must be its last character and only there");
static_assert(kPasswordKey.size() == 50 && kPasswordKey.find(kTextKeyEnd) == std::string_view::npos);

// A password key code of 14 or more keeps CR and LF out of the enciphered
// password (e = c + k >= 14, or >= 32 after wrapping), so the key line writer
// only has to watch its random fields.
constexpr bool passwordKeyAvoidsLineEnds()
{
    return std::all_of(kPasswordKey.begin(), kPasswordKey.end(),
                       [](char k) { return static_cast<unsigned char>(k) >= 14; });
}
static_assert(passwordKeyAvoidsLineEnds());

unsigned char keyCode(std::string_view key, int position)
{
    return static_cast<unsigned char>(key[static_cast<std::size_t>(position - 1)]);
}

// Any start is accepted; one outside the key's cycle is folded into it.
int foldIntoCycle(int start, int cycle)
{
    if (start >= 0 && start <= cycle)
        return start;
    return ((start % cycle) + cycle) % cycle;
}

} // namespace

unsigned char encipherByte(unsigned char plain, unsigned char key)
{
    int e = plain + key;
    if (e >= 256)
        e -= 224;
    return static_cast<unsigned char>(e);
}

unsigned char decipherByte(unsigned char enciphered, unsigned char key)
{
    int e = enciphered - key;
    if (e < 32)
        e += 224;
    return static_cast<unsigned char>(e);
}

TextCipher::TextCipher(int start) : position_(foldIntoCycle(start, kTextKeyCycle)) {}

unsigned char TextCipher::nextKey()
{
    ++position_;
    if (position_ > kTextKeyCycle)
        position_ = 1;
    return keyCode(kTextKey, position_);
}

void TextCipher::encipher(std::string& line)
{
    for (char& c : line)
        c = static_cast<char>(encipherByte(static_cast<unsigned char>(c), nextKey()));
}

void TextCipher::decipher(std::string& line)
{
    for (char& c : line)
        c = static_cast<char>(decipherByte(static_cast<unsigned char>(c), nextKey()));
}

int textCipherStart(std::string_view keyLine)
{
    // The caller reports a short key line as corrupt; this only keeps a
    // forgotten check from reading past the line.
    if (keyLine.size() < 10)
        return 0;
    return static_cast<unsigned char>(keyLine[9]) & 31;
}

namespace {

template <class Step>
std::string passwordCipher(std::string_view text, int start, Step step)
{
    constexpr int keySize = static_cast<int>(kPasswordKey.size());
    int q = foldIntoCycle(start, keySize);
    std::string out(text);
    for (char& c : out) {
        // Never reached from a key line (q stops at 47); guards longer input.
        if (++q > keySize)
            q = 1;
        c = static_cast<char>(step(static_cast<unsigned char>(c), keyCode(kPasswordKey, q)));
    }
    return out;
}

} // namespace

std::string encipherPassword(std::string_view password, int start)
{
    return passwordCipher(password, start, encipherByte);
}

std::string decipherPassword(std::string_view stored, int start)
{
    return passwordCipher(stored, start, decipherByte);
}

} // namespace quizfile
