// The one source of chance in the game: the shuffle and the "do plných" draw. Everything else
// (the computer players included) is deterministic. Only uniform draws from 0..n-1 are used.
#pragma once

#include <cstdint>
#include <random>

class IRandom {
public:
    virtual ~IRandom() = default;
    // Uniform on 0..n-1; n must be at least 1.
    virtual int Next(int n) = 0;
};

// A Mersenne twister seeded once. The draw is done here by rejection rather than through
// std::uniform_int_distribution, whose algorithm differs between standard libraries, so a seed
// gives the same deals everywhere.
class SeededRandom : public IRandom {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    int Next(int n) override {
        const uint64_t range = uint64_t(n);
        const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        uint64_t x;
        do x = engine_();
        while (x >= limit);
        return int(x % range);
    }

private:
    std::mt19937_64 engine_;
};
