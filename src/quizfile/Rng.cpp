#include "quizfile/Rng.h"

#include <chrono>

namespace quizfile {

Rng::Rng() { seedFromTimeOfDay(); }

Rng::Rng(std::uint64_t seed) : engine_(seed) {}

void Rng::seed(std::uint64_t seed) { engine_.seed(seed); }

void Rng::seedFromTimeOfDay()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double Rng::fraction()
{
    // 53 random bits: every value is exact and strictly below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int Rng::below(int n)
{
    if (n <= 1)
        return 0;
    const int k = static_cast<int>(fraction() * n);
    return k < n ? k : n - 1;
}

} // namespace quizfile
