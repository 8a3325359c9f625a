#pragma once

#include <cstdint>
#include <random>

namespace quizfile {

// The one uniform generator of a program. Seeded from the time of day unless
// a test (or --seed) gives it a seed.
class Rng final {
public:
    Rng();
    explicit Rng(std::uint64_t seed);

    void seed(std::uint64_t seed);
    void seedFromTimeOfDay();

    // A random fraction in [0, 1).
    double fraction();
    // A draw among n candidates: the integer part of fraction() * n, 0..n-1.
    int below(int n);

private:
    std::mt19937_64 engine_;
};

} // namespace quizfile
