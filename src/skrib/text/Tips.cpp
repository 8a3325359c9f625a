#include "skrib/text/Tips.h"

#include "quizfile/Ansi.h"

#include <algorithm>

namespace skrib {

Tip parseTip(std::string_view line)
{
    std::string whole;
    whole.reserve(line.size());
    for (char c : line) {
        if (c == '~')
            whole += "\r\n";
        else
            whole += c;
    }
    if (!whole.empty() && whole.front() == '|') {
        const std::size_t close = whole.find('|', 1);
        if (close != std::string::npos)
            return {whole.substr(1, close - 1), whole.substr(close + 1)};
        return {std::string(DefaultTipTitle), whole.substr(1)};
    }
    return {std::string(DefaultTipTitle), whole};
}

std::vector<Tip> parseTips(std::string_view bytes)
{
    std::string converted;
    if (auto fromUtf8 = quizfile::convertedFromUtf8(bytes)) {
        converted = std::move(*fromUtf8);
        bytes = converted;
    }
    std::vector<Tip> tips;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        tips.push_back(parseTip(line));
    }
    return tips;
}

TipNavigator::TipNavigator(int tipCount, int storedTipNum)
    : count_(std::max(tipCount, 0)),
      current_(count_ == 0 ? 0 : (storedTipNum >= 1 && storedTipNum <= count_ ? storedTipNum : 1)),
      lastViewed_(current_)
{
}

void TipNavigator::next()
{
    if (canGoNext())
        ++current_;
}

void TipNavigator::previous()
{
    if (canGoPrevious())
        --current_;
}

int TipNavigator::markAsLastViewed()
{
    lastViewed_ = current_;
    return numberToStore();
}

int TipNavigator::numberToStore() const
{
    return lastViewed_ >= count_ ? 1 : lastViewed_ + 1;
}

} // namespace skrib
