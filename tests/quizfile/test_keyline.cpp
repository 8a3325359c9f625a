#include "quizfile/KeyLine.h"

#include "quizfile/Cipher.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

using namespace quizfile;

namespace {

// Fillers are letters so that a misread position shows up in the fields.
std::string keyLineOf(int code6, int code8, int code10, int code11, std::string_view rest, int flag)
{
    std::string line = "abcde";
    line += static_cast<char>(code6);
    line += 'f';
    line += static_cast<char>(code8);
    line += 'g';
    line += static_cast<char>(code10);
    line += static_cast<char>(code11);
    line += rest;
    line += static_cast<char>(flag);
    return line;
}

} // namespace

TEST(KeyLineReader, ReadsTheFields)
{
    struct Case {
        const char* what;
        std::string line;
        int length, fillers, textStart, passwordStart;
        std::string stored;
        bool remember;
    };
    const Case cases[] = {
        {"high parts are dropped", keyLineOf(16 * 3 + 5, 10 * 2 + 3, 32 * 2 + 7, 32 * 5 + 20, "xyzPASSWqq", 241),
         5, 3, 7, 20, "PASSW", true},
        {"length code 0 means 16", keyLineOf(16 * 14, 10 * 23 + 9, 32 * 7 + 31, 32 * 7 + 31,
                                             "123456789ABCDEFGHIJKLMNOP", 240),
         16, 9, 31, 31, "ABCDEFGHIJKLMNOP", false},
        {"codes below 32, an LF among them", keyLineOf(2, '\n', '\n', 13, "PW", 240), 2, 0, 10, 13, "PW", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto key = readKeyLine(c.line);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->passwordLength, c.length);
        EXPECT_EQ(key->fillerCount, c.fillers);
        EXPECT_EQ(key->textStart, c.textStart);
        EXPECT_EQ(textCipherStart(c.line), c.textStart);
        EXPECT_EQ(key->passwordStart, c.passwordStart);
        EXPECT_EQ(key->storedPassword, c.stored);
        EXPECT_EQ(key->remember, c.remember);
    }
}

TEST(KeyLineReader, RejectsMalformedLinesWithoutReadingPastThem)
{
    struct Case { const char* what; std::string line; };
    const Case cases[] = {
        {"empty", ""},
        {"eleven characters", std::string(10, 'a') + "\xF0"},
        {"twelve characters leave no room for a password", keyLineOf(1, 0, 0, 0, "", 240)},
        {"flag 239", keyLineOf(1, 0, 0, 0, "P", 239)},
        {"flag 242", keyLineOf(1, 0, 0, 0, "P", 242)},
        {"no flag", keyLineOf(1, 0, 0, 0, "PQ", 'x')},
        {"password runs into the flag", keyLineOf(5, 9, 0, 0, "123456789ABCD", 241)},
        {"sixteen-character password cut short", keyLineOf(0, 0, 0, 0, "ABCDEFGHIJKLMNO", 240)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(readKeyLine(c.line).has_value());
        EXPECT_FALSE(passwordMatches(c.line, "P"));
    }
}

TEST(KeyLineWriter, DrawsLinesThatReadBackAndNeverHoldALineEnd)
{
    std::set<int> textStarts;
    std::set<int> lengths;
    for (std::uint64_t seed = 1; seed <= 20000; ++seed) {
        Rng rng(seed);
        // Lengths 10 and 13 are the ones whose length field can come out as LF or CR.
        const std::string password = std::string("Pa55word|\xE9\xFF xyzQ").substr(0, 1 + seed % 16);
        const bool remember = seed % 3 == 0;
        const std::string line = makeKeyLine(password, remember, rng);
        SCOPED_TRACE(seed);

        ASSERT_GE(line.size(), 13u);
        ASSERT_LE(line.size(), 42u);
        ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
        const auto key = readKeyLine(line);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->passwordLength, static_cast<int>(password.size()));
        EXPECT_EQ(key->remember, remember);
        EXPECT_TRUE(passwordMatches(line, password));
        // Everything after the password is a filler (code 32..255) or the flag.
        const std::size_t end = 11 + static_cast<std::size_t>(key->fillerCount) + password.size();
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (i < 5 || i == 6 || i == 8 || (i >= 11 && i < end - password.size()) || i >= end) {
                ASSERT_GE(static_cast<unsigned char>(line[i]), 32) << "position " << i + 1;
            }
        }
        ASSERT_LE(line.size() - 1 - end, 5u);
        // The random high parts stay below the flag codes.
        ASSERT_LE(static_cast<unsigned char>(line[5]), 239);
        ASSERT_LE(static_cast<unsigned char>(line[7]), 239);
        textStarts.insert(key->textStart);
        lengths.insert(static_cast<int>(line.size()));
    }
    // Every start is drawn, including 10 and 13 whose low codes must be redrawn.
    EXPECT_EQ(textStarts.size(), 32u);
    EXPECT_EQ(*lengths.begin(), 13);
    EXPECT_EQ(*lengths.rbegin(), 42);
}

TEST(KeyLineWriter, StoresOnlyPasswordsThatCanBeMatchedAgain)
{
    struct Case { const char* what; std::string password; bool storable; };
    const Case cases[] = {
        {"empty", "", false},
        {"one character", "a", true},
        {"sixteen characters", std::string(16, 'a'), true},
        {"seventeen characters", std::string(17, 'a'), false},
        {"space and high codes", " ÿ", true},
        {"a tab", "pass	word", false},
        {"a control code", std::string("ab", 3), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isStorablePassword(c.password), c.storable);
        Rng rng(7);
        const std::string line = makeKeyLine(c.password, true, rng);
        EXPECT_EQ(line.empty(), !c.storable);
        if (c.storable) {
            EXPECT_TRUE(passwordMatches(line, c.password));
        }
    }
}

TEST(KeyLinePassword, ComparesExactly)
{
    Rng rng(42);
    const std::string line = makeKeyLine("Teacher", false, rng);
    struct Case { const char* typed; bool match; };
    const Case cases[] = {
        {"Teacher", true}, {"teacher", false}, {"Teache", false},
        {"Teachers", false}, {"", false}, {"Teacher ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(passwordMatches(line, c.typed), c.match) << c.typed;
}
