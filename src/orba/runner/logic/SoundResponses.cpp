#include "orba/runner/logic/SoundResponses.h"

#include "quizfile/Numbers.h"
#include "quizfile/Rng.h"

#include <filesystem>

namespace {

std::string soundFile(const std::string& folder, char kind, int n)
{
    return folder + "/" + kind + quizfile::zeroPadded(n, 2) + ".mp3";
}

bool isFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

int soundTop(const std::string& soundFolder, char kind)
{
    for (int n = 99; n >= 0; --n)
        if (isFile(soundFile(soundFolder, kind, n)))
            return n;
    return 0;
}

std::string responseFile(const std::string& soundFolder, char kind, int top, quizfile::Rng& rng)
{
    const std::string path = soundFile(soundFolder, kind, rng.below(top + 1));
    return isFile(path) ? path : std::string();
}
