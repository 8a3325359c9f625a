#include "quizfile/Ansi.h"

#include <gtest/gtest.h>

using namespace quizfile;

TEST(Ansi, EveryByteSurvivesARoundTripThroughUnicode)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::size_t bad = 0;
    EXPECT_EQ(utf16ToAnsi(ansiToUtf16(all), &bad), all);
    EXPECT_EQ(utf8ToAnsi(ansiToUtf8(all), &bad), all);
    EXPECT_EQ(bad, 0u);
}

TEST(Ansi, HighControlRangeIsWindows1252NotLatin1)
{
    EXPECT_EQ(ansiToUnicode(0x80), u'\u20AC'); // euro sign
    EXPECT_EQ(ansiToUnicode(0x92), u'\u2019'); // right single quote
    EXPECT_EQ(ansiToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(ansiToUnicode(0xE9), u'\u00E9');
    EXPECT_EQ(ansiToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(Ansi, UnmappableCharactersBecomeQuestionMarksAndAreCounted)
{
    std::size_t bad = 0;
    // Cyrillic, an emoji (a surrogate pair), then a mappable e-acute.
    EXPECT_EQ(utf16ToAnsi(u"\u0416\U0001F600\u00E9", &bad), "??\xE9");
    EXPECT_EQ(bad, 2u);
    bad = 0;
    EXPECT_EQ(utf8ToAnsi("\xD0\x96 caf\xC3\xA9", &bad), "? caf\xE9");
    EXPECT_EQ(bad, 1u);
}

TEST(Ansi, Utf8DetectionTable)
{
    struct Case { std::string bytes; bool utf8; };
    const Case cases[] = {
        {"plain ascii only", false},       // nothing to convert
        {"caf\xC3\xA9", true},             // valid two-byte sequence
        {"caf\xE9", false},                // a Windows-1252 e-acute
        {"\xEF\xBB\xBFhello", true},       // byte-order mark
        {"\xC0\xAF", false},               // overlong encoding
        {"\xED\xA0\x80", false},           // encoded surrogate
        {"ok \xE2\x82", false},            // truncated sequence
    };
    for (const auto& c : cases) {
        EXPECT_EQ(looksLikeUtf8(c.bytes), c.utf8) << c.bytes;
        // The one-pass conversion agrees with the check and the two-pass one.
        const auto converted = convertedFromUtf8(c.bytes);
        EXPECT_EQ(converted.has_value(), c.utf8) << c.bytes;
        if (converted)
            EXPECT_EQ(*converted, utf8ToAnsi(c.bytes)) << c.bytes;
    }
}

TEST(Ansi, ByteOrderMarkIsDropped)
{
    EXPECT_EQ(utf8ToAnsi("\xEF\xBB\xBFTITL: x"), "TITL: x");
}
