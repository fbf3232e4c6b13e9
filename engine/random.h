#pragma once

#include <cstdint>

namespace lumbra {

// The engine's own pseudo-random generator: a 64-bit linear congruential
// generator that yields non-negative 31-bit numbers. Tests fix its sequence
// by fixing the seed (the engine seeds it from the clock before every drop).
class Random {
public:
    // The first preview stones of every program run are drawn before the
    // clock seeds the generator. This starting state makes them three
    // different colours, so a fresh game does not open on a lopsided board.
    static constexpr std::uint64_t unseeded_state = 7;

    explicit Random(std::uint64_t seed = unseeded_state) { this->seed(seed); }

    void seed(std::uint64_t seed) { state_ = seed; }

    // The next number, 0 .. 2^31 - 1.
    int next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>(state_ >> 33);
    }

    // The next number modulo `m` (m > 0).
    int below(int m) { return next() % m; }

private:
    std::uint64_t state_ = 0;
};

}  // namespace lumbra
