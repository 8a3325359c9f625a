#include "quizfile/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quizfile {

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        number += text[i++], digits = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            number += text[i++], digits = true;
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when digits follow it ("2e" is 2).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        bool expDigits = false;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9' && exponent.size() < 8)
            exponent += text[j++], expDigits = true;
        if (expDigits)
            number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value > 9e18)
        return 9'000'000'000'000'000'000LL;
    if (value < -9e18)
        return -9'000'000'000'000'000'000LL;
    return static_cast<long long>(std::nearbyint(value));
}

long long roundHalfAway(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<long long>(std::round(value));
}

std::string percentText(long long part, long long total)
{
    return std::to_string(roundHalfAway(100.0 * static_cast<double>(part) / static_cast<double>(total))) + "%";
}

std::string zeroPadded(long long value, int digits)
{
    std::string body = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(body.size()) < digits)
        body.insert(0, static_cast<std::size_t>(digits) - body.size(), '0');
    return value < 0 ? "-" + body : body;
}

std::string shortNumberText(double value)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<float>(value));
    return std::string(buf, res.ptr);
}

} // namespace quizfile
