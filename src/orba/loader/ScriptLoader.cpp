#include "orba/loader/ScriptLoader.h"

#include "orba/state/QuizState.h"
#include "quizfile/Ansi.h"
#include "quizfile/Cipher.h"
#include "quizfile/Grammar.h"
#include "quizfile/Lines.h"
#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <vector>

using namespace quizfile;

namespace {

constexpr std::string_view kDigits = "01234567";

// Hands out the script's lines one at a time. A read past the end yields an
// empty line, which every rule of the grammar takes as the end of a block.
class LineSource {
public:
    LineSource(std::vector<std::string> lines, std::size_t first, std::unique_ptr<TextCipher> cipher)
        : lines_(std::move(lines)), next_(first), cipher_(std::move(cipher)) {}

    bool atEnd() const { return next_ >= lines_.size(); }
    std::size_t size() const { return lines_.size(); }

    std::string read()
    {
        if (atEnd())
            return {};
        std::string line = std::move(lines_[next_++]);
        if (cipher_)
            cipher_->decipher(line);
        return line;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_;
    std::unique_ptr<TextCipher> cipher_;
};

bool startsWith(std::string_view text, char c) { return !text.empty() && text.front() == c; }

// "[cr]" in any letter case becomes "[CR]"; the length stays, so in place.
std::string normaliseBreaks(std::string text)
{
    for (std::size_t at = text.find('['); at != std::string::npos && at + 4 <= text.size(); at = text.find('[', at + 1))
        if (equalsNoCase(std::string_view(text).substr(at, 4), kLineBreak))
            text.replace(at, 4, kLineBreak);
    return text;
}

class Loader {
public:
    Loader(QuizState& s, Rng& rng, LoaderPrompts& prompts, const std::string& fileDate)
        : s_(s), rng_(rng), prompts_(prompts), fileDate_(fileDate) {}

    LoadResult run(std::string_view bytes);

private:
    LoadResult refuse(std::string message)
    {
        return LoadResult{LoadOutcome::Refused, std::move(message)};
    }
    std::optional<LoadResult> fileStart(LineSource& in, std::string& first);
    void readHeader(LineSource& in, std::string& line);
    void finishHeader();
    std::optional<LoadResult> readPools(LineSource& in, std::string& line);
    void fillFromPool(int c, int pool, int& answerCount);
    const std::unordered_multimap<std::string_view, int>& poolLookup(int pool);

    QuizState& s_;
    Rng& rng_;
    LoaderPrompts& prompts_;
    const std::string& fileDate_;
    std::array<std::unordered_multimap<std::string_view, int>, 20> poolLookup_;
    std::array<bool, 20> poolLookupBuilt_{};
};

LoadResult Loader::run(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return refuse("This file is not a quiz script.");

    // The first line decides between a plain and an enciphered file.
    const std::size_t firstEnd = std::min(bytes.find('\r'), bytes.find('\n'));
    std::string firstLine(bytes.substr(0, firstEnd));
    trimTrailingSpaces(firstLine);
    const bool encrypted = firstLine == kEncryptedMagic;

    std::unique_ptr<LineSource> in;
    std::string first;
    if (encrypted) {
        auto lines = splitLines(bytes, LineEnds::CrOnly);
        const std::string keyLine = lines.size() > 1 ? lines[1] : std::string();
        if (keyLine.size() < 10)
            return refuse(std::string(kCorruptEncryptedMessage));
        in = std::make_unique<LineSource>(std::move(lines), 2, std::make_unique<TextCipher>(textCipherStart(keyLine)));
    } else {
        const std::optional<std::string> converted = convertedFromUtf8(bytes);
        if (converted)
            bytes = *converted;
        auto lines = splitLines(bytes, LineEnds::Plain);
        for (auto& l : lines)
            trimTrailingSpaces(l);
        in = std::make_unique<LineSource>(std::move(lines), 0, nullptr);
    }
    // A block takes two lines at the least: room for every question at once.
    const std::size_t expected = std::min<std::size_t>(in->size() / 2 + 2, kMaxQuestions + 1);
    s_.BankQuestion.reserve(expected);
    s_.BankKind.reserve(expected);
    s_.BankAnswers.reserve(expected);
    s_.BankHelp.reserve(expected);
    s_.BankOrder.reserve(expected);
    s_.Catalogue.reserve(expected * 5);

    std::string sectionKind;
    for (;;) {
        const int c = s_.BankCount + 1;
        if (c > kMaxQuestions)
            return refuse("This quiz holds more than " + std::to_string(kMaxQuestions)
                          + " questions. Split it into smaller quizzes in the Quiz Script Editor.");
        s_.BankCount = c;
        s_.BankQuestion.emplace_back();
        s_.BankKind.emplace_back();
        s_.BankAnswers.emplace_back();
        s_.BankHelp.emplace_back();
        s_.BankOrder.emplace_back();
        std::string question = in->read();

        if (c == 1) {
            if (auto stop = fileStart(*in, question))
                return *stop;
        }

        if (startsWith(question, kChapterMark)) {
            sectionKind.clear();
            if (s_.ChapterCount >= kMaxChapters)
                return refuse("This quiz has more than " + std::to_string(kMaxChapters)
                              + " chapters. Join some of them in the Quiz Script Editor.");
            s_.ChapterCount += 1;
            s_.ChapterNames[static_cast<std::size_t>(s_.ChapterCount)] = question.substr(1);
            question = in->read();
        }

        if (std::string tag = kindTagOf(question); !tag.empty()) {
            sectionKind = std::move(tag);
            question = in->read();
        }

        std::string& kind = s_.BankKind[static_cast<std::size_t>(c)];
        AnswerSlots& answers = s_.BankAnswers[static_cast<std::size_t>(c)];
        std::string& help = s_.BankHelp[static_cast<std::size_t>(c)];
        s_.BankQuestion[static_cast<std::size_t>(c)] = normaliseBreaks(std::move(question));
        if (!sectionKind.empty())
            kind = sectionKind;

        std::string line = in->read();
        if (std::string tag = kindTagOf(line); !tag.empty()) {
            kind = std::move(tag);
            line = in->read();
        }

        const int poolNumber = poolNumberOfKind(kind);
        const bool keepOrder = kind == kWrittenOrder || kind == kEssay || kind == kEssayCase;

        answers[0] = std::move(line);
        if (kind == kFlashCard && !startsWith(answers[0], kHelpMark))
            answers[0].insert(0, 1, kHelpMark);

        int answerCount = 0;
        bool flashCard = false;
        std::string second = in->read();
        if (startsWith(answers[0], kHelpMark)) {
            help = normaliseBreaks(answers[0]);
            answers[0].clear();
            kind = kFlashCard;
            flashCard = true; // `second` was the separator
        } else if (second.empty()) {
            answerCount = 1;
        } else if (startsWith(second, kHelpMark)) {
            answerCount = 1;
            help = normaliseBreaks(second);
            in->read();
        } else {
            answers[1] = std::move(second);
            for (int j = 2; j <= 8; ++j) {
                std::string next = in->read();
                if (j == 8 || next.empty()) {
                    // The line after an eighth answer always ends the block.
                    answerCount = j;
                    break;
                }
                if (startsWith(next, kHelpMark)) {
                    help = normaliseBreaks(next);
                    in->read();
                    answerCount = j;
                    break;
                }
                answers[static_cast<std::size_t>(j)] = std::move(next);
            }
        }

        if (!flashCard && toUpperAscii(kind) != kBlank) {
            if (poolNumber > 0)
                fillFromPool(c, poolNumber - 1, answerCount);
            std::string& order = s_.BankOrder[static_cast<std::size_t>(c)];
            if (keepOrder) {
                order = kDigits.substr(0, static_cast<std::size_t>(answerCount));
                for (int j = 0; j < 8; ++j) {
                    std::string& a = answers[static_cast<std::size_t>(j)];
                    const std::size_t m = startsWith(a, kCorrectMark) ? 1 : 0;
                    if (a.size() >= m + 3 && a[m + 1] == '.' && a[m + 2] == ' '
                        && (a[m] == static_cast<char>('A' + j) || a[m] == static_cast<char>('a' + j)))
                        a.erase(m, 3);
                }
            } else {
                std::string rest(kDigits.substr(0, static_cast<std::size_t>(answerCount)));
                order.reserve(rest.size());
                while (!rest.empty()) {
                    const auto k = static_cast<std::size_t>(rng_.below(static_cast<int>(rest.size())));
                    order += rest[k];
                    rest.erase(k, 1);
                }
            }
        }

        s_.Catalogue += static_cast<char>(64 + s_.ChapterCount);
        s_.Catalogue += zeroPadded(c, 4);
        if (in->atEnd())
            break;
    }

    const bool anyQuestion = std::any_of(s_.BankQuestion.begin() + 1, s_.BankQuestion.end(),
                                         [](const std::string& q) { return !q.empty(); });
    if (!anyQuestion)
        return refuse("This file holds no questions.");
    return {};
}

std::optional<LoadResult> Loader::fileStart(LineSource& in, std::string& first)
{
    if (!headerKeyOf(first).empty()) {
        readHeader(in, first);
        finishHeader();
        prompts_.showFileInfo(s_);
    }
    if (toUpperAscii(first) == poolStartLine(0))
        return readPools(in, first);
    return std::nullopt;
}

void Loader::readHeader(LineSource& in, std::string& line)
{
    for (;;) {
        const std::string_view key = headerKeyOf(line);
        if (key.empty())
            return;
        std::string value(trimSpaces(std::string_view(line).substr(5)));
        if (key == kTitleKey) {
            s_.QuizTitle = std::move(value);
        } else if (key == kAuthorKey) {
            s_.QuizAuthor = std::move(value);
        } else if (key == kCompilerKey) {
            s_.QuizCompiler = std::move(value);
        } else if (key == kModifiedKey) {
            s_.QuizModified = std::move(value);
        } else if (key == kMinVersionKey) {
            s_.MinVersion = std::move(value);
        } else if (key == kNoteKey) {
            s_.QuizNote = std::move(value);
        } else if (key == kTimeKey) {
            value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
            if (equalsNoCase(value, kUserTime)) {
                if (auto typed = prompts_.askTimer())
                    value = *typed;
            }
            double seconds = 0;
            if (const auto colon = value.find(':'); colon != std::string::npos) {
                const double minutes = static_cast<double>(roundHalfEven(leadingNumber(value.substr(0, colon)) * 60));
                seconds = static_cast<double>(roundHalfEven(minutes + leadingNumber(value.substr(colon + 1))));
            } else {
                seconds = static_cast<double>(roundHalfEven(leadingNumber(value) * 60));
            }
            // A negative or absurd time is no time limit rather than an overflow.
            s_.TimerSeconds = seconds > 0 && seconds <= INT_MAX ? static_cast<int>(seconds) : 0;
        }
        line = in.read();
    }
}

void Loader::finishHeader()
{
    if (s_.QuizModified.empty())
        s_.QuizModified = fileDate_;

    struct Option { std::string_view tag; bool* flag; double minimum; };
    bool noFeedback = false;
    const Option options[] = {
        {kOptionMono, &s_.MonoFont, 2.75},
        {kOptionSequential, &s_.SequentialPick, 2.82},
        {kOptionRecycle, &s_.RecycleIncorrect, 2.84},
        {kOptionNoFeedback, &noFeedback, 2.92},
    };
    const std::string written = s_.MinVersion;
    double version = leadingNumber(written);
    std::string rest = written;
    for (const auto& o : options) {
        if (toUpperAscii(rest).find(o.tag) == std::string::npos)
            continue;
        rest = replaceAll(rest, o.tag, "", true);
        *o.flag = true;
        version = std::max(version, o.minimum);
    }
    if (noFeedback)
        s_.FeedbackMode = -1;
    version = std::max(version, leadingNumber(rest));
    if (version == 0)
        version = 2.63;
    s_.MinVersion = shortNumberText(version);
}

std::optional<LoadResult> Loader::readPools(LineSource& in, std::string& line)
{
    for (int p = 0; p < kMaxPools; ++p) {
        const std::string end = poolEndLine(p);
        auto& entries = s_.PoolEntries[static_cast<std::size_t>(p)];
        auto& index = s_.PoolIndex[static_cast<std::size_t>(p)];
        for (;;) {
            if (in.atEnd())
                return refuse("Answer pool " + std::string(1, static_cast<char>('A' + p)) + " has no end line \"" + end
                              + "\", so the rest of the file was read as pool entries.");
            std::string entry = in.read();
            if (toUpperAscii(entry) == end)
                break;
            if (entries.size() >= static_cast<std::size_t>(kMaxPoolEntries))
                return refuse("Answer pool " + std::string(1, static_cast<char>('A' + p)) + " holds more than "
                              + std::to_string(kMaxPoolEntries) + " entries.");
            std::string number = std::to_string(entries.size());
            index.append(4 - number.size(), 'x');
            index += number;
            entries.push_back(std::move(entry));
        }
        line = in.read();
        if (p + 1 >= kMaxPools || toUpperAscii(line) != poolStartLine(p + 1))
            break;
    }
    return std::nullopt;
}

const std::unordered_multimap<std::string_view, int>& Loader::poolLookup(int pool)
{
    const auto p = static_cast<std::size_t>(pool);
    if (!poolLookupBuilt_[p]) {
        const auto& entries = s_.PoolEntries[p];
        poolLookup_[p].reserve(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            poolLookup_[p].emplace(entries[i], static_cast<int>(i));
        poolLookupBuilt_[p] = true;
    }
    return poolLookup_[p];
}

void Loader::fillFromPool(int c, int pool, int& answerCount)
{
    AnswerSlots& answers = s_.BankAnswers[static_cast<std::size_t>(c)];
    const int entryCount = static_cast<int>(s_.PoolEntries[static_cast<std::size_t>(pool)].size());

    // Entry numbers no longer among the candidates, kept sorted: those equal
    // to a written answer, then those drawn.
    std::vector<int> gone;
    const auto& lookup = poolLookup(pool);
    for (int i = 0; i < answerCount; ++i) {
        std::string& a = answers[static_cast<std::size_t>(i)];
        if (!startsWith(a, kCorrectMark))
            a.insert(0, 1, kCorrectMark);
        auto [b, e] = lookup.equal_range(std::string_view(a).substr(1));
        for (auto it = b; it != e; ++it)
            gone.push_back(it->second);
    }
    std::sort(gone.begin(), gone.end());
    gone.erase(std::unique(gone.begin(), gone.end()), gone.end());

    int filled = answerCount;
    for (int slot = answerCount; slot < 8; ++slot) {
        const int remaining = entryCount - static_cast<int>(gone.size());
        if (remaining <= 0)
            break;
        // The k-th remaining candidate, in pool order.
        int entry = rng_.below(remaining);
        for (int g : gone) {
            if (g <= entry)
                ++entry;
            else
                break;
        }
        answers[static_cast<std::size_t>(slot)] = s_.PoolEntries[static_cast<std::size_t>(pool)][static_cast<std::size_t>(entry)];
        gone.insert(std::upper_bound(gone.begin(), gone.end(), entry), entry);
        filled = slot + 1;
    }
    answerCount = filled;
}

} // namespace

void setNamesFromPath(QuizState& state)
{
    const std::string& path = state.QuizPath;
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string();
    state.PictureFolder = stem + "/";
    const std::size_t slash = path.rfind('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    // Paths are UTF-8 on this system; the name is shown and saved as text.
    state.QuizName = utf8ToAnsi(file.size() >= 4 ? file.substr(0, file.size() - 4) : std::string());
}

std::string modifiedDateText(std::time_t when)
{
    std::tm tm{};
    localtime_r(&when, &tm);
    const int hour12 = tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12;
    return std::to_string(tm.tm_mon + 1) + "." + std::to_string(tm.tm_mday) + "." + std::to_string(tm.tm_year + 1900)
           + ", " + std::to_string(hour12) + ":" + zeroPadded(tm.tm_min, 2) + ":" + zeroPadded(tm.tm_sec, 2)
           + (tm.tm_hour < 12 ? "am" : "pm");
}

LoadResult loadScriptText(QuizState& state, std::string_view bytes, const std::string& fileDate, Rng& rng,
                          LoaderPrompts& prompts)
{
    return Loader(state, rng, prompts, fileDate).run(bytes);
}

LoadResult loadScriptFile(QuizState& state, Rng& rng, LoaderPrompts& prompts)
{
    setNamesFromPath(state);
    const std::string& path = state.QuizPath;
    if (path.size() >= 4 && toLowerAscii(path.substr(path.size() - 4)) == ".qzp") {
        state.WindowMode = "LoadSavedQuiz";
        state.LoadingSavedQuiz = true;
        return LoadResult{LoadOutcome::SavedTest, {}};
    }

    std::error_code ec;
    const std::filesystem::path fsPath(path);
    if (std::filesystem::is_directory(fsPath, ec))
        return LoadResult{LoadOutcome::Refused, "This file is not a quiz script."};
    std::ifstream file(fsPath, std::ios::binary | std::ios::ate);
    if (!file)
        return LoadResult{LoadOutcome::Refused, "The file could not be opened."};
    const std::streamoff size = file.tellg();
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    file.seekg(0);
    if (size > 0 && !file.read(bytes.data(), size))
        return LoadResult{LoadOutcome::Refused, "The file could not be read."};

    std::string date;
    const auto mtime = std::filesystem::last_write_time(fsPath, ec);
    if (!ec) {
        const auto sys = std::chrono::file_clock::to_sys(mtime);
        date = modifiedDateText(std::chrono::system_clock::to_time_t(sys));
    }
    return loadScriptText(state, bytes, date, rng, prompts);
}
