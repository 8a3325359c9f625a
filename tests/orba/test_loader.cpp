#include "LoaderFixture.h"

#include "quizfile/Cipher.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using quizfile::LineEnds;

namespace {

std::string readExample()
{
    std::ifstream f(ORBA_SOURCE_DIR "/examples/earth-science.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

bool isPermutation(const std::string& order, std::size_t n)
{
    std::string sorted = order;
    std::sort(sorted.begin(), sorted.end());
    return sorted == std::string("01234567").substr(0, n);
}

} // namespace

TEST(Loader, WorkedExampleLoadsEveryPartOfTheGrammar)
{
    auto l = load(readExample());
    const QuizState& s = l.state;
    ASSERT_EQ(l.result.outcome, LoadOutcome::Loaded) << l.result.message;
    EXPECT_EQ(l.prompts.infoShown, 1);
    EXPECT_EQ(s.QuizTitle, "Earth Science Review");
    EXPECT_EQ(s.QuizAuthor, "Science Department");
    EXPECT_EQ(s.QuizNote, "Ten minutes. Take your time on the pool questions.");
    EXPECT_EQ(s.QuizModified, "1.2.2026, 3:04:05pm");
    EXPECT_EQ(s.TimerSeconds, 600);
    EXPECT_TRUE(s.SequentialPick);
    EXPECT_FALSE(s.MonoFont);
    EXPECT_EQ(s.MinVersion, "2.82");
    EXPECT_EQ(s.BankCount, 8);
    EXPECT_EQ(s.ChapterCount, 2);
    EXPECT_EQ(s.ChapterNames[1], "Planets");
    EXPECT_EQ(s.ChapterNames[2], "Water");
    EXPECT_EQ(s.PoolEntries[0], (std::vector<std::string>{"Mercury", "Venus", "Earth", "Mars", "Jupiter"}));
    EXPECT_EQ(s.PoolIndex[0], "xxx0xxx1xxx2xxx3xxx4");
    EXPECT_EQ(s.Catalogue, "A0001A0002B0003B0004B0005B0006B0007B0008");

    // Both planet questions carry [PA]: the written answer, made correct,
    // and the four other planets.
    for (int c : {1, 2}) {
        EXPECT_EQ(s.BankKind[c], "[PA]");
        std::vector<std::string> answers(s.BankAnswers[c].begin(), s.BankAnswers[c].begin() + 5);
        std::sort(answers.begin(), answers.end());
        const std::string right = c == 1 ? "Mercury" : "Mars";
        EXPECT_EQ(s.BankAnswers[c][0], "*" + right);
        EXPECT_EQ(std::count(answers.begin(), answers.end(), right), 0) << "written answer drawn again";
        EXPECT_EQ(s.BankAnswers[c][5], "");
        EXPECT_TRUE(isPermutation(s.BankOrder[c], 5)) << s.BankOrder[c];
    }
    EXPECT_EQ(s.BankQuestion[3], "What is the chemical formula of water?[CR](choose one)");
    EXPECT_EQ(s.BankHelp[3], "?Two hydrogen atoms bound to one oxygen atom.");
    EXPECT_EQ(s.BankKind[3], "");
    EXPECT_TRUE(isPermutation(s.BankOrder[3], 3));
    EXPECT_EQ(s.BankKind[4], "[MC]");
    EXPECT_EQ(s.BankKind[5], "[BL]");
    EXPECT_EQ(s.BankAnswers[5][0], "0");
    EXPECT_EQ(s.BankAnswers[5][1], "zero");
    EXPECT_EQ(s.BankOrder[5], "");
    EXPECT_EQ(s.BankKind[6], "[DD]");
    EXPECT_EQ(s.BankAnswers[6][2], "Steam");
    EXPECT_EQ(s.BankKind[7], "[SO]");
    EXPECT_EQ(s.BankAnswers[7][0], "Ice sinks in water.");
    EXPECT_EQ(s.BankAnswers[7][1], "*Ice floats on water.");
    EXPECT_EQ(s.BankAnswers[7][2], "None of the above.");
    EXPECT_EQ(s.BankOrder[7], "012");
    EXPECT_EQ(s.BankKind[8], "[FC]");
    EXPECT_EQ(s.BankHelp[8], "?The Pacific Ocean.");
    EXPECT_EQ(s.BankAnswers[8][0], "");
    EXPECT_EQ(s.BankOrder[8], "");
}

TEST(Loader, SingleBlockWithoutHeaderOrChapters)
{
    auto l = load(script({"How much is 2+2?", "*4", "5", ""}));
    ASSERT_EQ(l.result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(l.prompts.infoShown, 0);
    EXPECT_EQ(l.state.BankCount, 1);
    EXPECT_EQ(l.state.ChapterCount, 0);
    EXPECT_EQ(l.state.Catalogue, "@0001");
    EXPECT_EQ(l.state.BankAnswers[1][0], "*4");
    EXPECT_EQ(l.state.BankAnswers[1][1], "5");
    EXPECT_TRUE(isPermutation(l.state.BankOrder[1], 2));
    EXPECT_EQ(l.state.MinVersion, ""); // no header, nothing rewritten
}

TEST(Loader, HeaderKeyNeedsItsColonAsFifthCharacter)
{
    auto header = load(script({"titl: Demo", "Q?", "*a", ""}));
    EXPECT_EQ(header.state.QuizTitle, "Demo");
    EXPECT_EQ(header.state.BankQuestion[1], "Q?");
    EXPECT_EQ(header.prompts.infoShown, 1);

    auto text = load(script({"title: Demo", "*a", "b", ""}));
    EXPECT_EQ(text.state.QuizTitle, "");
    EXPECT_EQ(text.state.BankQuestion[1], "title: Demo");
    EXPECT_EQ(text.prompts.infoShown, 0);

    // A header key further down is answer text.
    auto later = load(script({"Q?", "*a", "TITL: x", ""}));
    EXPECT_EQ(later.state.BankAnswers[1][1], "TITL: x");
    EXPECT_EQ(later.state.QuizTitle, "");
}

TEST(Loader, KindTagsAreCarriedUntilTheNextChapterLine)
{
    auto l = load(script({"'One", "[bl]", "Q1", "a", "", "Q2", "b", "", "Q3", "[bL]", "c", "", "'Two", "Q4", "*d", "e",
                          "", "[eS]", "Q5", "A. x", "b. y", ""}));
    const QuizState& s = l.state;
    EXPECT_EQ(s.BankKind[1], "[BL]");
    EXPECT_EQ(s.BankKind[2], "[BL]");
    EXPECT_EQ(s.BankKind[3], "[bL]"); // a tag after the question wins
    EXPECT_EQ(s.BankOrder[3], "");
    EXPECT_EQ(s.BankKind[4], "");      // the chapter line cleared the carried tag
    EXPECT_EQ(s.BankKind[5], "[eS]");
    EXPECT_EQ(s.BankAnswers[5][0], "x");
    EXPECT_EQ(s.BankAnswers[5][1], "y"); // lower-case prefixes go too
    EXPECT_EQ(s.BankOrder[5], "01");
    EXPECT_EQ(s.Catalogue, "A0001A0002A0003B0004B0005");
}

TEST(Loader, LeadingSpacesKeepATagLineFromBeingATag)
{
    auto l = load(script({"Q", "  [BL]", "x", ""}));
    EXPECT_EQ(l.state.BankKind[1], "");
    EXPECT_EQ(l.state.BankAnswers[1][0], "  [BL]");
}

TEST(Loader, PoolFillingTable)
{
    struct Case {
        std::vector<std::string> pool;
        std::vector<std::string> written;
        std::vector<std::string> expectedSorted; // answers without their order
    };
    const Case cases[] = {
        // One entry equals the answer: the answer and the four others.
        {{"a", "b", "c", "d", "e"}, {"c"}, {"*c", "a", "b", "d", "e"}},
        // Every entry written: only the written answers.
        {{"a", "b"}, {"a", "*b"}, {"*a", "*b"}},
        // A large pool fills the eight slots.
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, {"x"}, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines{"[POOLA]"};
        lines.insert(lines.end(), c.pool.begin(), c.pool.end());
        lines.push_back("[/poola]");
        lines.push_back("[PA]");
        lines.push_back("Q");
        lines.insert(lines.end(), c.written.begin(), c.written.end());
        lines.push_back("");
        auto l = load(script(lines));
        ASSERT_EQ(l.result.outcome, LoadOutcome::Loaded) << l.result.message;
        const auto& answers = l.state.BankAnswers[1];
        std::vector<std::string> shown;
        for (const auto& a : answers)
            if (!a.empty())
                shown.push_back(a);
        EXPECT_TRUE(isPermutation(l.state.BankOrder[1], shown.size()));
        if (c.expectedSorted.empty()) {
            EXPECT_EQ(shown.size(), 8u);
            std::sort(shown.begin(), shown.end());
            EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end()) << "an entry drawn twice";
            continue;
        }
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, c.expectedSorted);
    }
}

TEST(Loader, PoolFlashCardIsNotFilledAndTheNextQuestionIsNot)
{
    auto l = load(script({"[POOLA]", "x", "y", "[/POOLA]", "Front", "[PA]", "?Back", "", "Plain", "*p", "q", ""}));
    EXPECT_EQ(l.state.BankKind[1], "[FC]");
    EXPECT_EQ(l.state.BankHelp[1], "?Back");
    EXPECT_EQ(l.state.BankAnswers[1][0], "");
    EXPECT_EQ(l.state.BankKind[2], "");
    EXPECT_EQ(l.state.BankAnswers[2][0], "*p");
    EXPECT_EQ(l.state.BankAnswers[2][1], "q");
    EXPECT_EQ(l.state.BankAnswers[2][2], ""); // nothing drawn from the pool
}

TEST(Loader, SuccessivePoolsAndAPoolOutOfSequence)
{
    auto l = load(script({"[POOLA]", "a", "[/POOLA]", "[poolb]", "b1", "b2", "[/POOLB]", "[POOLD]", "*x", "y", ""}));
    EXPECT_EQ(l.state.PoolEntries[1], (std::vector<std::string>{"b1", "b2"}));
    EXPECT_EQ(l.state.BankQuestion[1], "[POOLD]"); // not the next letter: a question
}

TEST(Loader, EightAnswersThenHelpLineDropsTheHelpLine)
{
    auto l = load(script({"Q", "1", "2", "3", "4", "5", "6", "7", "8", "?help", "", "Next", "a", ""}));
    EXPECT_EQ(l.state.BankAnswers[1][7], "8");
    EXPECT_EQ(l.state.BankHelp[1], "");
    EXPECT_EQ(l.state.BankOrder[1].size(), 8u);
    // The blank line after the help line starts an empty question, which
    // takes the next block's lines as its answers.
    ASSERT_EQ(l.state.BankCount, 2);
    EXPECT_EQ(l.state.BankQuestion[2], "");
    EXPECT_EQ(l.state.BankAnswers[2][0], "Next");
}

TEST(Loader, HelpLinesAndLineBreaks)
{
    auto l = load(script({"One[cr]two[Cr]three", "*a", "?see[cr]here", "", "Q2", "*a", "b", "?h2", ""}));
    EXPECT_EQ(l.state.BankQuestion[1], "One[CR]two[CR]three");
    EXPECT_EQ(l.state.BankHelp[1], "?see[CR]here");
    EXPECT_EQ(l.state.BankOrder[1], "0");
    EXPECT_EQ(l.state.BankHelp[2], "?h2");
    EXPECT_EQ(l.state.BankCount, 2);
}

TEST(Loader, FlashCardTagMakesTheNextLineTheBack)
{
    auto l = load(script({"[FC]", "Front", "Back", "", "F2", "?B2", ""}));
    EXPECT_EQ(l.state.BankKind[1], "[FC]");
    EXPECT_EQ(l.state.BankHelp[1], "?Back");
    EXPECT_EQ(l.state.BankKind[2], "[FC]");
    EXPECT_EQ(l.state.BankHelp[2], "?B2");
}

TEST(Loader, TimeValues)
{
    struct Case { std::string value; std::optional<std::string> typed; int seconds; int asked; };
    const Case cases[] = {
        {"1 : 30", {}, 90, 0}, {"2", {}, 120, 0}, {"1.5", {}, 90, 0}, {"0:45", {}, 45, 0}, {"0", {}, 0, 0},
        {"", {}, 0, 0}, {"-5", {}, 0, 0}, {"99999999999", {}, 0, 0},
        {"<user>", std::string("2:30"), 150, 1}, {"<USER>", std::nullopt, 0, 1},
    };
    for (const auto& c : cases) {
        auto l = load(script({"TIME: " + c.value, "Q", "a", ""}), c.typed);
        EXPECT_EQ(l.state.TimerSeconds, c.seconds) << c.value;
        EXPECT_EQ(l.prompts.timerAsked, c.asked) << c.value;
    }
}

TEST(Loader, MinimumVersionAndOptions)
{
    struct Case { std::string value; std::string version; bool mono, seq, recycle; int feedback; };
    const Case cases[] = {
        {"<nofb>", "2.92", false, false, false, -1},
        {"", "2.63", false, false, false, 0},
        {"3.1 <MONO>", "3.1", true, false, false, 0},
        {"<Seqq> 2.9", "2.9", false, true, false, 0},
        {"2.0<recy><mono>", "2.84", true, false, true, 0},
    };
    for (const auto& c : cases) {
        auto l = load(script({"MVER: " + c.value, "Q", "a", ""}));
        EXPECT_EQ(l.state.MinVersion, c.version) << c.value;
        EXPECT_EQ(l.state.MonoFont, c.mono) << c.value;
        EXPECT_EQ(l.state.SequentialPick, c.seq) << c.value;
        EXPECT_EQ(l.state.RecycleIncorrect, c.recycle) << c.value;
        EXPECT_EQ(l.state.FeedbackMode, c.feedback) << c.value;
    }
}

TEST(Loader, ModifiedKeepsItsOwnValueAndLastKeyWins)
{
    auto l = load(script({"MODI: yesterday", "TITL: one", "TITL: two", "Q", "a", ""}));
    EXPECT_EQ(l.state.QuizModified, "yesterday");
    EXPECT_EQ(l.state.QuizTitle, "two");
}

TEST(Loader, LineEndsAndEncodings)
{
    // LF-only and a lone CR end lines; a UTF-8 file becomes Windows-1252.
    auto lf = load("Caf\xC3\xA9?\n*oui\rnon\n");
    ASSERT_EQ(lf.result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(lf.state.BankQuestion[1], "Caf\xE9?");
    EXPECT_EQ(lf.state.BankAnswers[1][1], "non");
    // Trailing spaces go in a plain file.
    auto trimmed = load(script({"Q   ", "[BL]  ", "a ", ""}));
    EXPECT_EQ(trimmed.state.BankKind[1], "[BL]");
    EXPECT_EQ(trimmed.state.BankAnswers[1][0], "a");
}

TEST(Loader, EndOfFileEndsTheLastBlock)
{
    auto l = load("Q1\r\n*a\r\nb\r\n\r\nQ2\r\n*c");
    EXPECT_EQ(l.state.BankCount, 2);
    EXPECT_EQ(l.state.BankAnswers[2][0], "*c");
    // One more blank line at the end makes an empty question.
    auto extra = load("Q1\r\n*a\r\n\r\n\r\n");
    EXPECT_EQ(extra.state.BankCount, 2);
    EXPECT_EQ(extra.state.BankQuestion[2], "");
}

TEST(Loader, EncryptedFileIsReadWithoutAPassword)
{
    const std::vector<std::string> plain{"TITL: Secret", "Q \xE9t\xE9", "*yes", "no", ""};
    // Key line: only its tenth character matters to the quiz taker.
    std::string key = "ABCDEFGHI";
    key += static_cast<char>(32 * 5 + 17);
    key += "XYZ";
    quizfile::TextCipher cipher(quizfile::textCipherStart(key));
    std::string file = std::string(quizfile::kEncryptedMagic) + "\r\n" + key;
    for (auto line : plain) {
        cipher.encipher(line);
        file += "\r\n" + line;
    }
    auto l = load(file);
    ASSERT_EQ(l.result.outcome, LoadOutcome::Loaded) << l.result.message;
    EXPECT_EQ(l.state.QuizTitle, "Secret");
    EXPECT_EQ(l.state.BankQuestion[1], "Q \xE9t\xE9");
    EXPECT_EQ(l.state.BankAnswers[1][1], "no");
}

TEST(Loader, RefusedFiles)
{
    std::string tooManyChapters;
    for (int i = 1; i <= 26; ++i)
        tooManyChapters += "'C" + std::to_string(i) + "\r\nQ\r\na\r\n\r\n";
    std::string tooManyQuestions;
    for (int i = 1; i <= 10000; ++i)
        tooManyQuestions += "Q\r\na\r\n\r\n";
    std::string bigPool = "[POOLA]\r\n";
    for (int i = 0; i <= 1000; ++i)
        bigPool += "e" + std::to_string(i) + "\r\n";
    bigPool += "[/POOLA]\r\nQ\r\na\r\n";

    struct Case { std::string name; std::string text; std::string messageStart; };
    const Case cases[] = {
        {"short key line", std::string(quizfile::kEncryptedMagic) + "\r\n123456789\r\nabc", "Encrypted File is Corrupt."},
        {"no key line", std::string(quizfile::kEncryptedMagic), "Encrypted File is Corrupt."},
        {"26 chapters", tooManyChapters, "This quiz has more than 25 chapters."},
        {"10000 questions", tooManyQuestions, "This quiz holds more than 9999 questions."},
        {"1001 pool entries", bigPool, "Answer pool A holds more than 1000 entries."},
        {"pool without end", script({"[POOLA]", "x", "Q", "a", ""}), "Answer pool A has no end line \"[/POOLA]\""},
        {"second pool without end", script({"[POOLA]", "x", "[/POOLA]", "[POOLB]", "y"}), "Answer pool B has no end line"},
        {"binary", std::string("\x7f" "ELF\0\0\1", 7), "This file is not a quiz script."},
        {"empty", "", "This file holds no questions."},
        {"header only", script({"TITL: x", "AUTH: y"}), "This file holds no questions."},
    };
    for (const auto& c : cases) {
        auto l = load(c.text);
        EXPECT_EQ(l.result.outcome, LoadOutcome::Refused) << c.name;
        EXPECT_EQ(l.result.message.rfind(c.messageStart, 0), 0u) << c.name << ": " << l.result.message;
    }
}

TEST(Loader, ResetForANewScriptClearsTheHeader)
{
    auto l = load(script({"TIME: 5", "MVER: <NOFB><MONO>", "Q", "a", ""}));
    ASSERT_EQ(l.state.TimerSeconds, 300);
    l.state.WindowMode = "Quiz";
    l.state.resetForNewScript();
    quizfile::Rng rng(3);
    FakePrompts prompts;
    loadScriptText(l.state, script({"Q", "a", ""}), "", rng, prompts);
    EXPECT_EQ(l.state.TimerSeconds, 0);
    EXPECT_FALSE(l.state.MonoFont);
    EXPECT_EQ(l.state.FeedbackMode, 0);
    EXPECT_EQ(l.state.BankCount, 1);
    EXPECT_EQ(l.state.WindowMode, "Quiz");
}

TEST(Loader, NamesComeFromThePath)
{
    QuizState s;
    s.QuizPath = "/home/ann/quizzes/Earth.qzf";
    setNamesFromPath(s);
    EXPECT_EQ(s.QuizName, "Earth");
    EXPECT_EQ(s.PictureFolder, "/home/ann/quizzes/Earth/");
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(modifiedDateText(1079273100), "3.14.2004, 2:05:00pm");
    EXPECT_EQ(modifiedDateText(1079273100 - 14 * 3600), "3.14.2004, 12:05:00am");
}
