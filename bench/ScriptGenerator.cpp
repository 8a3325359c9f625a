#include "ScriptGenerator.h"

#include "quizfile/Container.h"
#include "quizfile/Lines.h"
#include "quizfile/Rng.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orbabench {

namespace {

constexpr std::array<std::string_view, 48> kWords = {
    "river",  "mountain", "planet",   "energy",  "cell",     "atom",    "ocean",    "forest",
    "empire", "treaty",   "king",     "battle",  "number",   "angle",   "circle",   "square",
    "verb",   "noun",     "sentence", "poem",    "melody",   "rhythm",  "painting", "colour",
    "engine", "wheel",    "bridge",   "tower",   "climate",  "season",  "desert",   "glacier",
    "protein", "enzyme",  "membrane", "nucleus", "current",  "voltage", "magnet",   "lens",
    "market", "price",    "trade",    "harbour", "language", "grammar", "fraction", "equation"};

// Words with one accented letter; written per the chosen encoding.
constexpr std::array<std::string_view, 6> kAccented = {"caf\xE9", "na\xEFve", "r\xE9sum\xE9",
                                                       "fa\xE7" "ade", "se\xF1or", "M\xFCller"};

constexpr std::array<std::string_view, 8> kQuestionStarts = {
    "Which", "What", "Where", "When", "How many", "Why does the", "Name the", "Which of these"};

constexpr std::array<std::string_view, 25> kChapterNames = {
    "Geology",  "Astronomy", "Biology",   "Chemistry", "Physics",    "Algebra",  "Geometry",
    "Grammar",  "Poetry",    "Music",     "Art",       "History",    "Economics", "Geography",
    "Climate",  "Oceans",    "Forests",   "Machines",  "Electricity", "Optics",  "Medicine",
    "Languages", "Trade & Ports", "Empires", "Review"};

enum class Kind {
    MultipleChoice, // no tag: 2-8 choices
    TaggedMultipleChoice,
    FlashCardTag,
    FlashCardHelp, // "?" back line, no tag
    Blank,
    DragDrop,
    WrittenOrder,
    Essay,
    Pool,
};

class Generator {
public:
    explicit Generator(const ScriptShape& shape) : shape_(shape), rng_(shape.seed) {}

    std::vector<std::string> run();

private:
    bool chance(double p) { return rng_.fraction() < p; }
    int between(int lo, int hi) { return lo + rng_.below(hi - lo + 1); }
    std::string word();
    std::string words(int lo, int hi);
    std::string sentence(int lo, int hi, bool breaks);
    std::string answer();
    void emit(std::string line);

    void header();
    void pools();
    void question(std::string_view carried);
    void choices(int count, int correct, bool help);
    void help();
    Kind drawKind();
    std::string kindTag(Kind kind);

    const ScriptShape& shape_;
    quizfile::Rng rng_;
    std::vector<std::string> out_;
    std::vector<std::vector<std::string>> poolEntries_;
};

std::string Generator::word()
{
    if (shape_.encoding != TextEncoding::Ascii && chance(0.02)) {
        const std::string_view w = kAccented[static_cast<std::size_t>(rng_.below(kAccented.size()))];
        if (shape_.encoding == TextEncoding::Windows1252)
            return std::string(w);
        // Latin-1 letters map to two-byte UTF-8 sequences.
        std::string utf8;
        for (unsigned char c : w) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return utf8;
    }
    return std::string(kWords[static_cast<std::size_t>(rng_.below(kWords.size()))]);
}

std::string Generator::words(int lo, int hi)
{
    std::string s;
    const int n = between(lo, hi);
    for (int i = 0; i < n; ++i) {
        if (i)
            s += ' ';
        s += word();
    }
    return s;
}

std::string Generator::sentence(int lo, int hi, bool breaks)
{
    std::string s(kQuestionStarts[static_cast<std::size_t>(rng_.below(kQuestionStarts.size()))]);
    s += ' ';
    s += words(lo, hi);
    if (breaks && chance(0.15))
        s += chance(0.8) ? "[CR]" : "[cr]";
    else
        s += ' ';
    s += words(lo / 2 + 1, hi / 2 + 1);
    s += '?';
    return s;
}

std::string Generator::answer()
{
    std::string a = words(1, 5);
    a.front() = static_cast<char>(a.front() >= 'a' && a.front() <= 'z' ? a.front() - 32 : a.front());
    if (chance(0.05))
        a += " & " + word();
    if (chance(0.1))
        a += ' ' + std::to_string(between(1, 2000));
    return a;
}

void Generator::emit(std::string line)
{
    // Hand-edited texts carry the odd trailing space; the reader drops it.
    if (!line.empty() && line.front() != '[' && chance(0.03))
        line += ' ';
    out_.push_back(std::move(line));
}

void Generator::header()
{
    emit("TITL: Generated Review of Everything");
    emit("AUTH: Benchmark Department");
    emit("MVER: 2.80 <RECY>");
    emit("NOTE: A large bank for timing the loader and the draw.");
    emit("TIME: 45:00");
}

void Generator::pools()
{
    static constexpr std::array<int, 5> kSizes = {50, 90, 120, 160, 200};
    for (int p = 0; p < shape_.pools; ++p) {
        const char letter = static_cast<char>('A' + p);
        emit(std::string("[POOL") + letter + "]");
        auto& entries = poolEntries_.emplace_back();
        const int size = kSizes[static_cast<std::size_t>(p) % kSizes.size()];
        for (int i = 0; i < size; ++i) {
            entries.push_back(answer());
            emit(entries.back());
        }
        emit(std::string("[/POOL") + letter + "]");
    }
}

Kind Generator::drawKind()
{
    // Rough mix of a real bank: mostly multiple choice, a fair share of pool
    // and fill-in questions, the rarer kinds a few percent each.
    const double r = rng_.fraction();
    if (r < 0.34) return Kind::MultipleChoice;
    if (r < 0.39) return Kind::TaggedMultipleChoice;
    if (r < 0.44) return Kind::FlashCardTag;
    if (r < 0.49) return Kind::FlashCardHelp;
    if (r < 0.58) return Kind::Blank;
    if (r < 0.65) return Kind::DragDrop;
    if (r < 0.73) return Kind::WrittenOrder;
    if (r < 0.78) return Kind::Essay;
    return poolEntries_.empty() ? Kind::MultipleChoice : Kind::Pool;
}

std::string Generator::kindTag(Kind kind)
{
    switch (kind) {
    case Kind::MultipleChoice:
    case Kind::TaggedMultipleChoice: return "[MC]";
    case Kind::FlashCardTag: return chance(0.8) ? "[FC]" : "[fc]";
    case Kind::FlashCardHelp: return {};
    case Kind::Blank: return chance(0.6) ? "[BL]" : "[bL]";
    case Kind::DragDrop: return "[DD]";
    case Kind::WrittenOrder: return "[SO]";
    case Kind::Essay: return chance(0.6) ? "[ES]" : "[eS]";
    case Kind::Pool: return std::string("[P") + static_cast<char>('A' + rng_.below(static_cast<int>(poolEntries_.size()))) + "]";
    }
    return {};
}

void Generator::help()
{
    std::string h(1, '?');
    h += words(4, 14);
    if (chance(0.3))
        h += "[CR]" + words(3, 8);
    emit(std::move(h));
}

void Generator::choices(int count, int correct, bool withHelp)
{
    std::vector<bool> right(static_cast<std::size_t>(count), false);
    for (int i = 0; i < correct; ++i)
        right[static_cast<std::size_t>(rng_.below(count))] = true;
    for (int i = 0; i < count; ++i)
        emit((right[static_cast<std::size_t>(i)] ? "*" : "") + answer());
    // A help line after an eighth answer would end up as a question of its own.
    if (withHelp && count < 8)
        help();
}

void Generator::question(std::string_view carried)
{
    const Kind kind = drawKind();
    std::string tag = kindTag(kind);
    emit(sentence(4, 16, true));
    // A question of the chapter's carried kind needs no tag of its own; a
    // plain one in such a chapter needs "[MC]" to override it.
    const bool carriedHere = !carried.empty() && tag == carried;
    const bool needsTag = kind != Kind::MultipleChoice || !carried.empty();
    if (!tag.empty() && needsTag && !carriedHere)
        emit(tag);

    switch (kind) {
    case Kind::MultipleChoice:
    case Kind::TaggedMultipleChoice: {
        const int n = between(2, 8);
        choices(n, between(1, std::min(n, 2)), chance(0.3));
        break;
    }
    case Kind::FlashCardTag:
        emit((chance(0.3) ? "?" : "") + words(3, 12));
        break;
    case Kind::FlashCardHelp:
        emit("?" + words(3, 12) + (chance(0.2) ? "[CR]" + words(2, 6) : std::string()));
        break;
    case Kind::Blank:
        for (int i = between(1, 3); i > 0; --i)
            emit(words(1, 2));
        if (chance(0.2))
            help();
        break;
    case Kind::DragDrop:
        for (int i = between(3, 6); i > 0; --i)
            emit(answer());
        if (chance(0.2))
            help();
        break;
    case Kind::WrittenOrder: {
        const int n = between(3, 5);
        const int right = rng_.below(n);
        const bool lower = chance(0.2);
        for (int i = 0; i < n; ++i) {
            const char letter = static_cast<char>((lower ? 'a' : 'A') + i);
            emit(std::string(i == right ? "*" : "") + letter + ". " + answer());
        }
        if (chance(0.3))
            help();
        break;
    }
    case Kind::Essay: {
        const int n = between(1, 3);
        const bool prefixed = chance(0.5);
        for (int i = 0; i < n; ++i)
            emit((prefixed ? std::string(1, static_cast<char>('A' + i)) + ". " : std::string()) + words(2, 8));
        break;
    }
    case Kind::Pool: {
        const auto& entries = poolEntries_[static_cast<std::size_t>(tag[2] - 'A')];
        for (int i = between(1, 2); i > 0; --i) {
            // Mostly a pool entry, which the draw must then leave out.
            if (chance(0.7))
                emit(entries[static_cast<std::size_t>(rng_.below(static_cast<int>(entries.size())))]);
            else
                emit(answer());
        }
        if (chance(0.2))
            help();
        break;
    }
    }
    emit({});
}

std::vector<std::string> Generator::run()
{
    header();
    pools();
    const int chapters = std::clamp(shape_.chapters, 1, static_cast<int>(kChapterNames.size()));
    const int perChapter = shape_.questions / chapters;
    const int extra = shape_.questions % chapters;
    for (int ch = 0; ch < chapters; ++ch) {
        std::string chapterLine(1, '\'');
        chapterLine += kChapterNames[static_cast<std::size_t>(ch)];
        emit(std::move(chapterLine));
        // Every fourth chapter carries one kind for all its questions.
        std::string carried;
        if (ch % 4 == 3) {
            static constexpr std::array<std::string_view, 4> kCarried = {"[BL]", "[DD]", "[SO]", "[PA]"};
            carried = kCarried[static_cast<std::size_t>(ch / 4) % kCarried.size()];
            if (carried == "[PA]" && poolEntries_.empty())
                carried = "[BL]";
            emit(carried);
        }
        const int count = perChapter + (ch < extra ? 1 : 0);
        for (int q = 0; q < count; ++q)
            question(carried);
    }
    return std::move(out_);
}

} // namespace

std::vector<std::string> generateScriptLines(const ScriptShape& shape) { return Generator(shape).run(); }

std::string generateScript(const ScriptShape& shape)
{
    const std::vector<std::string> lines = generateScriptLines(shape);
    if (shape.encrypted) {
        quizfile::Rng rng(shape.seed);
        return quizfile::writeEncrypted(lines, "benchmark", false, rng);
    }
    // The last blank separator leaves a final CR LF, as the editor writes it.
    return quizfile::joinCrLf(lines);
}

} // namespace orbabench
