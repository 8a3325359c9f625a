#include "quizfile/Container.h"

#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quizfile;

namespace {

const std::string kMagic(kEncryptedMagic);

// Password "Secret" (length 6, s = 0), n = 0 given as an LF, t = 29, remember.
const std::string kReferenceKeyLine =
    std::string("abcde&f\ng}\x80") + "\xAD\xD0\x98\xC4\xD2\xA6" + "\xF1";
const std::vector<std::string> kReferenceLines = {"Question one?", "*Yes"};
const std::string kReferenceFile = kMagic + "\r\n" + kReferenceKeyLine + "\r\n"
    + "\xA3\xD6\xCD\xAC\xB8\xCB\xA6\xB1\x82\xA7\xB0\xDC\x86" + "\r\n" + "\x60\xC2\xB3\xA6";

std::string everyPrintableByte()
{
    std::string s;
    for (int c = 32; c <= 255; ++c)
        s += static_cast<char>(c);
    return s;
}

} // namespace

TEST(EncryptedContainer, ReadsAndWritesTheReferenceFile)
{
    EXPECT_EQ(writeEncryptedWithKeyLine(kReferenceLines, kReferenceKeyLine), kReferenceFile);
    const auto lines = readEncrypted(kReferenceFile, "Secret");
    ASSERT_TRUE(lines.ok()) << lines.error();
    EXPECT_EQ(lines.value(), kReferenceLines);
}

TEST(EncryptedContainer, RoundTripsScripts)
{
    const std::string bytes = everyPrintableByte();
    struct Case { const char* what; std::vector<std::string> lines; };
    const Case cases[] = {
        {"one line", {"TITL: Birds"}},
        {"blank lines inside", {"Q1", "*a", "b", "", "Q2", "*c"}},
        {"a final empty line", {"Q1", "*a", ""}},
        {"only empty lines", {"", "", ""}},
        {"every printable byte over several lines",
         {bytes.substr(0, 50), bytes.substr(50, 100), "", bytes.substr(150), bytes, bytes}},
        {"a long line wraps the key", {std::string(1000, 'z'), "end"}},
    };
    for (const auto& c : cases) {
        for (std::uint64_t seed : {1u, 2u, 3u, 99u}) {
            SCOPED_TRACE(testing::Message() << c.what << ", seed " << seed);
            Rng rng(seed);
            const std::string password = seed % 2 ? "x" : "sixteen chars \xE9!";
            const std::string file = writeEncrypted(c.lines, password, seed == 3, rng);
            const auto read = readEncrypted(file, password);
            ASSERT_TRUE(read.ok()) << read.error();
            EXPECT_EQ(read.value(), c.lines);
            const auto key = encryptedKeyLine(file);
            ASSERT_TRUE(key.ok());
            EXPECT_EQ(key.value().remember, seed == 3);
        }
    }
}

TEST(EncryptedContainer, EmptyScriptGivesHeaderOnly)
{
    for (const std::vector<std::string>& lines : {std::vector<std::string>{}, std::vector<std::string>{""}}) {
        Rng rng(5);
        const std::string file = writeEncrypted(lines, "pw", false, rng);
        ASSERT_TRUE(file.starts_with(kMagic + "\r\n"));
        EXPECT_TRUE(file.ends_with("\r\n"));
        EXPECT_EQ(file.find("\r\n", kMagic.size() + 2), file.size() - 2);
        const auto read = readEncrypted(file, "pw");
        ASSERT_TRUE(read.ok());
        // Both join to the same empty text in the editor.
        EXPECT_TRUE(read.value().empty());
    }
}

TEST(EncryptedContainer, LayoutIsMagicKeyLineAndOneLinePerScriptLine)
{
    const std::vector<std::string> lines = {"TITL: x", "", "Question", "*Answer", everyPrintableByte()};
    Rng rng(11);
    const std::string file = writeEncrypted(lines, "pass", true, rng);

    // Split only at CR LF: the body must hold no other CR or LF.
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = file.find("\r\n", at);
        parts.push_back(file.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos)
            break;
        at = end + 2;
    }
    ASSERT_EQ(parts.size(), 2 + lines.size());
    EXPECT_EQ(parts[0], kMagic);
    EXPECT_TRUE(readKeyLine(parts[1]).has_value());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(parts[2 + i].size(), lines[i].size());
        EXPECT_EQ(parts[2 + i].find_first_of("\r\n"), std::string::npos);
    }
    EXPECT_NE(parts[4], lines[2]);
    EXPECT_FALSE(file.ends_with("\r\n"));
}

TEST(EncryptedContainer, AcceptsLoneCrLineEnds)
{
    std::vector<std::string> withFinalEmpty = kReferenceLines;
    withFinalEmpty.emplace_back();
    for (const auto& lines : {kReferenceLines, withFinalEmpty}) {
        std::string file = writeEncryptedWithKeyLine(lines, kReferenceKeyLine);
        for (std::size_t at; (at = file.find("\r\n")) != std::string::npos;)
            file.erase(at + 1, 1);
        ASSERT_NE(file.find('\n'), std::string::npos) << "the key line's LF must stay";
        const auto read = readEncrypted(file, "Secret");
        ASSERT_TRUE(read.ok()) << read.error();
        EXPECT_EQ(read.value(), lines);
    }
}

TEST(EncryptedContainer, ReportsEachFailure)
{
    const std::string notEncrypted(kNotEncryptedMessage);
    const std::string malformed(kMalformedKeyLineMessage);
    const std::string wrong(kWrongPasswordMessage);
    std::string badFlag = kReferenceFile;
    badFlag[kMagic.size() + 2 + kReferenceKeyLine.size() - 1] = '\xF2';

    struct Case { const char* what; std::string file; const char* password; std::string message; };
    const Case cases[] = {
        {"empty file", "", "Secret", notEncrypted},
        {"plain script", "TITL: x\r\nQ\r\n*a", "Secret", notEncrypted},
        {"magic in lower case", "[encrypted orba quiz file]\r\n" + kReferenceKeyLine, "Secret", notEncrypted},
        {"magic with a trailing space", kMagic + " \r\n" + kReferenceKeyLine, "Secret", notEncrypted},
        {"magic ended by LF alone", kMagic + "\n" + kReferenceKeyLine, "Secret", notEncrypted},
        {"magic only", kMagic, "Secret", malformed},
        {"magic and line end only", kMagic + "\r\n", "Secret", malformed},
        {"short key line", kMagic + "\r\nabcdefghij\xF0\r\nxyz", "Secret", malformed},
        {"key line without flag", badFlag, "Secret", malformed},
        {"wrong letter case", kReferenceFile, "secret", wrong},
        {"prefix of the password", kReferenceFile, "Secre", wrong},
        {"password and more", kReferenceFile, "Secrets", wrong},
        {"empty password", kReferenceFile, "", wrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = readEncrypted(c.file, c.password);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error(), c.message);
        if (c.message != wrong) {
            const auto key = encryptedKeyLine(c.file);
            ASSERT_FALSE(key.ok());
            EXPECT_EQ(key.error(), c.message);
        }
    }
}

TEST(EncryptedContainer, RecognisesTheMagicLineOnly)
{
    struct Case { std::string file; bool encrypted; };
    const Case cases[] = {
        {kReferenceFile, true},
        {kMagic, true},
        {kMagic + "\r", true},
        {kMagic + "\n" + kReferenceKeyLine, false},
        {"", false},
        {"[ENCRYPTED ORBA QUIZ FILE", false},
        {" " + kMagic + "\r\n", false},
        {"TITL: " + kMagic, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isEncrypted(c.file), c.encrypted) << c.file;
}

TEST(EncryptedContainer, WritesNothingWithoutAStorablePassword)
{
    Rng rng(1);
    EXPECT_TRUE(writeEncrypted({"a"}, "", false, rng).empty());
    EXPECT_TRUE(writeEncrypted({"a"}, std::string(17, 'p'), false, rng).empty());
    EXPECT_TRUE(writeEncrypted({"a"}, "tab\there", false, rng).empty());
}
