#include "quizfile/Lines.h"

namespace quizfile {

std::vector<std::string> splitLines(std::string_view text, LineEnds ends)
{
    std::vector<std::string> lines;
    lines.reserve(text.size() / 24 + 1);
    std::size_t start = 0;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '\r') {
            lines.emplace_back(text.substr(start, i - start));
            i += (i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else if (c == '\n' && ends == LineEnds::Plain) {
            lines.emplace_back(text.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.emplace_back(text.substr(start));
    return lines;
}

void trimTrailingSpaces(std::string& line)
{
    std::size_t end = line.size();
    while (end > 0 && line[end - 1] == ' ')
        --end;
    line.resize(end);
}

std::string_view trimSpaces(std::string_view text)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return text.substr(b, e - b);
}

std::string joinCrLf(const std::vector<std::string>& lines)
{
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += lines[i];
    }
    return out;
}

namespace {
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
} // namespace

std::string toUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = upper(c);
    return out;
}

std::string toLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

char toUpperAnsi(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 32);
    switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
    }
}

std::string toUpperAnsi(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toUpperAnsi(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to, bool noCase)
{
    if (from.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t hit = std::string_view::npos;
        if (!noCase) {
            hit = text.find(from, i);
        } else {
            for (std::size_t at = i; at + from.size() <= text.size(); ++at) {
                if (equalsNoCase(text.substr(at, from.size()), from)) {
                    hit = at;
                    break;
                }
            }
        }
        if (hit == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, hit - i));
        out.append(to);
        i = hit + from.size();
    }
    return out;
}

} // namespace quizfile
