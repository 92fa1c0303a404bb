// The game's one random generator (xorshift64*), seeded once.
#pragma once

#include <cstdint>

class TRandom {
  public:
    explicit TRandom(uint64_t seed = 1) { Seed(seed); }

    void Seed(uint64_t seed) { State = seed != 0 ? seed : 0x9E3779B97F4A7C15ull; }

    // The whole state, for a game kept and taken up again; it is never 0.
    uint64_t CurrentState() const { return State; }
    void SetState(uint64_t state) { Seed(state); }

    uint64_t Next64() {
        State ^= State >> 12;
        State ^= State << 25;
        State ^= State >> 27;
        return State * 2685821657736338717ull;
    }

    // Uniform in 0 .. n - 1 (n > 0), without modulo bias.
    uint32_t Below(uint32_t n) {
        uint64_t product = (Next64() >> 32) * n;
        if (static_cast<uint32_t>(product) < n) {
            const uint32_t threshold = static_cast<uint32_t>(-n) % n;
            while (static_cast<uint32_t>(product) < threshold) {
                product = (Next64() >> 32) * n;
            }
        }
        return static_cast<uint32_t>(product >> 32);
    }

  private:
    uint64_t State;
};
