#include "quizfile/Cipher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quizfile;

namespace {

unsigned char textKeyAt(int position)
{
    return static_cast<unsigned char>(kTextKey[static_cast<std::size_t>(position - 1)]);
}

unsigned char byteAt(const std::string& s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

} // namespace

TEST(CipherByte, EnciphersAndDeciphersAcrossTheWrap)
{
    struct Case { int plain, key, enciphered; };
    const Case cases[] = {
        {250, 20, 46},   // 270 wraps down by 224
        {65, 90, 155},   // no wrap
        {32, 222, 254},  // largest key on the smallest printable code
        {255, 3, 34},    // 34 - 3 = 31 wraps up on the way back
        {33, 223, 32},   // exactly 256 wraps to the lowest printable code
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        const auto plain = static_cast<unsigned char>(c.plain);
        const auto key = static_cast<unsigned char>(c.key);
        EXPECT_EQ(encipherByte(plain, key), c.enciphered);
        EXPECT_EQ(decipherByte(static_cast<unsigned char>(c.enciphered), key), c.plain);
    }
}

TEST(CipherByte, PrintableCodesStayPrintableForEveryKeyCode)
{
    for (int k = 3; k <= 222; ++k)
        for (int c = 32; c <= 255; ++c) {
            const auto e = encipherByte(static_cast<unsigned char>(c), static_cast<unsigned char>(k));
            ASSERT_GE(e, 32) << c << ' ' << k;
            ASSERT_EQ(decipherByte(e, static_cast<unsigned char>(k)), c) << c << ' ' << k;
        }
}

TEST(TextCipher, MatchesReferenceVectors)
{
    struct Case { int start; std::vector<std::string> plain, enciphered; int endPosition; };
    const Case cases[] = {
        {0, {"Hello", "", "Caf\xE9 \xFF~ Z"},
         {"\x8F\xD9\xA2\xC2\xD6", "", "\x7A\xB2\xD1\x39\x73\x86\xD3\x52\xCC"}, 14},
        {29, {"Question one?", "*Yes"},
         {"\xA3\xD6\xCD\xAC\xB8\xCB\xA6\xB1\x82\xA7\xB0\xDC\x86", "\x60\xC2\xB3\xA6"}, 46},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        TextCipher cipher(c.start);
        for (std::size_t i = 0; i < c.plain.size(); ++i) {
            std::string line = c.plain[i];
            cipher.encipher(line);
            EXPECT_EQ(line, c.enciphered[i]) << "line " << i;
        }
        EXPECT_EQ(cipher.position(), c.endPosition);
    }
}

TEST(TextCipher, MatchesReferenceOverTheWholeKeyCycle)
{
    std::string line;
    for (int c = 32; c <= 255; ++c)
        line += static_cast<char>(c);
    TextCipher cipher(0);
    cipher.encipher(line);
    EXPECT_EQ(line,
              "\x67\x95\x58\x79\x8B\x5C\x77\x92\x58\x7C\x91\x80\x5E\x9F\x78\x61\xA7\x74\x65\x95\x89\x99\x6C\x84"
              "\xAA\x6C\x7D\xA2\x72\x8F\x9F\xA7\x79\x85\xA4\x7A\x87\xA7\x7E\x89\xBF\x90\x80\xB4\x9A\x80\xC7\x9C"
              "\x87\x95\xB4\xA2\x8B\xC2\xA8\x8D\xB9\x9B\x8C\xAB\xC7\xAC\x8E\xD5\xAC\x92\xCB\xB9\x9B\xDE\xA9\x9D"
              "\xDF\xAA\x9C\xD8\xC4\xA1\xD2\xC4\xA3\xE8\xC6\xA9\xEB\xC2\xAA\xEE\xD0\xA9\xE0\xCE\xAC\xF5\xD1\xB5"
              "\xF2\xD0\xB5\xF2\xD3\xB5\xF3\xDE\xBC\xFB\xDA\xC0\x22\xCF\xC7\xF2\xD6\xC4\x2B\xDC\xC8\xFC\xDE\xC7"
              "\x23\xE4\xD3\x25\xF4\xCE\x28\xEA\xD5\x39\xE4\xD5\x39\xE7\xDE\x3F\xF4\xDE\x3F\xFD\xDD\x36\x21\xE4"
              "\x34\x2A\xE9\x38\x22\xEE\x4D\x2A\xEE\x4F\x26\xEB\x4D\x22\xF7\x49\x38\xF9\x46\x35\xF6\x5F\x36\xFB"
              "\x61\x30\xFB\x54\x33\x21\x65\x46\x24\x5B\x48\x2C\x6C\x3B\x29\x6C\x39\x2A\x6E\x3F\x2F\x6D\x44\x73"
              "\x32\x48\x76\x39\x5A\x6C\x3D\x58\x73\x39\x5D\x72\x61\x3F\x80\x59\x42\x88\x55\x46\x76\x6A\x7A\x4D"
              "\x65\x8B\x4D\x5E\x83\x53\x70\x80");
    EXPECT_EQ(cipher.position(), 31);
}

TEST(TextCipher, HighestStartUsesPosition32AndWrapsAfter193)
{
    std::string line(163, 'A');
    TextCipher cipher(31);
    cipher.encipher(line);
    EXPECT_EQ(byteAt(line, 0), encipherByte('A', textKeyAt(32)));
    EXPECT_EQ(byteAt(line, 161), encipherByte('A', textKeyAt(193)));
    EXPECT_EQ(byteAt(line, 162), encipherByte('A', textKeyAt(1)));
    EXPECT_EQ(cipher.position(), 1);
}

TEST(TextCipher, PositionRunsOnFromLineToLine)
{
    // One long line and the same text in pieces must give the same bytes,
    // including across the wrap at the end of the key.
    std::string whole;
    for (int i = 0; i < 500; ++i)
        whole += static_cast<char>(32 + i % 224);
    TextCipher single(7);
    std::string expected = whole;
    single.encipher(expected);

    TextCipher pieces(7);
    std::string joined;
    for (std::size_t at = 0, len = 1; at < whole.size(); at += len, len = len * 2 + 1) {
        std::string part = whole.substr(at, len);
        pieces.encipher(part);
        joined += part;
    }
    EXPECT_EQ(joined, expected);
    EXPECT_EQ(pieces.position(), single.position());
}

TEST(TextCipher, RoundTripsEveryPrintableByteOverSeveralLines)
{
    std::vector<std::string> plain(5);
    for (int c = 32; c <= 255; ++c)
        plain[static_cast<std::size_t>(c) % plain.size()] += static_cast<char>(c);
    plain.push_back(std::string());
    plain.push_back(plain[0] + plain[1] + plain[2]);

    for (int start : {0, 1, 10, 13, 31, 192, 193}) {
        SCOPED_TRACE(start);
        std::vector<std::string> lines = plain;
        TextCipher enc(start);
        for (auto& line : lines) {
            enc.encipher(line);
            for (char c : line)
                ASSERT_GE(static_cast<unsigned char>(c), 32);
        }
        EXPECT_NE(lines, plain);
        TextCipher dec(start);
        for (auto& line : lines)
            dec.decipher(line);
        EXPECT_EQ(lines, plain);
        EXPECT_EQ(dec.position(), enc.position());
    }
}

TEST(TextCipher, StartOutsideTheKeyNeverReadsPastIt)
{
    for (int start : {-1, -500, 194, 195, 1000}) {
        SCOPED_TRACE(start);
        TextCipher cipher(start);
        std::string line(400, 'x');
        cipher.encipher(line);
        EXPECT_GE(cipher.position(), 1);
        EXPECT_LE(cipher.position(), 193);
    }
}

TEST(TextCipher, StartComesFromTheTenthCharacterOfTheKeyLine)
{
    struct Case { std::string keyLine; int start; };
    const Case cases[] = {
        {"123456789\x05xyz", 5},
        {"123456789\xFFxyz", 31},
        {"123456789\xE0xyz", 0},
        {"123456789\x2D", 13},   // exactly ten characters
        {"123456789", 0},        // too short: callers report it, nothing is read
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textCipherStart(c.keyLine), c.start) << c.keyLine;
}

TEST(PasswordCipher, MatchesReferenceVectorsAndRoundTrips)
{
    struct Case { std::string password; int start; std::string stored; };
    const Case cases[] = {
        {"Secret", 0, "\xAD\xD0\x98\xC4\xD2\xA6"},
        {"Secret", 31, "\x98\x95\xC4\xC3\x9A\xDD"},
        {"abcdefghijklmnop", 0, "\xBB\xCD\x98\xB6\xD2\x98\xBE\xD9\xA1\xBE\xCD\xBA\xA1\xE6\xC5\xA7"},
        {"abcdefghijklmnop", 15, "\x98\xC5\xAF\x95\xAD\xD9\xAE\xA1\xCD\xB4\x9E\xDC\xB3\xA4\xC8\xE5"},
        {"abcdefghijklmnop", 31, "\xA6\x92\xC4\xB5\x9A\xCF\xB6\xA0\xB4\xDE\xC2\x9E\xDF\xBB\xA5\xEA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        EXPECT_EQ(encipherPassword(c.password, c.start), c.stored);
        EXPECT_EQ(decipherPassword(c.stored, c.start), c.password);
    }
}
